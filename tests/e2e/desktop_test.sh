#!/usr/bin/env bash
# The menu under a real window manager, openbox: in the taskbar and the
# window switcher with its icon and title, centred, shaped, draggable and
# closable; a second start from the same disc raises the running menu and
# ends, a start from another disc opens its own.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener

openbox --sm-disable --config-file /dev/null >/dev/null 2>&1 &
WM_PID=$!
trap 'kill "$WM_PID" 2>/dev/null || true; cleanup' EXIT
# A menu started before the window manager is ready is left unmanaged.
wm_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in $(seq 300); do
  wm_running && break
  sleep 0.1
done
wm_running || { fail "openbox never took the display"; finish; }
start_menu

states=$(xprop -id "$WINDOW" _NET_WM_STATE)
check "in the taskbar and the switcher ($states)" \
  bash -c "! grep -q 'SKIP_TASKBAR\|SKIP_PAGER' <<<'$states'"
check "managed by the window manager" bash -c \
  "xprop -root _NET_CLIENT_LIST | grep -qi '$(printf '0x%x' "$WINDOW")'"
check "titled Zorvanta" bash -c "xprop -id $WINDOW _NET_WM_NAME | grep -q '= \"Zorvanta\"$'"
check "with its icon" bash -c "xprop -id $WINDOW _NET_WM_ICON | grep -q 'Icon (48 x 48)'"
window_geometry
check "centred" test "$WIN_X,$WIN_Y" = "320,272"
screenshot
check "shaped: the corner shows the screen behind" test "$(pixel_at 0 0)" = "$(pixel_at -5 -5)"

# The menu hidden away, then the disc started again.
xdotool windowminimize --sync "$WINDOW"
status=0
timeout 10 "$DISC/start" || status=$?
check "a second start ends with status 0" test "$status" = 0
active_is_menu() { test "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW"; }
menus_shown() { test "$(xdotool search --onlyvisible --name '^Zorvanta$' | wc -l)" = "$1"; }
check "and raises the running menu" eventually active_is_menu
check "one menu for one disc" menus_shown 1

cp -r "$DISC" "$E2E_ROOT/other"
"$E2E_ROOT/other/start" &
OTHER_PID=$!
check "another disc opens its own menu" eventually menus_shown 2
kill "$OTHER_PID" && wait "$OTHER_PID" || true

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
