#!/usr/bin/env bash
# Builds and tests the whole program for Windows, and leaves its MSI in build/windows/:
#   1. Qt and libjpeg for mingw-w64 from Debian's sources, into ~/.cache/zeft (once)
#   2. the windows preset: zeft.exe, zeftctl.exe and every test program
#   3. the tests under Wine: the window tests on the offscreen platform, the core tests,
#      the ZIP package's check
#   4. the window tests and the Win32 backend through a Wine COM port that leads to the
#      simulated sender
#   5. zeft.exe started on the windows platform under Xvfb: screenshots of the
#      Communication Settings dialog and the main window, the port kept in the registry;
#      then under a German, French and Dutch LANG, its first window in that language
#   6. the MSI: made with wixl, installed with msiexec, the installed zeft.exe started and
#      reading the virtual sender, then uninstalled without a file left behind
# Screenshots and logs go to build/windows/. Safe to run again.
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
"$ROOT/scripts/install-deps.sh" run test mingw windows qtsource || exit 1

OUT="$ROOT/build/windows"
JOBS="$(nproc 2>/dev/null || echo 2)"
failed=()
summary=()
step() { printf '\n==== windows: %s ====\n' "$1"; }

step "1/6 Qt and libjpeg for mingw-w64"
started="$(date +%s)"
QT_PREFIX="$("$ROOT/scripts/build-qt-mingw.sh" | tail -n 1)" || { echo "FAILED: Qt for mingw-w64"; exit 1; }
JPEG_PREFIX="$("$ROOT/scripts/build-jpeg-mingw.sh" | tail -n 1)" || { echo "FAILED: libjpeg for mingw-w64"; exit 1; }
export ZEFT_WINDOWS_PREFIXES="$QT_PREFIX;$JPEG_PREFIX"
summary+=("[windows] Qt and libjpeg ready in $(($(date +%s) - started)) s: $QT_PREFIX")

step "2/6 build"
read -r -a extra_args <<<"${ZEFT_CMAKE_ARGS:-}"
if [ -z "${ZEFT_CMAKE_ARGS+set}" ] && command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
    extra_args=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
mkdir -p "$OUT"
# The build runs the test programs under Wine to list their tests: in a prefix of the
# build's own, on the offscreen platform.
export WINEPREFIX="$OUT/wine" WINEDEBUG=-all QT_QPA_PLATFORM=offscreen
WINE=/usr/lib/wine/wine64
/usr/lib/wine/wineserver64 -k 2>/dev/null || true
"$WINE" wineboot --init >/dev/null 2>&1 || true
if ! cmake --preset windows "${extra_args[@]}" >"$OUT.configure.log" 2>&1; then
    cat "$OUT.configure.log"
    echo "FAILED: the windows preset did not configure"
    exit 1
fi
if ! cmake --build --preset windows -j "$JOBS"; then
    echo "FAILED: the Windows build"
    exit 1
fi

step "3/6 tests under Wine"
if ctest --preset windows -j "$JOBS" 2>&1 | tee "$OUT.ctest.log"; then
    summary+=("[windows] $(grep -E 'tests passed|tests failed' "$OUT.ctest.log" | tail -1)")
else
    summary+=("[windows] $(grep -E 'tests passed|tests failed' "$OUT.ctest.log" | tail -1)")
    failed+=("tests under Wine")
fi

step "4/6 through a Wine COM port"
# A Wine server of its own for the COM port: the tests' server may still hold devices.
/usr/lib/wine/wineserver64 -k 2>/dev/null || true
/usr/lib/wine/wineserver64 -w 2>/dev/null || true
bridge="$ROOT/build/normal/tools/zeft-sender-bridge"
if [ ! -x "$bridge" ]; then
    cmake --preset normal "${extra_args[@]}" >/dev/null && cmake --build build/normal --target zeft-sender-bridge >/dev/null
fi
if timeout 300 "$ROOT/scripts/wine-com-port-test.sh" "$bridge" "$OUT/bin/zeft_serial_tests.exe" \
    >"$OUT.comport.log" 2>&1 &&
    QT_QPA_PLATFORM=offscreen timeout 300 "$ROOT/scripts/wine-com-port-test.sh" "$bridge" \
        "$OUT/bin/zeft_gui_tests.exe" 'Win32MainFormTest.*' >>"$OUT.comport.log" 2>&1; then
    summary+=("[windows] the Win32 backend and the main window read the simulated sender through a Wine COM port")
else
    cat "$OUT.comport.log"
    failed+=("Wine COM port")
fi

step "5/6 zeft.exe on the windows platform"
if timeout 300 "$ROOT/scripts/wine-window-test.sh" "$OUT/bin" "$OUT/screenshots" >"$OUT.window.log" 2>&1; then
    summary+=("[windows] $(tail -n 1 "$OUT.window.log")")
else
    cat "$OUT.window.log"
    failed+=("zeft.exe under Xvfb")
fi
if timeout 300 "$ROOT/scripts/wine-language-test.sh" "$OUT/bin" "$OUT/screenshots" >"$OUT.language.log" 2>&1; then
    summary+=("[windows] $(tail -n 1 "$OUT.language.log")")
else
    cat "$OUT.language.log"
    failed+=("zeft.exe in the user's language")
fi

step "6/6 the MSI"
if cmake --build "$OUT" --target msi >"$OUT.msi.log" 2>&1 &&
    timeout 600 "$ROOT/scripts/wine-msi-test.sh" "$OUT"/zeft-*-win64.msi "$OUT/screenshots" >>"$OUT.msi.log" 2>&1; then
    summary+=("[windows] $(tail -n 1 "$OUT.msi.log")")
else
    cat "$OUT.msi.log"
    failed+=("MSI")
fi
/usr/lib/wine/wineserver64 -k 2>/dev/null || true

printf '\n==== windows: summary ====\n'
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -ne 0 ]; then
    printf 'FAILED: %s\n' "${failed[*]}"
    exit 1
fi
echo "The Windows build passed; its MSI: $(ls "$OUT"/zeft-*-win64.msi)"
