#!/usr/bin/env bash
# A menu started from a read-only disc writes nothing anywhere: not into a
# fresh home, which must not even come to exist, nor, as root, into
# /etc/fltk, whatever the user clicks and presses.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener

export HOME=$E2E_ROOT/home/of/nobody
etc_fltk() { ls -laR --time-style=full-iso /etc/fltk 2>&1 || true; }
before=$(etc_fltk)
start_menu

click_at 97 187         # the panel
click_at 240 72         # a row
double_click_at 240 90  # another, opened
xdotool key Down Up Home End Tab space a Return
sleep 0.3
xdotool mousemove "$((WIN_X + 300))" "$((WIN_Y + 200))" sleep 1.5  # long enough for a tooltip
xdotool key Escape
sleep 0.3
click_at 618 17  # the cross
wait "$MENU_PID" || true
MENU_PID=

check "the opener was reached" test -s "$OPEN_LOG"
check "the home folder was never made" test ! -e "$E2E_ROOT/home"
check "/etc/fltk is as it was" test "$before" = "$(etc_fltk)"
finish
