#!/usr/bin/env bash
# measure-startup.sh PROGRAM TITLE [RUNS]: run under an X server (xvfb-run). Starts the
# program RUNS times (5), each time until its window titled TITLE is mapped, and prints
# "<median ms to the first window> <largest peak resident KiB>". The peak is read from
# /proc a second after the window shows, then the program is ended.
set -euo pipefail
program="$1"
title="$2"
runs="${3:-5}"
times=()
peak=0
for _ in $(seq "$runs"); do
    start=$(date +%s%N)
    "$program" >/dev/null 2>&1 &
    pid=$!
    shown=""
    for _ in $(seq 2000); do
        if xdotool search --onlyvisible --name "^${title}\$" >/dev/null 2>&1; then
            shown=$(date +%s%N)
            break
        fi
        sleep 0.005
    done
    if [ -z "$shown" ]; then
        kill "$pid" 2>/dev/null || true
        echo "no window titled '$title' from $program" >&2
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
echo "$median $peak"
