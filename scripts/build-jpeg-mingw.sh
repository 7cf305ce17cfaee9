#!/usr/bin/env bash
# Builds libjpeg for Windows (mingw-w64) once, from Debian's source package of the host's
# libjpeg-turbo, as a static library in a cache folder keyed by its version and these
# options: ${ZEFT_CACHE:-~/.cache/zeft}/libjpeg-turbo-<version>-mingw-w64-<hash>. The
# window program decodes its shape pictures through it on Windows as on Linux. Prints the
# folder's path as its last line; does nothing but print it when the folder is complete.
set -euo pipefail

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$ROOT/scripts/install-deps.sh" mingw qtsource >&2
# shellcheck source=lib/private-apt.sh
. "$ROOT/scripts/lib/private-apt.sh"

CACHE="${ZEFT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zeft}"
PACKAGE_VERSION="$(dpkg-query -W -f='${Version}' libjpeg62-turbo-dev)"
UPSTREAM="${PACKAGE_VERSION#*:}"
UPSTREAM="${UPSTREAM%%-*}"
OPTIONS=(-DCMAKE_BUILD_TYPE=Release -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
    -DWITH_JPEG8=OFF)
KEY="$(printf '%s\n' "$PACKAGE_VERSION" 1 "${OPTIONS[@]}" | sha256sum | cut -c1-12)"
PREFIX="$CACHE/libjpeg-turbo-$UPSTREAM-mingw-w64-$KEY"
if [ -f "$PREFIX/.complete" ]; then
    echo "$PREFIX"
    exit 0
fi

started="$(date +%s)"
SOURCES="$CACHE/libjpeg-turbo-$PACKAGE_VERSION"
private_apt_source "$SOURCES" "libjpeg-turbo=$PACKAGE_VERSION"
SOURCE_TREE="$(unpacked_tree "$SOURCES" libjpeg-turbo)"

BUILD="$CACHE/libjpeg-build-$KEY"
rm -rf "$BUILD" "$PREFIX"
mkdir -p "$BUILD"
write_mingw_toolchain "$BUILD/toolchain.cmake"
cmake -G Ninja -S "$SOURCE_TREE" -B "$BUILD" -DCMAKE_TOOLCHAIN_FILE="$BUILD/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$PREFIX" "${OPTIONS[@]}" >"$BUILD/configure.log" 2>&1 ||
    { tail -n 40 "$BUILD/configure.log" >&2; exit 1; }
cmake --build "$BUILD" --target jpeg-static >"$BUILD/build.log" 2>&1 || { tail -n 40 "$BUILD/build.log" >&2; exit 1; }
# Only the library and its headers: the command-line tools are not wanted.
install -d "$PREFIX/lib" "$PREFIX/include"
install -m 644 "$BUILD/libjpeg.a" "$PREFIX/lib/libjpeg.a"
install -m 644 "$SOURCE_TREE/jpeglib.h" "$SOURCE_TREE/jmorecfg.h" "$SOURCE_TREE/jerror.h" "$BUILD/jconfig.h" \
    "$PREFIX/include/"
printf 'libjpeg-turbo %s\noptions key %s\n' "$PACKAGE_VERSION" "$KEY" >"$PREFIX/.complete"
rm -rf "$BUILD"
echo "libjpeg-turbo $UPSTREAM for mingw-w64 built in $(($(date +%s) - started)) s." >&2
echo "$PREFIX"
