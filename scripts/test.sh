#!/usr/bin/env bash
# Builds and runs every test, the way CI does:
#   1. the clang-format check of every C++ file: a drift stops the run at once
#   2. the normal build and all its tests
#   3. the same tests under AddressSanitizer + UndefinedBehaviorSanitizer
#   4. the core tests under ThreadSanitizer
#   5. the Windows cross-build of the core and zeftctl.exe (mingw-w64): its tests and the
#      ZIP package's check under Wine, the Win32 backend against the simulated sender
#      through a Wine COM port, zeftctl.exe's calculators against the Linux zeftctl, and
#      the device cases the Linux tests run, through a Wine COM port
#   6. the fuzz targets, 30 s each from their corpus (clang-14, ASan + UBSan)
#   7. the window program for Windows (scripts/windows.sh), when Qt for mingw-w64 is in
#      the cache already: building it takes longer than a CI run may, so without it the
#      step says so loudly and is left out
# Every later step runs; the script fails when any of them failed. Each build is a preset of
# CMakePresets.json (build/<preset>); ZEFT_CMAKE_ARGS adds arguments to every configure
# step. Unless it is set, every build goes through ccache (rooted at the project, so that
# another clone's cache serves), when ccache is installed.
set -uo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
"$ROOT/scripts/install-deps.sh" run test mingw fuzz || exit 1

JOBS="$(nproc 2>/dev/null || echo 2)"
# The test presets set these for ctest; the fuzz targets and the Wine COM-port test run
# outside ctest and get the same.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$ROOT/tests/lsan.supp:print_suppressions=0"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

if [ -z "${ZEFT_CMAKE_ARGS+set}" ] && command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$ROOT}"
    export ZEFT_CMAKE_ARGS="-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache"
fi

failed=()
summary=()

step() { printf '\n==== %s ====\n' "$1"; }

read -r -a extra_args <<<"${ZEFT_CMAKE_ARGS:-}"

# configure_build PRESET: configures and builds build/PRESET.
configure_build() {
    local name="$1"
    cmake --preset "$name" "${extra_args[@]}" >"$ROOT/build/$name.configure.log" 2>&1 ||
        { cat "$ROOT/build/$name.configure.log"; return 1; }
    cmake --build --preset "$name" -j "$JOBS"
}

# run_tests PRESET: runs ctest (the test preset sets the sanitizers' and Qt's environment)
# and keeps its summary lines for the end.
run_tests() {
    local name="$1"
    local log="$ROOT/build/$name.ctest.log"
    ctest --preset "$name" -j "$JOBS" 2>&1 | tee "$log"
    local status="${PIPESTATUS[0]}"
    summary+=("[$name] $(grep -E 'tests passed|tests failed' "$log" | tail -1)")
    return "$status"
}

# wine_zeftctl_step PART INPUT WHAT: one part of scripts/wine-zeftctl-test.sh (INPUT is the
# Linux zeftctl or the sender bridge, from the normal build), its log kept in build/.
wine_zeftctl_step() {
    local part="$1" input="$2" what="$3"
    local log="$ROOT/build/mingw.zeftctl-$part.log"
    if [ -x "$input" ] && "$ROOT/scripts/wine-zeftctl-test.sh" "$part" "$input" \
        "$ROOT/build/mingw/cli/zeftctl.exe" >"$log" 2>&1; then
        summary+=("[mingw] zeftctl.exe $what: $(tail -n 1 "$log")")
    else
        echo "The Wine zeftctl test of the $what failed; its output:"
        cat "$log" 2>/dev/null || echo "(none: the normal build failed)"
        failed+=("Wine zeftctl $what")
    fi
}

mkdir -p "$ROOT/build"

step "1/7 clang-format"
mapfile -t cxx_files < <("$ROOT/scripts/format.sh" --list)
if clang-format --dry-run --Werror "${cxx_files[@]}"; then
    summary+=("[format] ${#cxx_files[@]} files checked, no drift")
else
    # CI fails on it whatever the builds say: no point in running them.
    echo "FAILED: clang-format found drift; scripts/format.sh fixes it"
    exit 1
fi

step "2/7 normal build and tests"
if configure_build normal; then
    run_tests normal || failed+=("normal tests")
else
    failed+=("normal build")
fi

step "3/7 AddressSanitizer + UndefinedBehaviorSanitizer"
# The sanitizer builds skip the benchmarks and tools and use -O1: they are there for the
# tests, and the whole run has to stay well inside CI's time.
if configure_build asan; then
    run_tests asan || failed+=("asan tests")
else
    failed+=("asan build")
fi

step "4/7 ThreadSanitizer (core)"
if configure_build tsan; then
    run_tests tsan || failed+=("tsan tests")
else
    failed+=("tsan build")
fi

step "5/7 Windows cross-build of the core, its tests run under Wine"
if configure_build mingw; then
    # A Wine prefix of the build's own (the one the mingw test preset names), made before
    # the tests start; no Wine chatter.
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
    # zeftctl.exe gives the Linux build's calculator output, and the results of the device
    # cases the Linux tests run through a Wine COM port.
    wine_zeftctl_step calc "$ROOT/build/normal/cli/zeftctl" calculators
    wine_zeftctl_step devices "$bridge" "device cases"
else
    failed+=("mingw build")
    summary+=("[mingw] Windows cross-build FAILED")
fi

step "6/7 fuzz targets"
if "$ROOT/scripts/fuzz.sh"; then
    summary+=("[fuzz] every target ran without a crash")
else
    failed+=("fuzz")
    summary+=("[fuzz] a target crashed (inputs in build/fuzz/crashes)")
fi

step "7/7 the window program for Windows"
if "$ROOT/scripts/build-qt-mingw.sh" --check >/dev/null 2>&1; then
    if "$ROOT/scripts/windows.sh" >"$ROOT/build/windows.log" 2>&1; then
        summary+=("[windows] $(tail -n 1 "$ROOT/build/windows.log")")
    else
        tail -n 80 "$ROOT/build/windows.log"
        failed+=("windows")
    fi
else
    notice="NOT RUN: the window program for Windows (scripts/windows.sh): Qt for mingw-w64 is not in the cache; scripts/build-qt-mingw.sh builds it (about an hour of both cores)"
    echo "!!!! $notice"
    summary+=("!!!! $notice")
fi

printf '\n==== summary ====\n'
printf '%s\n' "${summary[@]}"
if [ "${#failed[@]}" -ne 0 ]; then
    printf 'FAILED: %s\n' "${failed[*]}"
    exit 1
fi
echo "All steps passed."
