#!/usr/bin/env bash
# Under a real window manager: a second start from the same disc folder
# raises and focuses the running menu, even minimized, and ends with
# status 0; a start from another disc folder opens its own menu.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_window_manager
start_menu

xdotool windowminimize --sync "$WINDOW"
status=0
run_program || status=$?
check "a second start ends with status 0" test "$status" = 0
active_is_menu() { test "$(xdotool getactivewindow 2>/dev/null)" = "$WINDOW"; }
menus_shown() { test "$(xdotool search --onlyvisible --name '^Zorvanta$' | wc -l)" = "$1"; }
check "and raises the running menu" eventually active_is_menu
check "one menu for one disc" menus_shown 1

cp -r "$DISC" "$E2E_ROOT/other"
program_command "$E2E_ROOT/other"
(cd "$E2E_ROOT" && exec "${PROGRAM_COMMAND[@]}" 2>>"$MENU_ERRORS") &
other=$!
check "another disc opens its own menu" eventually menus_shown 2
kill "$other" && wait "$other" || true

check "the first menu still closes with its cross" close_with_cross
finish
