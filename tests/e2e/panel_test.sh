#!/usr/bin/env bash
# The media list panel as a user meets it: a list entry shows the folder's
# files, a double click or Enter opens one, the "x" hides it, an empty
# folder shows an empty list, and a missing folder brings the message.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

PINK="249,176,220"
panel_shown() { screenshot; test "$(pixel_at 185 300)" = "$PINK"; }
panel_hidden() { screenshot; test "$(pixel_at 185 300)" != "$PINK"; }

check "the panel is hidden at start" panel_hidden
click_at 97 187  # музыка mp3
check "a list entry shows the panel" panel_shown
check "the list shows white names on black" bash -c \
  "convert '$SHOT' -crop 280x40+$((WIN_X + 190))+$((WIN_Y + 65)) -format '%[fx:maxima.r]' info: | grep -q '^1$'"

double_click_at 240 72  # the first file: "Morning Tune.wav"
check "a double click opens the file" \
  test "$(cat "$OPEN_LOG")" = "$DISC/Audio Music/Morning Tune.wav"
check "the panel stays after a double click" panel_shown

: >"$OPEN_LOG"
xdotool key Down Return
sleep 0.4
check "Enter opens the selected file" \
  test "$(cat "$OPEN_LOG")" = "$DISC/Audio Music/Весенний вальс.wav"

click_at 468 44  # the "x"
check "the x hides the panel" panel_hidden

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
: >"$OPEN_LOG"
click_at 110 437  # the web link leaves it shown
check "the web link leaves the panel shown" panel_shown
click_at 560 110  # an episode hides it
check "an episode hides the panel" panel_hidden
finish
