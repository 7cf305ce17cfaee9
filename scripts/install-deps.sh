#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the tools need.
# Safe to run again: it only calls apt-get when something is missing.
set -euo pipefail

PACKAGES=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev libjpeg-dev libgtest-dev libgmock-dev
    xvfb xauth xdotool imagemagick fonts-dejavu-core poppler-utils
    g++-mingw-w64-x86-64 googletest wine64 clang-14 libclang-rt-14-dev clang-format
    libcli11-dev nlohmann-json3-dev libserialport-dev qt6-serialport-dev valgrind
    poppler-utils
)

missing=()
for package in "${PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
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
