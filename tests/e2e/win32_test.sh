#!/usr/bin/env bash
# start.exe under Wine as a user meets it: the window and its picture, an
# episode, the media list, the cross, and a missing folder's message. Wine
# hands documents to the desktop's opener as file:// addresses.
source "$(dirname "$0")/lib.sh"
E2E_PICTURE=${E2E_PICTURE:?the background picture}
make_disc
install_opener
start_menu

# The opener's lines with their file:// addresses turned back into paths.
opened() {
  local line
  while IFS= read -r line; do
    line=${line#file://}
    printf '%b\n' "${line//%/\\x}"
  done <"$OPEN_LOG"
}

window_geometry
check "the window is 640 by 480, centred" test "$WIN_W x $WIN_H at $WIN_X,$WIN_Y" = "640 x 480 at 320,272"
check "the window carries its icon, large and small" test "$(xprop -id "$WINDOW" _NET_WM_ICON |
  grep -o 'Icon ([0-9]* x [0-9]*)' | sort | tr '\n' ' ')" = "Icon (16 x 16) Icon (32 x 32) "
screenshot
inner=620x460+10+10  # away from the frame
convert "$SHOT" -crop 640x480+$WIN_X+$WIN_Y +repage -crop $inner "$E2E_ROOT/screen.png"
convert "$E2E_PICTURE" -crop $inner "$E2E_ROOT/picture.png"
differing=$(compare -metric AE "$E2E_ROOT/screen.png" "$E2E_ROOT/picture.png" null: 2>&1 || true)
check "away from the frame the screen is the picture ($differing pixels differ)" test "$differing" = 0

click_at 536 110  # the third episode
check "an episode reaches the opener" \
  test "$(opened)" = "$DISC/Zorvanta - серия 3.avi"

: >"$OPEN_LOG"
click_at 97 187  # музыка mp3
screenshot
check "a list entry shows the panel" test "$(pixel_at 185 300)" = "249,176,220"
double_click_at 240 72  # the first row
check "a double click opens a file, Cyrillic intact" \
  test "$(opened)" = "$DISC/Audio Music/Morning Tune.wav"
: >"$OPEN_LOG"
xdotool key Down Return
sleep 0.5
check "Enter opens the selected file" test "$(opened)" = "$DISC/Audio Music/Весенний вальс.wav"

click_at 618 17  # the cross
status=0
wait "$MENU_PID" || status=$?
MENU_PID=
check "the cross ends the program with status 0" test "$status" = 0

# A second start, for the message that a missing folder brings.
start_menu
rm -r "$DISC/Video"
click_at 100 282  # видео клипы, now missing
check "a missing folder brings the message" wait_for_message
box=$(message_window)
[[ -n "$box" ]] || finish
read -r x y w h < <(xwininfo -id "$box" | awk '/upper-left X/ {x = $4}
  /upper-left Y/ {y = $4} /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
check "the message is a small window of its own (${w}x$h)" test "$w" -lt 400 -a "$h" -lt 200
finish
