#!/usr/bin/env bash
# Runs the Windows zeftctl.exe under Wine (prefix in $WINEPREFIX) beside the Linux build:
#   wine-zeftctl-test.sh calc LINUX_ZEFTCTL ZEFTCTL_EXE
#     every calculator gives the same --json bytes and exit status for the same tanks
#   wine-zeftctl-test.sh devices BRIDGE ZEFTCTL_EXE
#     the port list holds the virtual sender, and the device cases of
#     tests/cli/device-cases.txt (the table the Linux tests run) give the same results
#     through a COM port: each case has a native sender bridge (BRIDGE, with the case's
#     faults) whose pseudo-terminal is COM7 of the prefix
# Prints each difference and fails on any.
set -uo pipefail
if [ $# -ne 3 ] || [[ "$1" != calc && "$1" != devices ]]; then
    echo "usage: $0 calc LINUX_ZEFTCTL ZEFTCTL_EXE | devices BRIDGE ZEFTCTL_EXE" >&2
    exit 2
fi
part="$1"
exe="$(realpath "$3")"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
# Wine reads the command line in the locale's encoding: UTF-8, for the file names that
# are not ASCII.
export LC_ALL=C.UTF-8
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh" mingw || exit 1
cases_file="$root/tests/cli/device-cases.txt"
data="$root/tests/cli/data"
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64
failures=0

run_exe() {
    "$wine" "$exe" "$@"
}

# One Wine server for the whole run, kept alive, with its services started while nothing
# of ours is open: a server that stops between two runs can take a program that starts
# just then down with it, and services started by a run whose output is captured would
# hold that pipe open. (Quiet: a Wine server dumps its state on the error output it has.)
start_wine() {
    "$wineserver" -w 2>/dev/null
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1
    trap '"$wineserver" -k 2>/dev/null' EXIT
}

fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# trimmed TEXT: TEXT without the spaces around it.
trimmed() {
    local text="$1"
    text="${text#"${text%%[! ]*}"}"
    printf '%s' "${text%"${text##*[! ]}"}"
}

# One device case: name, faults, arguments, exit status, output begins, error output
# holds, saved file, Ctrl-C after (the fields of the table).
run_device_case() {
    local name="$1" faults="$2" words="$3" want_status="$4" begins="$5" err_has="$6" saved="$7" interrupt="$8"
    local work bridge_pid pty args=() table_words word got_status
    work="$(mktemp -d)"
    mkdir "$work/out"
    if [ -n "$faults" ]; then
        "$bridge" "$faults" >"$work/bridge" 2>&1 &
    else
        "$bridge" >"$work/bridge" 2>&1 &
    fi
    bridge_pid=$!
    for _ in $(seq 100); do
        [ -s "$work/bridge" ] && break
        sleep 0.05
    done
    pty="$(head -n 1 "$work/bridge")"
    if [[ "$pty" != /dev/* ]]; then
        fail "$name: the sender bridge did not start: $pty"
        kill "$bridge_pid" 2>/dev/null
        wait "$bridge_pid" 2>/dev/null
        rm -rf "$work"
        return
    fi
    mkdir -p "$WINEPREFIX/dosdevices"
    ln -sfn "$pty" "$WINEPREFIX/dosdevices/com7"

    read -r -a table_words <<<"$words"
    for word in "${table_words[@]}"; do
        case "$word" in
        PORT) args+=("COM7") ;;
        MISSING) args+=("COM199") ;;
        DATA/*) args+=("Z:$data/${word#DATA/}") ;;
        OUT/*) args+=("Z:$work/out/${word#OUT/}") ;;
        *) args+=("$word") ;;
        esac
    done

    if [ -z "$interrupt" ]; then
        "$wine" "$exe" "${args[@]}" </dev/null >"$work/stdout" 2>"$work/stderr"
        got_status=$?
    else
        # Standard input stays open (a writer that sleeps) until Ctrl-C, which Wine gives
        # the program as the console's Ctrl-C.
        mkfifo "$work/input"
        sleep 60 >"$work/input" &
        local holder=$!
        "$wine" "$exe" "${args[@]}" <"$work/input" >"$work/stdout" 2>"$work/stderr" &
        local pid=$!
        for _ in $(seq 300); do
            grep -qF "$interrupt" "$work/stdout" 2>/dev/null && break
            sleep 0.1
        done
        kill -INT "$pid"
        wait "$pid"
        got_status=$?
        kill "$holder" 2>/dev/null
        wait "$holder" 2>/dev/null
    fi
    kill "$bridge_pid" 2>/dev/null
    wait "$bridge_pid" 2>/dev/null

    local got_out got_err want_out
    got_out="$(sed 's/\r$//' "$work/stdout"; printf x)"
    got_out="${got_out%x}"
    got_err="$(sed 's/\r$//' "$work/stderr")"
    want_out="${begins//\\n/$'\n'}"
    if [ "$got_status" -ne "$want_status" ]; then
        fail "$name: exit status $got_status, not $want_status; error output: $got_err"
    fi
    if [[ "$got_out" != "$want_out"* ]]; then
        fail "$name: the output does not begin with the table's"
        printf '  want: %q\n  got:  %q\n' "$want_out" "${got_out:0:${#want_out}}"
    fi
    if [[ "$got_err" != *"$err_has"* ]]; then
        fail "$name: the error output lacks \"$err_has\": $got_err"
    fi
    if [ -n "$saved" ] && ! cmp -s "$work/out/saved.zcf" "$data/$saved"; then
        fail "$name: the saved file differs from $saved"
    fi
    rm -rf "$work"
}

# run_calculator_cases LINUX_ZEFTCTL
run_calculator_cases() {
    local linux="$1" line args want want_status got got_status
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
    echo "${#cases[@]} calculator commands compared; $failures failure(s)"
}

# run_device_cases BRIDGE
run_device_cases() {
    local bridge="$1" ports line f1 f2 f3 f4 f5 f6 f7 f8 device_cases=0
    ports="$(run_exe ports 2>&1 | sed 's/\r$//')" || fail "zeftctl.exe ports: exit status $?"
    grep -qx "ZEFT Virtual Sender" <<<"$ports" || fail "zeftctl.exe ports does not list the virtual sender: $ports"

    # A USB adapter on COM7 as its driver registers it with the device manager: ports --json
    # describes it from there.
    local adapter_key='HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\USB\VID_0403&PID_6001\A600ABCD'
    printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' "[$adapter_key]" \
        '"Class"="Ports"' '"ClassGUID"="{4d36e978-e325-11ce-bfc1-08002be10318}"' \
        '"DeviceDesc"="USB Serial Port"' '"Mfg"="FTDI"' '' "[$adapter_key\\Device Parameters]" \
        '"PortName"="COM7"' '' '[HKEY_LOCAL_MACHINE\HARDWARE\DEVICEMAP\SERIALCOMM]' \
        '"\\Device\\VCP0"="COM7"' >"$WINEPREFIX/drive_c/zeft-adapter.reg"
    "$wine" reg import 'C:\zeft-adapter.reg' >/dev/null 2>&1 || fail "the adapter's registry entries were not imported"
    local described='{"name":"COM7","description":"FTDI USB Serial Port","vendorId":"0403","productId":"6001",'
    described+='"serial":"A600ABCD","location":null,"stablePath":null}'
    ports="$(run_exe ports --json 2>&1)"
    grep -qF "$described" <<<"$ports" || fail "zeftctl.exe ports --json does not describe the adapter on COM7: $ports"

    while IFS= read -r line <&3 || [ -n "$line" ]; do
        line="${line%$'\r'}"
        [[ -z "$(trimmed "$line")" || "$line" == \#* ]] && continue
        IFS='|' read -r f1 f2 f3 f4 f5 f6 f7 f8 <<<"$line"
        run_device_case "$(trimmed "$f1")" "$(trimmed "$f2")" "$(trimmed "$f3")" "$(trimmed "$f4")" \
            "$(trimmed "$f5")" "$(trimmed "$f6")" "$(trimmed "${f7:-}")" "$(trimmed "${f8:-}")"
        device_cases=$((device_cases + 1))
    done 3<"$cases_file"
    echo "$device_cases device cases run; $failures failure(s)"
}

start_wine
if [ "$part" = calc ]; then
    run_calculator_cases "$2"
else
    run_device_cases "$2"
fi
[ "$failures" -eq 0 ]
