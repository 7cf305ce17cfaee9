#!/usr/bin/env bash
# wine-zeftctl-test.sh LINUX_ZEFTCTL ZEFTCTL_EXE: runs the Windows zeftctl.exe under Wine
# (prefix in $WINEPREFIX) beside the Linux build. Every calculator gives the same --json
# bytes and exit status for the same tanks; the port list holds the virtual sender and the
# virtual sender reads. Prints each difference and fails on any.
set -uo pipefail
linux="$1"
exe="$2"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
failures=0

# Runs zeftctl.exe once the Wine server of the last run is gone: a program that starts
# while the server stops after its lingering time loses its connection and crashes.
# (A server kept running for good would keep the output pipe open through its services.)
run_exe() {
    "$wineserver" -w
    "$wine" "$exe" "$@"
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# One tank per line: the arguments after "zeftctl". Metric and inch, whole and half tanks,
# every shape, fractions and large values, readable and unreadable input.
cases=(
    "calc shape --shape 1 --x 1000 --h 1000 --json"
    "calc shape --shape 1 --x abc --h 1000 --json"
    "calc shape --shape 2 --x 1000 --h 1000 --w 1000 --y 100 --z 100 --json"
    "calc shape --shape 3 --x 1200 --h 800 --w 600 --y 150 --z 200 --x1 300 --json"
    "calc shape --shape 4 --x 1500 --h 900 --w 700 --y 120 --z 130 --json"
    "calc shape --shape 5 --half --x 500 --z 200 --h 1000 --w 1000 --json"
    "calc shape --shape 5 --x 500 --z 200 --h 1000 --w 1000 --reserve --json"
    "calc shape --shape 6 --x 1000 --h 1000 --w 1000 --json"
    "calc shape --shape 6 --half --x 1000 --h 1000 --w 1000 --json"
    "calc shape --shape 7 --x 10 --h 10 --w 10 --inch --json"
    "calc shape --shape 7 --x 39.37 --h 19.5 --w 12.25 --inch --half --json"
    "calc shape --shape 8 --x 1000 --h 1000 --w 800 --x1 200 --x2 300 --y 100 --z 120 --json"
    "calc shape --shape 9 --x 1000 --h 1000 --w 800 --x1 200 --x2 300 --y 50 --z 60 --json"
    "calc shape --shape 9 --x 1000 --h 1000 --w 800 --x1 abc --x2 300 --y 50 --z 60 --json"
    "calc shape --shape 10 --x 2000 --h 1200 --w 900 --y 300 --z 200 --x1 150 --x2 250 --json"
    "calc shape --shape 11 --x 1800 --h 1100 --w 700 --z 250 --y 200 --x1 150 --x2 100 --json"
    "calc shape --shape 12 --x 1000 --h 1000 --json"
    "calc shape --shape 12 --x 1000 --h 39 --inch --json"
    "calc shape --shape 12 --x 0.001 --h 123456789 --json"
    "calc shape --shape 12 --x 0.5 --h 1999.99 --json"
    "calc volume --full 100 --at80 80 --at60 60 --at40 40 --at20 20 --height 1000 --json"
    "calc volume --full 1234.5 --at80 1000.25 --at60 700 --at40 333.3 --at20 99.9 --height 39.4 --inch --json"
    "calc volume --full 100 --at80 90 --at60 95 --at40 40 --at20 20 --height 1000 --json"
    "calc height --full 1000 --at80 850 --at60 650 --at40 420 --at20 200 --json"
    "calc height --full 40 --at80 33.3 --at60 25.1 --at40 17.75 --at20 8.2 --inch --json"
    "calc chart --shape 6 --x 1000 --h 1000 --w 1000 --step 300 --json"
    "calc chart --shape 7 --x 10 --h 10 --w 10 --inch --step 2.5 --json"
    "calc chart --shape 5 --half --x 500 --z 200 --h 1000 --w 1000 --json"
    "calc chart --shape 2 --x 1000 --h 1000 --w 1000 --y 100 --z 100 --step 77.7 --json"
    "calc chart --shape 12 --x 3000 --h 2500 --step 125 --json"
    "calc chart --shape 7 --x 1000 --h 2000 --w 1000 --step 0.01 --json"
    "calc chart --shape 7 --x 1000 --h 2000 --w 1000 --step 1 --json"
    "calc chart --shape 11 --x 1800 --h 1100 --w 700 --z 250 --y 200 --x1 150 --x2 100 --step 33.3 --json"
    "calc chart --shape 3 --x 47 --h 31.5 --w 23.6 --y 6 --z 8 --x1 12 --step 0.7 --half --inch --json"
    "calc chart --shape 10 --x 2000 --h 1200 --w 900 --y 300 --z 200 --x1 150 --x2 250 --step 12.5 --json"
)

for line in "${cases[@]}"; do
    read -r -a args <<<"$line"
    want="$("$linux" "${args[@]}" 2>&1)"
    want_status=$?
    # Windows writes its lines with CR LF; the bytes before each line end are compared.
    got="$(run_exe "${args[@]}" 2>&1 | sed 's/\r$//')"
    got_status=${PIPESTATUS[0]}
    if [ "$want_status" -ne "$got_status" ]; then
        fail "zeftctl $line: exit status $want_status on Linux, $got_status on Windows"
    fi
    if [ "$want" != "$got" ]; then
        fail "zeftctl $line: the outputs differ (< Linux, > Windows)"
        diff <(printf '%s\n' "$want") <(printf '%s\n' "$got") | head -n 20
    fi
done

ports="$(run_exe ports 2>&1 | sed 's/\r$//')" || fail "zeftctl.exe ports: exit status $?"
grep -qx "ZEFT Virtual Sender" <<<"$ports" || fail "zeftctl.exe ports does not list the virtual sender: $ports"

read_out="$(run_exe read --port "ZEFT Virtual Sender" --json 2>&1)"
read_status=$?
if [ "$read_status" -ne 0 ]; then
    fail "zeftctl.exe read --port \"ZEFT Virtual Sender\" --json: exit status $read_status: $read_out"
fi

echo "${#cases[@]} calculator commands compared; $failures failure(s)"
[ "$failures" -eq 0 ]
