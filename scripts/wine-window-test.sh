#!/usr/bin/env bash
# wine-window-test.sh PROGRAM_FOLDER SHOTS [LABEL]: starts PROGRAM_FOLDER/zeft.exe under Wine
# on the windows platform in a virtual X display, as a user would: the Communication
# Settings dialog first (screenshot), a virtual sender's port chosen by typing and OK by
# Enter, the main window (screenshot), Read Device clicked, and its record in the job
# history; then the program is closed and the port must be in the registry. The
# screenshots go to SHOTS/LABEL-dialog.png and SHOTS/LABEL-main.png. Uses $WINEPREFIX.
set -euo pipefail
folder="$1"
shots="$2"
label="${3:-zeft}"
: "${WINEPREFIX:?set WINEPREFIX to the prefix to use}"
mkdir -p "$shots"

if [ -z "${DISPLAY_FOR_TEST:-}" ]; then
    # Run again inside a virtual display of our own.
    exec env DISPLAY_FOR_TEST=1 xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi

WINE=/usr/lib/wine/wine64
export WINEDEBUG=-all
unset QT_QPA_PLATFORM # the windows platform, as on a user's machine
# A Wine server started without this display (by msiexec, say) would keep its desktop
# process without one: start afresh.
/usr/lib/wine/wineserver64 -k 2>/dev/null || true
/usr/lib/wine/wineserver64 -w 2>/dev/null || true

# The history lands where the program keeps it on Windows: %LOCALAPPDATA%\zeft.
history="$(find "$WINEPREFIX/drive_c/users" -path '*/AppData/Local' -maxdepth 3 -type d | head -n 1)/zeft/history.jsonl"
records_before=0
[ -f "$history" ] && records_before="$(wc -l <"$history")"

(cd "$folder" && exec "$WINE" ./zeft.exe) >/dev/null 2>&1 &
program=$!
cleanup() {
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
}
trap cleanup EXIT

# wait_window TITLE: the id of the visible window with that title, within a minute.
wait_window() {
    local id=""
    for _ in $(seq 120); do
        id="$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)"
        [ -n "$id" ] && break
        sleep 0.5
    done
    [ -n "$id" ] || { echo "no window \"$1\" appeared" >&2; return 1; }
    echo "$id"
}

dialog="$(wait_window "Communication Settings")"
sleep 1 # its first paint
import -window root "$shots/$label-dialog.png"
xdotool windowfocus --sync "$dialog" 2>/dev/null || true
# The port list has the focus: typing picks the first port whose name starts so, the
# virtual sender or its production line.
xdotool type --delay 100 "ZEFT"
xdotool key Return

main="$(wait_window "ZEFT Programmer.*")"
sleep 1
# The first start asks who does the work; Escape answers it (a Cancel counts as asked).
for _ in $(seq 10); do
    job="$(xdotool search --onlyvisible --name '^Job$' 2>/dev/null | head -n 1 || true)"
    if [ -n "$job" ]; then
        import -window root "$shots/$label-job.png"
        xdotool windowfocus --sync "$job" 2>/dev/null || true
        xdotool key Escape
        sleep 1
        break
    fi
    sleep 0.5
done
xdotool windowfocus --sync "$main" 2>/dev/null || true
import -window root "$shots/$label-main.png"

# Read Device from the keyboard: the settings' first list has the focus, and the button
# comes after the two lists and six edits in the tab order.
xdotool key --delay 100 Tab Tab Tab Tab Tab Tab Tab Tab space
read_done=""
for _ in $(seq 60); do
    if [ -f "$history" ] && [ "$(wc -l <"$history")" -gt "$records_before" ] &&
        tail -n 1 "$history" | grep -q '"operation":"read".*"outcome":"success"'; then
        read_done=1
        break
    fi
    sleep 0.5
done
import -window root "$shots/$label-read.png"
[ -n "$read_done" ] || { echo "Read Device left no successful record in $history" >&2; exit 1; }

cleanup
trap - EXIT
port="$("$WINE" reg query 'HKCU\Software\KOV\ZEFT\CommSetting' /v CommPort 2>/dev/null | tr -d '\r' || true)"
case "$port" in
*"ZEFT Virtual "*) ;;
*)
    echo "the registry holds no port for the program: $port" >&2
    exit 1
    ;;
esac
echo "zeft.exe ($label) showed its dialog and main window, read the virtual sender, and kept the port in the registry"
