#!/usr/bin/env bash
# check-guide.sh: holds docs/ARCHITECTURE.md to the tree (ctest docs.Guide).
#  1. every file or folder it names in backquotes ("main/DeviceSession", "serial/device/")
#     exists, as named or with an extension;
#  2. its list of shared files with a platform #ifdef is the list of such files: every file
#     outside tests/ that tests _WIN32 and is not itself a Posix* or Win32* half.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"
guide=docs/ARCHITECTURE.md
problems=0
complain() {
    echo "docs/ARCHITECTURE.md: $*" >&2
    problems=$((problems + 1))
}

folders="app base bench calc cli cmake docs fuzz help main packaging pictures scripts seams serial tests tools translations ui"
while read -r name; do
    case "$name" in *'*'* | *'<'*) continue ;; esac
    top="${name%%/*}"
    case " $folders " in *" $top "*) ;; *) continue ;; esac
    name="${name%/}"
    compgen -G "$name" >/dev/null || compgen -G "$name.*" >/dev/null || complain "names $name, which is not there"
done < <(grep -oE '`[a-z]+/[A-Za-z0-9_./-]+' "$guide" | tr -d '`' | sort -u)

# The paragraph that lists them runs from "#ifdef _WIN32" to "tests that need".
listed="$(sed -n '/keep a short `#ifdef _WIN32`/,/tests that need/p' "$guide" | grep -oE '`[a-z]+/[A-Za-z0-9_./-]+\.(cpp|h)`' |
    tr -d '`' | sort -u)"
actual="$(git ls-files -- '*.cpp' '*.h' | grep -v '^tests/' | grep -vE '(^|/)(Posix|Win32)[^/]*$' |
    xargs grep -lE '^\s*#\s*(if|ifdef|ifndef|elif).*_WIN32' | sort -u)"
[ -n "$listed" ] || complain "the list of files with a platform #ifdef is not found"
while read -r file; do
    [ -n "$file" ] && ! grep -qxF "$file" <<<"$listed" && complain "does not list $file, which tests _WIN32"
done <<<"$actual"
while read -r file; do
    [ -n "$file" ] && ! grep -qxF "$file" <<<"$actual" && complain "lists $file, which no longer tests _WIN32"
done <<<"$listed"

[ "$problems" -eq 0 ] || exit 1
echo "docs/ARCHITECTURE.md: every name it gives is there, and its #ifdef list is true"
