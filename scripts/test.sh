#!/usr/bin/env bash
# Builds and runs every test, the way CI does:
#   1. the normal build and all its tests
#   2. the same tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   3. the core tests under ThreadSanitizer
#   4. the Windows cross-build of the core (mingw-w64, build only)
#   5. the fuzz targets, 30 s each from their corpus (clang-14, ASan + UBSan)
#   6. the clang-format check of every C++ file
# Every step runs; the script fails when any of them failed.
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
"$ROOT/scripts/install-deps.sh" || exit 1

JOBS="$(nproc 2>/dev/null || echo 2)"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

failed=()
summary=()

step() { printf '\n==== %s ====\n' "$1"; }

# configure_build NAME CMAKE-ARGS...
configure_build() {
    local name="$1"
    shift
    cmake -S "$ROOT" -B "$ROOT/build/$name" -G Ninja -DZEFT_WERROR=ON "$@" \
        >"$ROOT/build/$name.configure.log" 2>&1 || { cat "$ROOT/build/$name.configure.log"; return 1; }
    cmake --build "$ROOT/build/$name" -j "$JOBS"
}

# run_tests NAME: runs ctest and keeps its summary lines for the end.
run_tests() {
    local name="$1"
    local log="$ROOT/build/$name.ctest.log"
    ctest --test-dir "$ROOT/build/$name" --output-on-failure -j "$JOBS" --timeout 300 2>&1 | tee "$log"
    local status="${PIPESTATUS[0]}"
    summary+=("[$name] $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
    return "$status"
}

mkdir -p "$ROOT/build"

# The sanitizer builds skip the benchmarks and tools and use -O1: they are there for the
# tests, and the whole run has to stay well inside CI's time.
SANITIZER_BUILD=(-DCMAKE_BUILD_TYPE= -DCMAKE_CXX_FLAGS=-O1 -DZEFT_BUILD_EXTRAS=OFF)

step "1/6 normal build and tests"
# -O2, not Release's -O3: GCC 12 gives false string-overflow warnings at -O3.
if configure_build normal -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG"; then
    run_tests normal || failed+=("normal tests")
else
    failed+=("normal build")
fi

step "2/6 AddressSanitizer + UndefinedBehaviorSanitizer"
if configure_build asan "${SANITIZER_BUILD[@]}" -DZEFT_SANITIZE=address,undefined; then
    run_tests asan || failed+=("asan tests")
else
    failed+=("asan build")
fi

step "3/6 ThreadSanitizer (core)"
if configure_build tsan "${SANITIZER_BUILD[@]}" -DZEFT_CORE_ONLY=ON -DZEFT_SANITIZE=thread; then
    run_tests tsan || failed+=("tsan tests")
else
    failed+=("tsan build")
fi

step "4/6 Windows cross-build of the core, its tests run under Wine"
if configure_build mingw -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" -DZEFT_CORE_ONLY=ON \
    -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/toolchain-mingw64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/lib/wine/wine64; then
    # A Wine prefix of the build's own, made before the tests start; no Wine chatter.
    export WINEPREFIX="$ROOT/build/mingw/wine" WINEDEBUG=-all
    /usr/lib/wine/wine64 wineboot --init >/dev/null 2>&1 || true
    if run_tests mingw; then
        summary+=("[mingw] Windows cross-build succeeded and its tests passed under Wine")
    else
        failed+=("mingw tests")
    fi
    # The Win32 serial backend against the simulated sender, through a Wine COM port.
    bridge="$ROOT/build/normal/tools/zeft-sender-bridge"
    if [ -x "$bridge" ] && "$ROOT/scripts/wine-com-port-test.sh" "$bridge" \
        "$ROOT/build/mingw/tests/zeft_serial_tests.exe" >"$ROOT/build/mingw.comport.log" 2>&1; then
        summary+=("[mingw] Win32 backend read the simulated sender through a Wine COM port")
    else
        echo "The Wine COM-port test failed; its output:"
        cat "$ROOT/build/mingw.comport.log" 2>/dev/null || echo "(none: no sender bridge, the normal build failed)"
        failed+=("Wine COM port")
    fi
else
    failed+=("mingw build")
    summary+=("[mingw] Windows cross-build FAILED")
fi

step "5/6 fuzz targets"
if "$ROOT/scripts/fuzz.sh"; then
    summary+=("[fuzz] every target ran without a crash")
else
    failed+=("fuzz")
    summary+=("[fuzz] a target crashed (inputs in build/fuzz/crashes)")
fi

step "6/6 clang-format"
mapfile -t cxx_files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do
    [ -f "$f" ] && echo "$f"
done)
if clang-format --dry-run --Werror "${cxx_files[@]}"; then
    summary+=("[format] ${#cxx_files[@]} files checked, no drift")
else
    failed+=("clang-format")
    summary+=("[format] drift found")
fi

printf '\n==== summary ====\n'
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -ne 0 ]; then
    printf 'FAILED: %s\n' "${failed[*]}"
    exit 1
fi
echo "All steps passed."
