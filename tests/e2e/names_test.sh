#!/usr/bin/env bash
# Hostile names on a disc, of those every system allows: each file reaches
# the opener as exactly the one argument that names it; names in another
# case still open their documents.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

MUSIC="$DISC/Audio Music"
names=('-rf.wav' '$(touch pwned).wav' "it's 'x' & a;b %20.wav" 'КЛИП Mixed.WAV')
for name in "${names[@]}"; do
  find "$MUSIC" -maxdepth 1 -type f -delete
  : >"$MUSIC/$name"
  click_at 97 187         # музыка mp3: the folder listed afresh
  sleep "$SETTLE"
  forget_opened
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
click_at 97 187
sleep "$SETTLE"
forget_opened
double_click_at 240 72
check "a media folder named in another case lists and opens" \
  opened_exactly "$DISC/audio music/КЛИП Mixed.WAV"
finish
