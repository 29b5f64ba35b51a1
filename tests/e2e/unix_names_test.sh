#!/usr/bin/env bash
# Names only a POSIX system allows: a "\" inside a name, a newline, bytes
# that are not UTF-8, and a disc folder with a "\" in its name. Each file
# still reaches the opener as exactly the one argument that names it.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

MUSIC="$DISC/Audio Music"
mkdir "$MUSIC/sub" && : >"$MUSIC/sub/x.wav"  # what "sub\x.wav" must not open
names=('back\slash.wav' '\' 'sub\x.wav' $'new\nline.wav' $'bad \xff\xfe bytes.wav')
for name in "${names[@]}"; do
  find "$MUSIC" -maxdepth 1 -type f -delete
  : >"$MUSIC/$name"
  forget_opened
  click_at 97 187         # музыка mp3: the folder listed afresh
  double_click_at 240 72  # its only file
  check "$(printf '%q' "$name") reaches the opener as itself" opened_exactly "$MUSIC/$name"
  [[ -z "$(message_window)" ]] || close_message  # a wrong name's message: on to the next
done

# A disc folder with a backslash in its name.
find "$MUSIC" -maxdepth 1 -type f -delete
: >"$MUSIC/clip.wav"
kill "$MENU_PID" && wait "$MENU_PID" || true
mv "$DISC" "$E2E_ROOT/dis\\c"
DISC="$E2E_ROOT/dis\\c"
start_menu
forget_opened
click_at 533 78  # the second episode
check "a disc folder with a backslash opens its episodes" \
  opened_exactly "$DISC/Zorvanta - серия 2.avi"
forget_opened
click_at 97 187
double_click_at 240 72
check "a disc folder with a backslash opens its list's files" \
  opened_exactly "$DISC/Audio Music/clip.wav"
finish
