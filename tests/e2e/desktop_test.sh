#!/usr/bin/env bash
# The menu under a real window manager, openbox: in the taskbar and the
# window switcher with its icon and title, centred, shaped, draggable and
# closable.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener

start_window_manager
start_menu

states=$(xprop -id "$WINDOW" _NET_WM_STATE)
check "in the taskbar and the switcher ($states)" \
  bash -c "! grep -q 'SKIP_TASKBAR\|SKIP_PAGER' <<<'$states'"
check "managed by the window manager" bash -c \
  "xprop -root _NET_CLIENT_LIST | grep -qi '$(printf '0x%x' "$WINDOW")'"
check "titled Zorvanta" bash -c "xprop -id $WINDOW _NET_WM_NAME | grep -q '= \"Zorvanta\"$'"
check "with its icon" bash -c "xprop -id $WINDOW _NET_WM_ICON | grep -q 'Icon ('"
window_geometry
check "centred" test "$WIN_X,$WIN_Y" = "320,272"
screenshot
check "shaped: the corner shows the screen behind" test "$(pixel_at 0 0)" = "$(pixel_at -5 -5)"

window_geometry
x0=$WIN_X y0=$WIN_Y
xdotool mousemove $((x0 + 320)) $((y0 + 455)) mousedown 1 sleep 0.1 \
  mousemove $((x0 + 350)) $((y0 + 435)) sleep 0.1 mousemove $((x0 + 380)) $((y0 + 415)) \
  sleep 0.2 mouseup 1
sleep 0.3
window_geometry
check "draggable ($WIN_X,$WIN_Y)" test "$WIN_X,$WIN_Y" = "$((x0 + 60)),$((y0 - 40))"

check "closable with the cross" close_with_cross
finish
