#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs every one of them, one after the other, then
# the program's start-up beside a minimal Qt Widgets program under Xvfb. Lines a benchmark
# prints as "result: what | measured | goal" are gathered into one table at the end.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${BENCH_BUILD_DIR:-$ROOT/build/bench}"
"$ROOT/scripts/install-deps.sh" run bench
# The "bench" preset of CMakePresets.json; ZEFT_CMAKE_ARGS adds configure arguments.
read -r -a extra_args <<<"${ZEFT_CMAKE_ARGS:-}"
cd "$ROOT"
cmake --preset bench -B "$BUILD" "${extra_args[@]}" >/dev/null
cmake --build "$BUILD" -j "$(nproc 2>/dev/null || echo 2)"

results="$(mktemp)"
trap 'rm -f "$results"' EXIT
for bench in "$BUILD"/bench/*_bench; do
    [ -x "$bench" ] || continue
    printf '\n== %s ==\n' "$(basename "$bench")"
    "$bench" | tee -a "$results"
done

# Start-up to the first window and peak memory, the program beside the floor of any Qt
# Widgets program, both built here the same way.
if command -v xvfb-run >/dev/null && command -v xdotool >/dev/null && [ -x "$BUILD/app/zeft" ] &&
    [ -x "$BUILD/bench/minimal_widgets" ]; then
    printf '\n== start-up under Xvfb ==\n'
    measure="$ROOT/bench/measure-startup.sh"
    read -r zeft_ms zeft_kib zeft_title < <(xvfb-run -a "$measure" "$BUILD/app/zeft")
    read -r floor_ms floor_kib _ < <(xvfb-run -a "$measure" "$BUILD/bench/minimal_widgets")
    {
        echo "result: start-up to the first window (\"${zeft_title}\"), Xvfb, median of 5 | zeft ${zeft_ms} ms | minimal Qt Widgets program ${floor_ms} ms"
        echo "result: peak resident memory | zeft $((zeft_kib / 1024)) MiB | minimal Qt Widgets program $((floor_kib / 1024)) MiB"
    } | tee -a "$results"
else
    echo "start-up not measured: needs xvfb-run, xdotool and the program built" >&2
fi

printf '\n| What | Measured | Goal or floor |\n|---|---|---|\n'
sed -n 's/^result: \(.*\)$/\1/p' "$results" | awk -F' [|] ' '{printf "| %s | %s | %s |\n", $1, $2, $3}'
