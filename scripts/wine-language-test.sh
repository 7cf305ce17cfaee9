#!/usr/bin/env bash
# wine-language-test.sh PROGRAM_FOLDER SHOTS: starts PROGRAM_FOLDER/zeft.exe under Wine on
# the windows platform once per language (LANG=de_DE.UTF-8, fr_FR, nl_NL), as a user whose
# Windows speaks it: the first window, the Communication Settings dialog, must carry its
# title in that language as translations/zeft_<code>.ts has it. A screenshot of each goes to
# SHOTS/language-<code>.png. Uses $WINEPREFIX.
set -euo pipefail
folder="$1"
shots="$2"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
mkdir -p "$shots"
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

if [ -z "${DISPLAY_FOR_TEST:-}" ]; then
    exec env DISPLAY_FOR_TEST=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

WINE=/usr/lib/wine/wine64
export WINEDEBUG=-all
unset QT_QPA_PLATFORM LANGUAGE LC_ALL LC_MESSAGES

for locale in de_DE fr_FR nl_NL; do
    code="${locale%_*}"
    title="$(grep -A1 '<source>Communication Settings</source>' "$ROOT/translations/zeft_$code.ts" |
        sed -n 's:.*<translation>\(.*\)</translation>.*:\1:p' | head -n 1)"
    [ -n "$title" ] || { echo "no $code title in translations/zeft_$code.ts" >&2; exit 1; }
    # The Wine server keeps the locale it started with: a new one per language.
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    /usr/lib/wine/wineserver64 -w 2>/dev/null || true
    (cd "$folder" && LANG="$locale.UTF-8" exec "$WINE" ./zeft.exe) >/dev/null 2>&1 &
    program=$!
    found=""
    for _ in $(seq 120); do
        # Wine's WM_NAME, which a search matches, drops the accents; the title as the
        # program set it is in _NET_WM_NAME, which getwindowname reads.
        for id in $(xdotool search --onlyvisible --name . 2>/dev/null || true); do
            if [ "$(LC_ALL=C.UTF-8 xdotool getwindowname "$id" 2>/dev/null)" = "$title" ]; then
                found="$id"
            fi
        done
        [ -n "$found" ] && break
        sleep 0.5
    done
    sleep 1 # its first paint
    import -window root "$shots/language-$code.png"
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    [ -n "$found" ] || { echo "under LANG=$locale.UTF-8 no window \"$title\" appeared" >&2; exit 1; }
done
/usr/lib/wine/wineserver64 -k 2>/dev/null || true
echo "zeft.exe spoke German, French and Dutch under LANG=de_DE, fr_FR and nl_NL"
