#!/usr/bin/env bash
# Hostile names on a disc: each file, whatever its name, reaches the opener
# as exactly the one argument that names it; names in another case, and a
# disc folder with a backslash in its name, still open their documents.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

MUSIC="$DISC/Audio Music"
mkdir "$MUSIC/sub" && : >"$MUSIC/sub/x.wav"  # what "sub\x.wav" must not open
names=('back\slash.wav' '\' 'sub\x.wav' $'new\nline.wav' '-rf.wav' '$(touch pwned).wav'
  $'bad \xff\xfe bytes.wav' 'КЛИП Mixed.WAV')
for name in "${names[@]}"; do
  find "$MUSIC" -maxdepth 1 -type f -delete
  : >"$MUSIC/$name"
  forget_opened
  click_at 97 187         # музыка mp3: the folder listed afresh
  double_click_at 240 72  # its only file
  check "$(printf '%q' "$name") reaches the opener as itself" opened_exactly "$MUSIC/$name"
  [[ -z "$(message_window)" ]] || close_message  # a wrong name's message: on to the next
done
check "no name ran a command" test ! -e "$E2E_ROOT/pwned" -a ! -e "$DISC/pwned"

# A copy that changed the case of names.
mv "$MUSIC" "$DISC/audio music"
mv "$DISC/Zorvanta - серия 1.avi" "$DISC/ZORVANTA - Серия 1.avi"
forget_opened
click_at 536 47  # the first episode
check "an episode named in another case opens" opened_exactly "$DISC/ZORVANTA - Серия 1.avi"
forget_opened
click_at 97 187
double_click_at 240 72
check "a media folder named in another case lists and opens" \
  opened_exactly "$DISC/audio music/КЛИП Mixed.WAV"

# A disc folder with a backslash in its name.
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
  opened_exactly "$DISC/audio music/КЛИП Mixed.WAV"
finish
