#!/usr/bin/env bash
# Dragging the window by its background, and what presses and keys on the
# background do to the panel.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

window_geometry
x0=$WIN_X y0=$WIN_Y
xdotool mousemove $((x0 + 320)) $((y0 + 455)) mousedown 1
for step in 1 2 3 4 5 6 7 8 9 10; do
  xdotool mousemove $((x0 + 320 + step * 7)) $((y0 + 455 - step * 4))
  sleep 0.03
done
sleep 0.2
xdotool mouseup 1
sleep 0.3
window_geometry
check "a left drag moves the window by the pointer's path ($WIN_X,$WIN_Y)" \
  test "$WIN_X,$WIN_Y" = "$((x0 + 70)),$((y0 - 40))"

# The window moves only when the pointer does: a right button pressed and
# released during a left drag, the pointer moved while both were held,
# leaves it where it stands until the next move.
window_geometry
x1=$WIN_X y1=$WIN_Y
xdotool mousemove $((x1 + 320)) $((y1 + 455)) mousedown 1 sleep 0.1 mousedown 3 sleep 0.1 \
  mousemove $((x1 + 350)) $((y1 + 435)) sleep 0.2 mouseup 3
sleep 0.5
window_geometry
check "a right release in a left drag moves nothing ($WIN_X,$WIN_Y)" test "$WIN_X,$WIN_Y" = "$x1,$y1"
xdotool mouseup 1
sleep 0.3

PINK="249,176,220"
panel_shown() { screenshot; test "$(pixel_at 185 300)" = "$PINK"; }

click_at 97 187
check "the panel shows" panel_shown
window_geometry
x1=$WIN_X y1=$WIN_Y
xdotool mousemove $((x1 + 320)) $((y1 + 455)) mousedown 3 mousemove $((x1 + 360)) $((y1 + 420)) mouseup 3
sleep 0.3
window_geometry
screenshot
check "a right press on the background hides the panel" test "$(pixel_at 185 300)" != "$PINK"
check "a right drag moves nothing" test "$WIN_X,$WIN_Y" = "$x1,$y1"

click_at 97 187
click_at 240 72  # the list takes the focus
xdotool key Escape
sleep 0.3
screenshot
check "Esc hides the panel while its list has the focus" test "$(pixel_at 185 300)" != "$PINK"

for key in a b c Return Escape F1 Tab Escape space; do xdotool key "$key"; done
sleep 0.3
check "a stream of keys leaves the program running" menu_running
finish
