#!/usr/bin/env bash
# Installs the Debian packages for each purpose named (every purpose when none is):
#   run    building and starting the program (scripts/run.sh)
#   test   zeftctl, the tests of the normal and sanitizer builds, ccache and the format
#          check, which lists the files through git, and the Debian package's check
#          (scripts/test.sh, with mingw and fuzz)
#   mingw  the Windows cross-build and its tests under Wine
#   windows  the MSI and the window program's start under Wine (scripts/windows.sh)
#   qtsource  fetching and unpacking Debian's Qt source (scripts/build-qt-mingw.sh)
#   fuzz   the libFuzzer targets (scripts/fuzz.sh)
#   bench  the benchmarks' comparison libraries and the start-up measurement under Xvfb
#          (scripts/bench.sh, with run); a look at a window (xvfb-run, import)
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

packages_for() {
    case "$1" in
    # qt6-l10n-tools: lrelease builds the translations, lupdate checks them;
    # qt6-translations-l10n: Qt's own dialogs and buttons in the window's language.
    run) echo cmake ninja-build g++ qt6-base-dev libjpeg-dev nlohmann-json3-dev fonts-dejavu-core qt6-l10n-tools \
        qt6-translations-l10n ;;
    # The package check: dpkg-shlibdeps for Depends, help2man for the manual pages, and the
    # tools it runs on the package (lintian, appstreamcli, desktop-file-validate, man, the
    # completion through bash-completion).
    test) echo git libcli11-dev nlohmann-json3-dev libgtest-dev libgmock-dev poppler-utils clang-format ccache \
        dpkg-dev help2man lintian appstream desktop-file-utils man-db bash-completion ;;
    # The cross-build compiles GoogleTest from Debian's sources and takes the host's
    # header-only CLI11 and nlohmann-json.
    mingw) echo g++-mingw-w64-x86-64 googletest wine64 libcli11-dev nlohmann-json3-dev ;;
    # The window program for Windows: its MSI, and a look at it under Wine and Xvfb.
    windows) echo wixl msitools xvfb xauth xdotool imagemagick ;;
    # Debian's Qt source for the Windows window program (scripts/build-qt-mingw.sh).
    qtsource) echo dpkg-dev ca-certificates ;;
    fuzz) echo cmake ninja-build clang-14 libclang-rt-14-dev nlohmann-json3-dev ;;
    bench) echo pkg-config libserialport-dev qt6-serialport-dev valgrind xvfb xauth xdotool imagemagick ;;
    *)
        echo "install-deps.sh: unknown purpose '$1' (run, test, mingw, windows, qtsource, fuzz, bench)" >&2
        return 1
        ;;
    esac
}

purposes=("$@")
if [ "${#purposes[@]}" -eq 0 ]; then
    purposes=(run test mingw fuzz bench)
fi

PACKAGES=()
for purpose in "${purposes[@]}"; do
    names="$(packages_for "$purpose")" || exit 2
    read -r -a listed <<<"$names"
    PACKAGES+=("${listed[@]}")
done

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        case " ${missing[*]} " in
        *" $package "*) ;;
        *) missing+=("$package") ;;
        esac
    fi
done

if [ "${#missing[@]}" -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends "${missing[@]}"
