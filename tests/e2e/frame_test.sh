#!/usr/bin/env bash
# The window's rounded outline and painted frame, on a white screen, and
# that both survive being covered by another window.
source "$(dirname "$0")/lib.sh"
# Windows' own round regions leave out the last column and row.
cut=${E2E_REGION_CUT:-0}
right=$((639 - cut)) bottom=$((479 - cut))
make_disc
start_menu

# Whether colour $1 and the lighter $2 are both shades of the base red.
lighter_red() {
  local r1 g1 b1 r2 g2 b2
  IFS=, read -r r1 g1 b1 <<<"$1"
  IFS=, read -r r2 g2 b2 <<<"$2"
  ((r1 < r2 && g1 < g2 && r1 > g1 + 80 && r2 > g2 + 80 && g1 == b1 && g2 == b2))
}

frame_checks() {
  local when=$1
  screenshot
  check "$when: the corners show the white screen" \
    test "$(pixel_at 0 0),$(pixel_at 639 0),$(pixel_at 0 479),$(pixel_at 639 479),$(pixel_at 1 2)" \
    = "255,255,255,255,255,255,255,255,255,255,255,255,255,255,255"
  check "$when: the outline along the edges is black" \
    test "$(pixel_at 320 0),$(pixel_at 0 240),$(pixel_at $right 240),$(pixel_at 320 $bottom)" \
    = "0,0,0,0,0,0,0,0,0,0,0,0"
  ((cut == 0)) || check "$when: the cut edges show the white screen" \
    test "$(pixel_at 639 240),$(pixel_at 320 479)" = "255,255,255,255,255,255"
  check "$when: the inner outline is black" \
    test "$(pixel_at 6 240),$(pixel_at 633 240),$(pixel_at 320 6)" = "0,0,0,0,0,0,0,0,0"
  # The outer outline ends one pixel further in at the right and bottom.
  local side
  for side in "2 240 3 240 4 240" "636 240 635 240 634 240" "320 2 320 3 320 4" \
    "320 476 320 475 320 474"; do
    read -r ax ay bx by cx cy <<<"$side"
    local a b c
    a=$(pixel_at "$ax" "$ay") b=$(pixel_at "$bx" "$by") c=$(pixel_at "$cx" "$cy")
    check "$when: rings of the base red, lighter inward ($a $b $c)" \
      bash -c "$(declare -f lighter_red); lighter_red '$a' '$b' && lighter_red '$b' '$c'"
  done
  check "$when: the innermost ring is the light colour" test "$(pixel_at 5 240)" = "232,144,144"
}

frame_checks "at start"

# Another window over the menu, then gone.
window_geometry
convert -size 700x300 xc:navy "$E2E_ROOT/cover.png"
display -geometry +$((WIN_X - 30))+$((WIN_Y - 30)) "$E2E_ROOT/cover.png" &
cover=$!
for _ in $(seq 30); do
  screenshot
  [[ "$(pixel_at 100 100)" == "0,0,128" ]] && break
  sleep 0.1
done
check "another window covers the menu" test "$(pixel_at 100 100)" = "0,0,128"
kill "$cover"
wait "$cover" 2>/dev/null || true
sleep 0.5
frame_checks "after being covered"
finish
