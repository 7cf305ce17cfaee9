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
#
#   build-qt-mingw.sh           build when needed, print the folder
#   build-qt-mingw.sh --check   exit 0 when the folder is complete, 1 when not; builds nothing
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
if [ "${1:-}" != "--check" ]; then
    "$ROOT/scripts/install-deps.sh" run mingw qtsource >&2
fi
# shellcheck source=lib/private-apt.sh
. "$ROOT/scripts/lib/private-apt.sh"

CACHE="${ZEFT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zeft}"
QT_PACKAGE_VERSION="$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null)" || {
    [ "${1:-}" = "--check" ] && exit 1
    echo "build-qt-mingw.sh: the host's Qt (qt6-base-dev) is not installed" >&2
    exit 1
}
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

if [ "${1:-}" = "--check" ]; then
    [ -f "$PREFIX/.complete" ] && echo "$PREFIX" && exit 0
    exit 1
fi
if [ -f "$PREFIX/.complete" ]; then
    echo "Qt $QT_VERSION for mingw-w64 is in the cache." >&2
    echo "$PREFIX"
    exit 0
fi

started="$(date +%s)"
mkdir -p "$CACHE"

SOURCES="$CACHE/qt6-base-$QT_PACKAGE_VERSION"
private_apt_source "$SOURCES" "qt6-base=$QT_PACKAGE_VERSION"
SOURCE_TREE="$(unpacked_tree "$SOURCES" qt6-base)"

# Qt 6.4's windows platform plugin asks for the DirectWrite font database whenever
# DirectWrite 3 is there, but QtGui builds that database only with Direct2D, which the
# program does not need: the plugin then fails to link. Ask for it under the same terms.
integration="$SOURCE_TREE/src/plugins/platforms/windows/qwindowsintegration.cpp"
sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' "$integration"
grep -q 'QT_CONFIG(directwrite3) && QT_CONFIG(direct2d)' "$integration" ||
    { echo "build-qt-mingw.sh: the DirectWrite condition was not found in $integration" >&2; exit 1; }

BUILD="$CACHE/qt-build-$KEY"
mkdir -p "$BUILD"
write_mingw_toolchain "$BUILD/toolchain.cmake"

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
