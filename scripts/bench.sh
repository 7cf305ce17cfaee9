#!/usr/bin/env bash
# Builds the benchmarks (optimised) and runs every one of them, one after the other.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/install-deps.sh"
cmake -S "$ROOT" -B "$ROOT/build/bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEFT_BUILD_TESTS=OFF >/dev/null
cmake --build "$ROOT/build/bench" -j "$(nproc 2>/dev/null || echo 2)"
for bench in "$ROOT"/build/bench/bench/*_bench; do
    [ -x "$bench" ] || continue
    printf '\n== %s ==\n' "$(basename "$bench")"
    "$bench"
done
