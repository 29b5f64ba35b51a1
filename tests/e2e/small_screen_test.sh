#!/usr/bin/env bash
# On a screen smaller than the window, the window keeps its top right corner
# on the screen, hanging off the left and the bottom: the cross still ends it.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu
window_geometry
read -r screen_width _ < <(xdotool getdisplaygeometry)
check "the top right corner is on the screen (${WIN_W}x$WIN_H at $WIN_X,$WIN_Y)" \
  test "$((WIN_X + WIN_W)),$WIN_Y" = "$screen_width,0"
check "the cross ends the program with status 0" close_with_cross
finish
