#!/usr/bin/env bash
# Completes zeftctl's words through bash itself, the way Tab does: bash-completion's
# helpers, then the packaged completion, then its function called with COMP_WORDS and
# COMP_CWORD set. The zeftctl run is the package's.
#   CompletionTest.sh ROOT      (ROOT: the unpacked package, holding usr/)
root="$1"
helpers=/usr/share/bash-completion/bash_completion
if [ ! -r "$helpers" ]; then
    echo "no $helpers (Debian package bash-completion)"
    exit 1
fi
# shellcheck source=/dev/null
source "$helpers"
# shellcheck source=/dev/null
source "$root/usr/share/bash-completion/completions/zeftctl"
export PATH="$root/usr/bin:$PATH"

folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cd "$folder" || exit 1
mkdir tanks
touch tank.zcf table.csv

failures=0

# complete EXPECTED WORD...: the words of a command line, the last one being completed;
# EXPECTED is the completions, sorted and joined by spaces, or "*TEXT*" for a list that
# holds TEXT among others.
complete() {
    local expected="$1"
    shift
    COMP_WORDS=("$@")
    COMP_CWORD=$(($# - 1))
    COMP_LINE="$*"
    COMP_POINT=${#COMP_LINE}
    COMPREPLY=()
    _zeftctl zeftctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local got
    got="$(printf '%s\n' "${COMPREPLY[@]}" | sort | paste -sd ' ')"
    local matched=false
    if [[ $expected == \** ]]; then
        # each piece between the stars, in order, taken literally
        local rest="$got" piece
        matched=true
        IFS='*' read -r -a pieces <<<"${expected#\*}"
        for piece in "${pieces[@]}"; do
            [[ $rest == *"$piece"* ]] || { matched=false; break; }
            rest=${rest#*"$piece"}
        done
    elif [[ $got == "$expected" ]]; then
        matched=true
    fi
    if ! $matched; then
        echo "FAILED: '$*<Tab>' gave '$got', expected '$expected'"
        failures=$((failures + 1))
    else
        echo "ok: '$*<Tab>' -> $got"
    fi
}

complete "calc" zeftctl ca
complete "read restore" zeftctl re
complete "shape" zeftctl calc sh
complete "chart height shape table volume" zeftctl calc ""
complete "--shape" zeftctl calc shape --sh
complete "1 10 11 12 13 14 15 16 17 18" zeftctl calc shape --shape 1
complete "*--port*--save*--yes*" zeftctl read --
complete "mark" zeftctl read --parity m
complete "impgal litre m3 usgal" zeftctl calc chart --volume-unit ""
complete "*ZEFT\\ Virtual\\ Sender*" zeftctl read --port ZEFT
complete "*ZEFT\\ Virtual\\ Sender*" zeftctl read --port "ZEFT\\ V"
complete "table.csv tank.zcf tanks" zeftctl program --config ta
complete "table.csv tank.zcf tanks" zeftctl calc table --csv ta
complete "table.csv tank.zcf tanks" zeftctl diff ta
complete "" zeftctl calc shape --x ""

if [ "$failures" -ne 0 ]; then
    echo "$failures completion(s) failed"
    exit 1
fi
echo "every completion as expected"
