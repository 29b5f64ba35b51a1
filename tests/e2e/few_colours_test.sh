#!/usr/bin/env bash
# On a display of 256 colours the panel's title and its cross are text,
# black on pink, and not black boxes.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu
click_at 97 187 # музыка mp3
screenshot

# The share of an area of the window, in the last screenshot, that is not dark.
light_share() { # x y width height
  window_geometry
  convert "$SHOT" -crop "$3x$4+$((WIN_X + $1))+$((WIN_Y + $2))" -colorspace gray \
    -threshold 25% -format "%[fx:mean]" info:
}
mostly_light() { awk -v share="$(light_share "$@")" 'BEGIN { exit !(share > 0.4) }'; }
check "the title's letters lie on pink ($(light_share 275 42 110 12))" mostly_light 275 42 110 12
check "so does the cross ($(light_share 461 41 16 15))" mostly_light 461 41 16 15
finish
