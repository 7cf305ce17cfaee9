#!/usr/bin/env bash
# Builds Qt for Windows (mingw-w64) once, from Debian's own source package of the host's
# Qt, and installs it into a cache folder keyed by Qt's version and this script's options:
#   ${ZEFT_CACHE:-~/.cache/zeft}/qt-<version>-mingw-w64-<hash>
# Prints that folder's path as its last line. Does nothing but print it when the folder is
# complete. The source comes through apt with a private configuration (its own deb-src
# list and state under the cache), so the machine's apt sources stay as they are; apt
# checks the source package against the archive's signed index.
#
# Only what the program uses is built: Core, Gui, Widgets, Test; the windows and offscreen
# platform plugins, the Windows styles, the JPEG and ICO image formats. The DLLs link the
# mingw-w64 runtime dynamically; the program ships those three DLLs beside Qt's.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/install-deps.sh" run mingw qtsource >&2

CACHE="${ZEFT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zeft}"
QT_PACKAGE_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev)"
QT_VERSION="${QT_PACKAGE_VERSION%%+*}"
JOBS="$(nproc 2>/dev/null || echo 2)"

# Everything that changes the result is in these options, so it is in the folder's key.
QT_OPTIONS=(
    -DCMAKE_BUILD_TYPE=Release
    -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF
    -DQT_BUILD_TESTS=OFF
    -DQT_BUILD_TOOLS_WHEN_CROSSCOMPILING=OFF
    -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DFEATURE_opengl=OFF
    -DFEATURE_dynamicgl=OFF
    -DFEATURE_vulkan=OFF
    -DFEATURE_direct2d=OFF
    -DFEATURE_tabletevent=OFF
    -DFEATURE_dbus=OFF
    -DFEATURE_network=OFF
    -DFEATURE_sql=OFF
    -DFEATURE_xml=OFF
    -DFEATURE_concurrent=OFF
    -DFEATURE_printsupport=OFF
    -DFEATURE_gif=OFF
    -DFEATURE_jpeg=ON
    -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_zlib=OFF
    -DFEATURE_system_png=OFF
    -DFEATURE_system_freetype=OFF
    -DFEATURE_system_harfbuzz=OFF
    -DFEATURE_system_pcre2=OFF
)
SCRIPT_REVISION=1
KEY="$(printf '%s\n' "$QT_PACKAGE_VERSION" "$SCRIPT_REVISION" "${QT_OPTIONS[@]}" | sha256sum | cut -c1-12)"
PREFIX="$CACHE/qt-$QT_VERSION-mingw-w64-$KEY"

if [ -f "$PREFIX/.complete" ]; then
    echo "Qt $QT_VERSION for mingw-w64 is in the cache." >&2
    echo "$PREFIX"
    exit 0
fi

started="$(date +%s)"
mkdir -p "$CACHE"

# The private apt configuration: a deb-src list of the machine's own archive and suites,
# and lists and state of its own.
APT="$CACHE/apt"
mkdir -p "$APT/etc/sources.list.d" "$APT/etc/preferences.d" "$APT/state/lists/partial" \
    "$APT/cache/archives/partial"
cat >"$APT/etc/sources.list" <<'EOF'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
EOF
apt_private() {
    apt-get -q \
        -o Dir::Etc::SourceList="$APT/etc/sources.list" \
        -o Dir::Etc::SourceParts="$APT/etc/sources.list.d" \
        -o Dir::Etc::PreferencesParts="$APT/etc/preferences.d" \
        -o Dir::State="$APT/state" \
        -o Dir::State::status=/var/lib/dpkg/status \
        -o Dir::Cache="$APT/cache" \
        -o APT::Sandbox::User="$(id -un)" \
        "$@"
}

SOURCES="$CACHE/qt6-base-$QT_PACKAGE_VERSION"
if [ ! -f "$SOURCES/.unpacked" ]; then
    echo "Fetching Debian's source of qt6-base $QT_PACKAGE_VERSION through apt..." >&2
    apt_private update >&2
    rm -rf "$SOURCES"
    mkdir -p "$SOURCES"
    (cd "$SOURCES" && apt_private source "qt6-base=$QT_PACKAGE_VERSION" >&2)
    touch "$SOURCES/.unpacked"
fi
SOURCE_TREE="$(find "$SOURCES" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)"
[ -f "$SOURCE_TREE/CMakeLists.txt" ] || { echo "build-qt-mingw.sh: no Qt source under $SOURCES" >&2; exit 1; }

# Qt's own toolchain: the posix-thread compilers, the runtime linked dynamically.
BUILD="$CACHE/qt-build-$KEY"
mkdir -p "$BUILD"
cat >"$BUILD/toolchain.cmake" <<'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

echo "Configuring Qt $QT_VERSION for mingw-w64 into $PREFIX ..." >&2
cmake -G Ninja -S "$SOURCE_TREE" -B "$BUILD" \
    -DCMAKE_TOOLCHAIN_FILE="$BUILD/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" \
    "${QT_OPTIONS[@]}" >"$BUILD/configure.log" 2>&1 ||
    { tail -n 60 "$BUILD/configure.log" >&2; exit 1; }

echo "Building Qt (about an hour of CPU time)..." >&2
cmake --build "$BUILD" -j "$JOBS" >"$BUILD/build.log" 2>&1 ||
    { grep -E -B2 -A12 'FAILED|error:' "$BUILD/build.log" | head -n 80 >&2; exit 1; }
# Qt writes its prefix into its files, so it is installed in place; the marker written
# last says the folder is complete.
rm -rf "$PREFIX"
cmake --install "$BUILD" >"$BUILD/install.log" 2>&1 || { tail -n 30 "$BUILD/install.log" >&2; exit 1; }
printf 'qt6-base %s\noptions key %s\n' "$QT_PACKAGE_VERSION" "$KEY" >"$PREFIX/.complete"
rm -rf "$BUILD"

elapsed=$(($(date +%s) - started))
echo "Qt $QT_VERSION for mingw-w64 built and installed in $((elapsed / 60)) min $((elapsed % 60)) s." >&2
echo "$PREFIX"
