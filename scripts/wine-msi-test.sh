#!/usr/bin/env bash
# wine-msi-test.sh MSI SHOTS: installs the window program's MSI under Wine with msiexec,
# checks that every staged file and the Start-menu shortcut are there, starts the
# installed zeft.exe from another folder (scripts/wine-window-test.sh: it must find its
# pictures and help in its own folder and read the virtual sender), installs a newer MSI
# over it (the same upgrade code: one product remains), and uninstalls: nothing may be
# left behind. Uses $WINEPREFIX; the staged file list is build/windows/msi/files.txt.
set -euo pipefail
msi="$(realpath "$1")"
shots="$2"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
build="$(dirname "$msi")"
WINE=/usr/lib/wine/wine64
export WINEDEBUG=-all

users="$WINEPREFIX/drive_c/users"
user_dir="$(find "$users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)"
installed="$user_dir/AppData/Local/Programs/ZEFT Programmer"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/ZEFT Programmer/ZEFT Programmer.lnk"

msiexec() { "$WINE" msiexec "$@" </dev/null; }
# Wine's Z: drive is the root of this machine.
winepath() { printf 'Z:%s' "${2//\//\\}"; }
# The installed products of that name in Add/Remove Programs; Wine lists even a per-user
# install under the machine's key.
products() {
    local hive
    for hive in HKCU HKLM; do
        "$WINE" reg query "$hive\Software\Microsoft\Windows\CurrentVersion\Uninstall" /s 2>/dev/null | tr -d '\r'
    done | grep -c 'DisplayName.*ZEFT Programmer' || true
}

# A clean start: an earlier run's installs go first (the newer one too: this package
# refuses to replace a newer version).
newer="$build/msi-newer/zeft-newer.msi"
for package in "$msi" "$newer"; do
    [ -f "$package" ] && { msiexec /x "$(winepath -w "$package")" /qn || true; }
done

msiexec /i "$(winepath -w "$msi")" /qn || { echo "msiexec /i failed ($?)" >&2; exit 1; }
missing=0
while IFS= read -r file; do
    relative="${file#stage/}"
    [ -f "$installed/$relative" ] || { echo "not installed: $relative" >&2; missing=$((missing + 1)); }
done <"$build/msi/files.txt"
[ "$missing" -eq 0 ] || exit 1
[ -f "$shortcut" ] || { echo "no Start-menu shortcut at $shortcut" >&2; exit 1; }
count="$(wc -l <"$build/msi/files.txt")"

# Started as the shortcut does, but from another working folder's point of view too: the
# program finds its data from its own location.
"$here/wine-window-test.sh" "$installed" "$shots" installed

# A newer package of the same upgrade code replaces this one.
mkdir -p "$build/msi-newer"
version="$(grep -o 'Version="[0-9.]*"' "$build/msi/zeft.wxs" | head -n 1 | tr -dc '0-9.')"
IFS=. read -r major minor patch <<<"$version"
cmake -DBUILD_DIR="$build/msi-newer" -DINSTALL_FROM="$build" -DVERSION="$major.$minor.0.$((patch + 1))" \
    -DOUTPUT="$newer" -P "$here/../packaging/windows/MakeMsi.cmake" >/dev/null
msiexec /i "$(winepath -w "$newer")" /qn || { echo "the newer MSI did not install" >&2; exit 1; }
[ "$(products)" -eq 1 ] || { echo "after the upgrade $(products) products are registered, not one" >&2; exit 1; }

msiexec /x "$(winepath -w "$newer")" /qn || { echo "msiexec /x failed" >&2; exit 1; }
left="$({ find "$installed" -type f 2>/dev/null || true; } | wc -l)"
[ "$left" -eq 0 ] || { echo "left after uninstall:" >&2; find "$installed" -type f >&2; exit 1; }
[ ! -e "$shortcut" ] || { echo "the shortcut is left after uninstall" >&2; exit 1; }
[ "$(products)" -eq 0 ] || { echo "the product is still registered after uninstall" >&2; exit 1; }
echo "The MSI installed $count files and a shortcut, the installed zeft.exe read the virtual sender, a newer MSI replaced it, and the uninstall left nothing"
