#!/usr/bin/env bash
# Every entry without a mouse: the picture a mouse user sees is untouched,
# the first Tab shows the focus ring round the first episode, Enter on the
# third opens it, Shift+Tab from the first reaches the cross, Space on a
# media entry shows its list with the keyboard on it, and Esc hides the
# panel and gives the focus back to that entry.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

RING="255,214,0"
PINK="249,176,220"
# The ring's bright line, a pixel outside the hot area's left edge, half way down.
ring_left_of() { screenshot; test "$(pixel_at $(($1 - 1)) $(($2 + $3 / 2)))" = "$RING"; }
no_ring_left_of() { screenshot; test "$(pixel_at $(($1 - 1)) $(($2 + $3 / 2)))" != "$RING"; }
window_picture() {  # the window's pixels alone, as text
  screenshot
  window_geometry
  convert "$SHOT" -crop "${WIN_W}x${WIN_H}+${WIN_X}+${WIN_Y}" +repage rgb:- | md5sum
}
# What a key sets off is drawn when the menu gets to it: look until it shows.
panel_on_screen() { screenshot; test "$(pixel_at 185 300)" = "$PINK"; }
panel_off_screen() { screenshot; test "$(pixel_at 185 300)" != "$PINK"; }
panel_shown() { eventually panel_on_screen; }
panel_hidden() { eventually panel_off_screen; }

at_start=$(window_picture)
point_at 536 47  # over the first episode, then a click on the maker's page
click_at 110 437
check "a click opens the maker's page" opened_exactly "https://quorrel.example/"
click_at 320 455  # and a press on the background
check "a mouse user sees the picture as it was, pixel for pixel" \
  test "$(window_picture)" = "$at_start"
check "no ring before the keyboard is used" no_ring_left_of 59 420 35

kill "$MENU_PID"  # afresh, with the focus nowhere
wait "$MENU_PID" || true
forget_opened
start_menu
click_at 320 455  # the background: the window has the keyboard

xdotool key Tab
sleep 0.3
check "the first Tab shows the ring round the first episode" ring_left_of 454 32 30
xdotool key Tab Tab Return
check "Tab to the third episode and Enter opens it" opened_exactly "$DISC/Zorvanta - серия 3.avi"
check "the ring has followed to the third episode" ring_left_of 454 95 30
check "and left the first" no_ring_left_of 454 32 30

xdotool key shift+Tab shift+Tab shift+Tab
sleep 0.3
check "Shift+Tab from the first entry reaches the cross" ring_left_of 606 5 24
check "the cross ends nothing by being reached" menu_running

forget_opened
xdotool key Tab Down Down Down Down Down Down space  # музыка mp3
check "Space on a media entry shows its panel" panel_shown
xdotool key Down Return
check "with the list focused: Down and Enter open the first file" \
  opened_exactly "$DISC/Audio Music/Morning Tune.wav"
xdotool key Escape
check "Esc hides the panel" panel_hidden
check "and gives the focus back to the media entry" ring_left_of 24 172 30
check "no key ends the program" menu_running
finish
