#!/usr/bin/env bash
# The media list panel as a user meets it: a list entry shows the folder's
# files and gives the list the keyboard, a double click on a row or Enter
# opens one file once, however long Enter is held and however many clicks
# come; keys move the selection; a hidden list takes no key; the "x" hides
# the panel, an empty folder shows an empty list, and a missing folder
# brings the message. A double click on an episode opens it once.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

PINK="249,176,220"
MUSIC="$DISC/Audio Music"
panel_shown() { screenshot; test "$(pixel_at 185 300)" = "$PINK"; }
panel_hidden() { screenshot; test "$(pixel_at 185 300)" != "$PINK"; }

check "the panel is hidden at start" panel_hidden
click_at 97 187  # музыка mp3
check "a list entry shows the panel" panel_shown
check "the list shows white names on black" bash -c \
  "convert '$SHOT' -crop 280x40+$((WIN_X + 190))+$((WIN_Y + 65)) -format '%[fx:maxima.r]' info: | grep -q '^1$'"

xdotool key Down Return  # no click first: the list has the keyboard
check "Down and Enter open the first file" opened_exactly "$MUSIC/Morning Tune.wav"

forget_opened
double_click_at 240 72  # the first file: "Morning Tune.wav"
check "a double click opens the file" opened_exactly "$MUSIC/Morning Tune.wav"
check "the panel stays after a double click" panel_shown

forget_opened
xdotool key Down keydown Return sleep 1.5 keyup Return
sleep "$SETTLE"
check "Enter held down opens the selected file once" opened_exactly "$MUSIC/Весенний вальс.wav"

forget_opened
xdotool click --repeat 3 --delay 80 1  # still on the first row
sleep "$SETTLE"
check "a triple click opens once" opened_exactly "$MUSIC/Morning Tune.wav"
sleep 1
xdotool click --repeat 2 --delay 80 3
sleep "$SETTLE"
check "a right double click opens nothing more" test "$(wc -l <"$OPEN_LOG")" = 1

for n in $(seq 40); do : >"$MUSIC/filler $n.wav"; done
: >"$MUSIC/Zebra.wav"
click_at 97 187  # listed afresh, now with a scroll bar
forget_opened
xdotool key z Return  # a typed letter finds its name, far down the list
check "a typed letter selects the name it begins" opened_exactly "$MUSIC/Zebra.wav"
forget_opened
xdotool key Home Return
check "Home selects the first name" opened_exactly "$MUSIC/filler 1.wav"
click_at 240 72
sleep 1
forget_opened
double_click_at 472 300  # on the scroll bar
check "a double click on the scroll bar opens nothing" opened_nothing

# Hidden by Esc, its "x", a press on the background or an episode, the
# list hears no Enter.
for hide in "key Escape" "x" "background" "episode"; do
  click_at 97 187
  click_at 240 72  # a row selected and the keyboard on the list
  sleep "$SETTLE"
  forget_opened
  case $hide in
    x) click_at 468 44 ;;
    background) click_at 320 455 ;;
    episode) click_at 536 47 ;;
    *) xdotool $hide ;;
  esac
  check "the panel hides ($hide)" panel_hidden
  xdotool key Return
  sleep "$SETTLE"
  if [[ $hide == episode ]]; then  # the click gave the episode the focus: Enter clicks it again
    check "the hidden list takes no Enter ($hide)" \
      opened_lines "$DISC/Zorvanta - серия 1.avi"$'\n'"$DISC/Zorvanta - серия 1.avi"
  else
    check "the hidden list takes no Enter ($hide)" opened_nothing
  fi
done

forget_opened
double_click_at 536 110  # the third episode
check "a double click on an episode opens it once" \
  opened_exactly "$DISC/Zorvanta - серия 3.avi"

rm -f "$DISC/Audio Humor"/*
click_at 106 250  # аудио приколы, now empty
check "an empty folder shows the panel" panel_shown
check "an empty folder brings no message" test -z "$(message_window)"

rm -r "$DISC/Video"
click_at 100 282  # видео клипы, now missing
check "a missing folder brings a message" wait_for_message
close_message
check "after a missing folder the panel stays hidden" panel_hidden

click_at 96 217  # музыка midi still works
check "a later list shows as usual" panel_shown
click_at 110 437  # the web link leaves it shown
check "the web link leaves the panel shown" panel_shown
click_at 560 110  # an episode hides it
check "an episode hides the panel" panel_hidden
finish
