#!/usr/bin/env bash
# The real program from a scratch disc, started from another folder: the
# window's place, the documents each entry hands to the opener, the messages
# when a document cannot be opened, keys that never end it, and the cross.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener

# Without a display: one line, status 1, no core.
status=0
errors=$(env -u DISPLAY "$DISC/start" 2>&1 >/dev/null) || status=$?
check "no display: status 1" test "$status" = 1
check "no display: one line on standard error" test "$(wc -l <<<"$errors")" = 1

start_menu
window_geometry
check "the window is 640 by 480" test "${WIN_W}x${WIN_H}" = "640x480"
check "the window is centred" test "$WIN_X,$WIN_Y" = "320,272"

episodes=("536 47" "533 78" "536 110" "519 141" "534 173")
for n in 1 2 3 4 5; do
  click_at ${episodes[$((n - 1))]}
done
click_at 536 206  # the trailer
click_at 110 437  # the maker's name
expected=$(for n in 1 2 3 4 5; do echo "$DISC/Zorvanta - серия $n.avi"; done
  echo "$DISC/Zorvanta - анонс фильма 2005.avi"
  echo "https://quorrel.example/")
check "each entry hands its document to the opener, Cyrillic intact" \
  test "$(cat "$OPEN_LOG")" = "$expected"

# A missing episode: the message, and nothing reaches the opener.
rm "$DISC/Zorvanta - серия 4.avi"
: >"$OPEN_LOG"
click_at 519 141
check "a missing episode brings a message" wait_for_message
check "a missing episode reaches no opener" test ! -s "$OPEN_LOG"
close_message

# The opener finds no program for the file: the user is told so.
echo 3 >"$E2E_ROOT/opener-status"
click_at 536 47
check "no program for a document brings a message" wait_for_message
close_message
rm "$E2E_ROOT/opener-status"
check "the menu stays usable after the messages" menu_running

xdotool key --window "$WINDOW" Escape Return a space F4 alt+F4 ctrl+q Escape
sleep 0.3
check "no key ends the program" menu_running

check "the cross ends the program with status 0" close_with_cross
finish
