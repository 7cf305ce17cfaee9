#!/usr/bin/env bash
# measure-startup.sh PROGRAM [RUNS]: run under an X server (xvfb-run). Starts the program
# RUNS times (5), each time until its first window is mapped, and prints "<median ms to
# the first window> <largest peak resident KiB> <title of that window>". The peak is read
# from /proc a second after the window shows, then the program is ended.
#
# Xvfb now and then refuses a connection while xdotool polls it (a few in a hundred here);
# Qt then stops the program at once. Such a start is tried again, up to three times.
set -euo pipefail
program="$1"
runs="${2:-5}"
times=()
peak=0
log="$(mktemp)"
trap 'rm -f "$log"' EXIT
for run in $(seq "$runs"); do
    shown=""
    for attempt in 1 2 3; do
        start=$(date +%s%N)
        "$program" >/dev/null 2>"$log" &
        pid=$!
        for _ in $(seq 2000); do
            kill -0 "$pid" 2>/dev/null || break
            if window=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | head -n 1) && [ -n "$window" ]; then
                shown=$(date +%s%N)
                title=$(xdotool getwindowname "$window" 2>/dev/null || true)
                break
            fi
            sleep 0.005
        done
        [ -n "$shown" ] && break
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        if grep -q "could not connect to display" "$log"; then
            echo "start $run, try $attempt: the X server refused the connection" >&2
            continue
        fi
        break
    done
    if [ -z "$shown" ]; then
        echo "no window from $program:" >&2
        cat "$log" >&2
        exit 1
    fi
    times+=($(((shown - start) / 1000000)))
    sleep 1
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    [ "$hwm" -gt "$peak" ] && peak=$hwm
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done
median=$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
echo "$median $peak $title"
