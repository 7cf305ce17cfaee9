#!/usr/bin/env bash
# Formats every C++ file of the project in place with clang-format (.clang-format at the
# root): the files git tracks plus new ones it does not ignore, the set CI checks.
#   scripts/format.sh          fix the formatting
#   scripts/format.sh --list   print the file set only (scripts/test.sh checks it)
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$ROOT"

mapfile -t files < <(git ls-files --cached --others --exclude-standard -- '*.cpp' '*.h' | while read -r f; do
    [ -f "$f" ] && echo "$f"
done)

if [ "${1:-}" = "--list" ]; then
    printf '%s\n' "${files[@]}"
    exit 0
fi
clang-format -i "${files[@]}"
echo "format: ${#files[@]} files formatted"
