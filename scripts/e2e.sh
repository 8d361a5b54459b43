#!/usr/bin/env bash
# The whole program as a user drives it, on a screen of its own (Xvfb with
# openbox), from an empty program folder:
#   scripts/e2e.sh PROGRAM SAMPLE_FOLDER [SHOTS_FOLDER]
# It starts 109 and finds the board at the top left and the panel at the
# bottom right, sets route 12 from the keypad and steps forward, asks the
# running program where it is with 109 --send status, opens and closes the
# options dialog, moves both windows, closes the panel and answers
# Yes. The new settings file must be 392 bytes (382 and today's date) and hold
# both windows' places; a second start must put the windows there, and ending
# that run any other way must leave the file as it is.
# SAMPLE_FOLDER (the built sampledata) is the working folder, so the empty fare
# folder setting finds 12.hy3. With SHOTS_FOLDER, screenshots are kept there.
# Exits 77, a skip to ctest, without Xvfb, openbox or xdotool.
set -euo pipefail
usage="usage: scripts/e2e.sh PROGRAM SAMPLE_FOLDER [SHOTS_FOLDER]"
program=$(realpath "${1:?$usage}")
samples=$(realpath "${2:?$usage}")
shots=${3:-}
for tool in Xvfb openbox xdotool xdpyinfo xwininfo; do
    command -v "$tool" >/dev/null || { echo "e2e: $tool is not installed; skipped"; exit 77; }
done
cd "$(dirname "$0")/.."
. scripts/xsession.sh

folder=$(mktemp -d)
trap 'xsession_stop; rm -rf "$folder"' EXIT
# The program's own state and its command socket stay inside this run too.
export XDG_CONFIG_HOME=$folder/config XDG_RUNTIME_DIR=$folder/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
cp "$program" "$folder/109"
settings=$folder/109.in4
[ -z "$shots" ] || mkdir -p "$shots"

fail() {
    echo "e2e: $*" >&2
    exit 1
}
step() { echo "e2e: $*"; }

# The id of the visible window whose title matches, waited for up to 20 s.
window() {
    local id
    for _ in $(seq 200); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) || true
        [ -n "$id" ] && { echo "$id"; return; }
        sleep 0.1
    done
    fail "no window titled \"$1\""
}
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "the window \"$1\" is still there"
}
# "X Y WIDTH HEIGHT" of a window's client area on the screen. (xdotool's
# getwindowgeometry counts the frame's offset twice under openbox.)
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ { x = $4 } /Absolute upper-left Y:/ { y = $4 }
                            /^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print x, y, w, h }'
}
# No message box came up: each carries one of these titles.
no_message_box() {
    for title in "ルクシオVer4" "^エラー" "プラグインロードエラー"; do
        if xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; then
            shoot message-box
            fail "a message box came up ($title)"
        fi
    done
}
shoot() {
    [ -z "$shots" ] || import -window root "$shots/$1.png"
}
click() { # on the panel, at its client coordinates
    xdotool mousemove --window "$panel" "$1" "$2" click 1
    sleep "${3:-0.2}"
}

start() {
    (cd "$samples" && SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb exec "$folder/109") &
    run=$!
    xsession_pids+=("$run")
    board=$(window "^ルクシオ - 型番:109$")
    panel=$(window "^集中操作盤$")
    sleep 1 # the places the start-up gives them, after the first mapping
}

xsession_start
step "first start, without a settings file"
start
read -r bx by _ _ <<<"$(geometry "$board")"
read -r px py pw ph <<<"$(geometry "$panel")"
[ "$bx $by" = "0 0" ] || fail "the board stands at $bx,$by, not at the top left"
# The window manager's frame lies around the panel: a few pixels to the edge.
right=$((1280 - px - pw)) bottom=$((800 - py - ph))
[ "$right" -ge 0 ] && [ "$right" -le 8 ] && [ "$bottom" -ge 0 ] && [ "$bottom" -le 8 ] ||
    fail "the panel is not at the bottom right (${right} px to the right edge, ${bottom} px to the bottom)"
no_message_box
shoot first-start

step "route 12 from the keypad, then one step forward"
click 180 86 0.5 # brings the panel to the front
for key in "57 143" "25 113" "57 113" "89 143" "25 113"; do # 系統 1 2 区間 1
    click $key
done
click 135 69 5 # リセット, then the lamp test of 3 s: a click on the greyed データ送り meanwhile is no click
click 217 45 1.5 # データ送り
no_message_box
shoot route-12
status=$("$folder/109" --send status) || fail "109 --send status ended with status $?"
case $status in *'"row":2,'*'"stop":"市役所前"'*) ;; *) fail "109 --send status answered: $status" ;; esac

step "the options dialog, opened and closed"
click 194 159 # 設定...
options=$(window "^オプション$")
shoot options
xdotool windowactivate --sync "$options" key --clearmodifiers alt+F4
gone "^オプション$"
no_message_box

step "both windows moved, the panel closed and Yes answered"
xdotool windowmove --sync "$board" 100 60
xdotool windowmove --sync "$panel" 640 360
sleep 0.5
board_left=$(geometry "$board")
panel_left=$(geometry "$panel")
xdotool windowactivate --sync "$panel" key --clearmodifiers alt+F4
question=$(window "^ルクシオの終了確認$")
shoot question
xdotool windowactivate --sync "$question" key y
for _ in $(seq 100); do kill -0 "$run" 2>/dev/null || break; sleep 0.1; done
kill -0 "$run" 2>/dev/null && fail "the program runs on after Yes"
wait "$run" || fail "the program ended with status $?"

[ -f "$settings" ] || fail "no settings file was written"
size=$(stat -c %s "$settings")
[ "$size" -eq 392 ] || fail "the settings file is $size bytes, not 392"
# The fixed date is the last text: 244 bytes of numbers follow it.
[ "$(dd if="$settings" bs=1 skip=$((392 - 244 - 10)) count=10 2>/dev/null)" = "$(date +%Y/%m/%d)" ] ||
    fail "the fixed date is not today's"
# FormLeft and FormTop, in twips: the last fields before the custom colours.
int32() { od -An -t d4 -j "$1" -N 4 "$settings" | tr -d ' '; }
read -r bx by _ _ <<<"$board_left"
[ "$(int32 170) $(int32 174)" = "$((15 * bx)) $((15 * by))" ] ||
    fail "the board's place was saved as $(int32 170),$(int32 174) twips, not $((15 * bx)),$((15 * by))"
saved=$(md5sum <"$settings")

step "second start, with the settings file"
start
[ "$(geometry "$board")" = "$board_left" ] || fail "the board stands at $(geometry "$board"), not $board_left"
[ "$(geometry "$panel")" = "$panel_left" ] || fail "the panel stands at $(geometry "$panel"), not $panel_left"
no_message_box
shoot restart

step "ended without the panel: the file stays as it was"
kill "$run"
wait "$run" 2>/dev/null || true
[ "$(md5sum <"$settings")" = "$saved" ] || fail "the settings file changed"
step "ok"
