#!/usr/bin/env bash
# Builds the libFuzzer targets (clang-14, ASan + UBSan) in build/fuzz and runs each for
# FUZZ_SECONDS (30) from a copy of its committed corpus, so that the committed corpus only
# grows by hand. Fails when any target finds a crash; the input is kept in build/fuzz/crashes.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${FUZZ_BUILD_DIR:-$ROOT/build/fuzz}"
SECONDS_EACH="${FUZZ_SECONDS:-30}"

"$ROOT/scripts/install-deps.sh" fuzz
# The "fuzz" preset of CMakePresets.json; ZEFT_CMAKE_ARGS adds configure arguments.
read -r -a extra_args <<<"${ZEFT_CMAKE_ARGS:-}"
cd "$ROOT"
cmake --preset fuzz -B "$BUILD" "${extra_args[@]}" >/dev/null
cmake --build "$BUILD" --target zeft_fuzzers

mkdir -p "$BUILD/crashes"
failed=()
for corpus in "$ROOT"/fuzz/corpus/*/; do
    target="$(basename "$corpus")"
    fuzzer="$BUILD/fuzz/$target"
    if [ ! -x "$fuzzer" ]; then
        echo "fuzz: no target for corpus $target" >&2
        failed+=("$target")
        continue
    fi
    work="$BUILD/corpus/$target"
    rm -rf "$work"
    mkdir -p "$work"
    cp "$corpus"* "$work"/
    printf '\n== %s (%s s) ==\n' "$target" "$SECONDS_EACH"
    if ! "$fuzzer" -max_total_time="$SECONDS_EACH" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
         -artifact_prefix="$BUILD/crashes/$target-" "$work" 2>"$BUILD/$target.log"; then
        tail -n 40 "$BUILD/$target.log" >&2
        failed+=("$target")
    else
        grep -E '^(Done|stat::number_of_executed_units|stat::peak_rss_mb)' "$BUILD/$target.log" || true
    fi
done

if [ "${#failed[@]}" -ne 0 ]; then
    echo "fuzz: failed: ${failed[*]} (inputs in $BUILD/crashes)" >&2
    exit 1
fi
echo "fuzz: every target ran ${SECONDS_EACH} s without a crash"
