# Sourced by the scripts that build Windows libraries from Debian's source packages.
# private_apt_source DIR PACKAGE=VERSION: fetches and unpacks a Debian source package into
# DIR through an apt configuration of its own under $CACHE/apt (a deb-src list of the
# machine's archive and suites, lists and state of its own), so the machine's apt sources
# stay as they are; apt checks the package against the archive's signed index. Does
# nothing when DIR holds it already.

private_apt() {
    local apt="$CACHE/apt"
    mkdir -p "$apt/etc/sources.list.d" "$apt/etc/preferences.d" "$apt/state/lists/partial" \
        "$apt/cache/archives/partial"
    cat >"$apt/etc/sources.list" <<'LIST'
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian bookworm-updates main
deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] http://deb.debian.org/debian-security bookworm-security main
LIST
    apt-get -q \
        -o Dir::Etc::SourceList="$apt/etc/sources.list" \
        -o Dir::Etc::SourceParts="$apt/etc/sources.list.d" \
        -o Dir::Etc::PreferencesParts="$apt/etc/preferences.d" \
        -o Dir::State="$apt/state" \
        -o Dir::State::status=/var/lib/dpkg/status \
        -o Dir::Cache="$apt/cache" \
        -o APT::Sandbox::User="$(id -un)" \
        "$@"
}

private_apt_source() {
    local dir="$1" package="$2"
    [ -f "$dir/.unpacked" ] && return 0
    echo "Fetching Debian's source of $package through apt..." >&2
    private_apt update >&2
    rm -rf "$dir"
    mkdir -p "$dir"
    (cd "$dir" && private_apt source "$package" >&2)
    touch "$dir/.unpacked"
}

# unpacked_tree DIR NAME: the one folder NAME-* that private_apt_source unpacked into DIR;
# fails, saying so, when there is none.
unpacked_tree() {
    local tree
    tree="$(find "$1" -mindepth 1 -maxdepth 1 -type d -name "$2-*" | head -n 1)"
    [ -f "$tree/CMakeLists.txt" ] || { echo "no source of $2 under $1" >&2; return 1; }
    echo "$tree"
}

# The mingw-w64 toolchain for a library's own CMake build: the posix-thread compilers, the
# runtime linked dynamically.
write_mingw_toolchain() {
    cat >"$1" <<'TOOLCHAIN'
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
TOOLCHAIN
}
