#!/usr/bin/env bash
# The real program from a scratch disc, started from another folder: the
# window's place, icon and face, the documents each entry hands to the
# opener, the message when one is missing, keys that never end it, and the
# cross.
source "$(dirname "$0")/lib.sh"
E2E_PICTURE=${E2E_PICTURE:?the background picture}
# Windows' own round regions leave out the last column and row.
cut=${E2E_REGION_CUT:-0}
make_disc
install_opener
start_menu

window_geometry
check "the window is 640 by 480" test "${WIN_W}x${WIN_H}" = "640x480"
check "the window is centred" test "$WIN_X,$WIN_Y" = "320,272"
check "the window carries its icon" bash -c "xprop -id $WINDOW _NET_WM_ICON | grep -q 'Icon ('"
screenshot
inner=620x460+10+10  # away from the frame
convert "$SHOT" -crop 640x480+$WIN_X+$WIN_Y +repage -crop $inner "$E2E_ROOT/screen.png"
convert "$E2E_PICTURE" -crop $inner "$E2E_ROOT/picture.png"
differing=$(compare -metric AE "$E2E_ROOT/screen.png" "$E2E_ROOT/picture.png" null: 2>&1 || true)
check "away from the frame the screen is the picture ($differing pixels differ)" \
  test "$differing" = 0

episodes=("536 47" "533 78" "536 110" "519 141" "534 173")
for n in 1 2 3 4 5; do
  click_at ${episodes[$((n - 1))]}
done
click_at 536 206  # the trailer
click_at 110 437  # the maker's name
expected=$(for n in 1 2 3 4 5; do echo "$DISC/Zorvanta - серия $n.avi"; done
  echo "$DISC/Zorvanta - анонс фильма 2005.avi"
  echo "https://quorrel.example/")
check "each entry hands its document to the opener, Cyrillic intact" opened_lines "$expected"

# A missing episode: the message, and nothing reaches the opener.
rm "$DISC/Zorvanta - серия 4.avi"
forget_opened
click_at 519 141
check "a missing episode brings a message" wait_for_message
check "a missing episode reaches no opener" opened_nothing
close_message
check "the menu stays usable after the message" menu_running

# Alt+F4 is the system's close, not a key of the menu's.
xdotool key --window "$WINDOW" Escape Return a space F4 ctrl+q Escape
sleep 0.3
check "no key ends the program" menu_running

check "the cross ends the program with status 0" close_with_cross
finish
