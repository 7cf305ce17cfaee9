#!/usr/bin/env bash
# wine-com-port-test.sh BRIDGE TESTS_EXE [FILTER]: runs the Windows build's COM-port tests
# (FILTER, a GoogleTest filter; the serial tests' Win32ComPortTest.* by default) under Wine
# against the simulated sender. BRIDGE is a native zeft-sender-bridge; the pseudo-terminal
# it serves becomes COM7 of the Wine prefix in $WINEPREFIX.
set -euo pipefail
bridge="$1"
tests_exe="$2"
filter="${3:-Win32ComPortTest.*}"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
"$(dirname "${BASH_SOURCE[0]}")/install-deps.sh" mingw
out="$(mktemp)"
"$bridge" >"$out" 2>&1 &
bridge_pid=$!
trap 'kill "$bridge_pid" 2>/dev/null || true; wait "$bridge_pid" 2>/dev/null || true; rm -f "$out"' EXIT
for _ in $(seq 100); do
    [ -s "$out" ] && break
    sleep 0.05
done
pty="$(head -n 1 "$out")"
case "$pty" in
/dev/*) ;;
*)
    echo "the sender bridge did not start: $pty" >&2
    exit 1
    ;;
esac
mkdir -p "$WINEPREFIX/dosdevices"
ln -sfn "$pty" "$WINEPREFIX/dosdevices/com7"
# Wine's server of its own first, quiet: it dumps its state to its stderr when it stops.
/usr/lib/wine/wineserver64 -p2 2>/dev/null || true # one may be running already
ZEFT_TEST_SENDER_PORT=COM7 /usr/lib/wine/wine64 "$tests_exe" --gtest_filter="$filter"
