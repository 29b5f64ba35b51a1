#!/usr/bin/env bash
# The menu run from extracted disc images, as a reader copies a disc: the
# demo image's start, and a maker's image without a media folder started
# through a link to its autorun. What they open lies inside the extracted tree.
source "$(dirname "$0")/image_lib.sh"
install_opener

make_image --output "$E2E_ROOT/demo.iso" >/dev/null 2>&1
extract_image "$E2E_ROOT/demo.iso" demo
start_menu
click_at 536 110 # the third episode
click_at 97 187  # музыка mp3
double_click_at 240 72
check "an episode and a listed file reach the opener from the extracted tree" \
  test "$(cat "$OPEN_LOG")" = "$DISC/Zorvanta - серия 3.avi
$DISC/Audio Music/Morning Tune.wav"
click_at 618 17 # the cross
wait "$MENU_PID" || true

content=$E2E_ROOT/content
make_content "$content"
rm -r "$content/Video"
make_image --content "$content" --output "$E2E_ROOT/maker.iso" >/dev/null 2>&1
extract_image "$E2E_ROOT/maker.iso" maker
: >"$OPEN_LOG"
ln -s "$DISC/autorun" "$E2E_ROOT/Zorvanta disc"  # as a desktop shortcut
start_menu "$E2E_ROOT/Zorvanta disc"
click_at 536 47 # the first episode
check "autorun, reached through a link, starts the menu, which opens an episode" \
  test "$(cat "$OPEN_LOG")" = "$DISC/Zorvanta - серия 1.avi"
click_at 100 282 # видео клипы, left out
check "the folder left out brings the message" wait_for_message
close_message
click_at 618 17
wait "$MENU_PID" || true
MENU_PID=
finish
