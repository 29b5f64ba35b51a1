#!/usr/bin/env bash
# A menu started from a read-only disc writes nothing anywhere, whatever
# the user clicks and presses: a fresh home does not even come to exist,
# and the menu makes no call that would create, change or remove a file
# (as root, FLTK would rewrite /etc/fltk). Its calls are traced rather than
# /etc/fltk listed: other FLTK programs on the machine may write there.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener

export HOME=$E2E_ROOT/home/of/nobody
MENU_TRACE=$E2E_ROOT/calls
start_menu

click_at 97 187         # the panel
click_at 240 72         # a row
double_click_at 240 90  # another, opened
xdotool key Down Up Home End Return Tab space a Return  # a file opened, then the keyboard's way
sleep 0.3
xdotool mousemove "$((WIN_X + 300))" "$((WIN_Y + 200))" sleep 1.5  # long enough for a tooltip
xdotool key Escape
sleep 0.3
check "the cross ends the session" close_with_cross

check "the opener was reached" test -s "$OPEN_LOG"
check "the home folder was never made" test ! -e "$E2E_ROOT/home"
# A call that failed changed nothing: Wine looks for its own folders so.
writes=$(grep -E '^(open|openat|creat)\(.*(O_WRONLY|O_RDWR|O_CREAT)|^(mkdir|mkdirat|rmdir|chmod|fchmod|fchmodat|chown|rename|renameat2?|link|symlink|unlink|unlinkat|truncate|ftruncate)\(' "$MENU_TRACE" | grep -v ' = -1 ' || true)
check "no call writes a file ($writes)" test -z "$writes"
check "the trace saw the menu" grep -q /proc/self/exe "$MENU_TRACE"
finish
