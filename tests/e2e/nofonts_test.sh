#!/usr/bin/env bash
# Without a usable font the menu says so once and goes on without text: the
# message box still comes and closes with Enter, the panel lists and opens;
# started with standard error closed as well, it writes the notice nowhere.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
echo '<?xml version="1.0"?><fontconfig/>' >"$E2E_ROOT/fonts.conf"
export FONTCONFIG_FILE=$E2E_ROOT/fonts.conf
start_menu
window_geometry
check "the window at the display scale" test "$WIN_W" = $((640 * ${E2E_SCALE:-1}))

rm "$DISC/Zorvanta - серия 4.avi"
click_at 519 141  # a missing episode: its message box
check "a message box comes" wait_for_message
xdotool key Return
sleep 0.3
check "Enter closes it" test -z "$(message_window)"

click_at 97 187
double_click_at 240 72
check "a list row opens without text shown" \
  opened_exactly "$DISC/Audio Music/Morning Tune.wav"
check "the menu goes on" menu_running
check "it says so once on standard error" test "$(grep -c font "$MENU_ERRORS")" = 1
check "the cross ends it" close_with_cross

# Started with standard input, output and error closed, the notice must not
# go into a file opened for something else, such as the display's connection.
(cd "$E2E_ROOT" && exec "$DISC/$PROGRAM_NAME" <&- >&- 2>&-) &
MENU_PID=$!
wait_for_menu
check "the closed standard files are opened on /dev/null" test "$(readlink \
  "/proc/$MENU_PID/fd/0" "/proc/$MENU_PID/fd/1" "/proc/$MENU_PID/fd/2" | sort -u)" = /dev/null
forget_opened
click_at 97 187
double_click_at 240 72
check "the menu works all the same" opened_exactly "$DISC/Audio Music/Morning Tune.wav"
check "and ends with the cross" close_with_cross
finish
