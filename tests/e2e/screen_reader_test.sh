#!/usr/bin/env bash
# The menu as a screen reader meets it on the accessibility bus (run under
# tests/accessibility/with_bus.sh): one frame "Zorvanta" whose entries carry
# the names and roles of the design's table and their places on the screen;
# Tab is heard as focus moving from entry to entry; the default action of
# "первая серия" opens the first episode.
source "$(dirname "$0")/lib.sh"
AT_SPI_CLIENT=${AT_SPI_CLIENT:?the pyatspi client}
make_disc
install_opener
start_window_manager
start_menu

read_tree() {  # read_tree [CLIENT OPTION...]: the client's lines in TREE
  TREE=$(timeout 40 /usr/bin/python3 "$AT_SPI_CLIENT" Zorvanta "$@" 2>>"$MENU_ERRORS") || true
}
has_line() { grep -qxF -- "$1" <<<"$TREE"; }

# The menu joins the bus just after its first picture; a client started
# before that may not see it come, so another one looks.
for _ in 1 2 3; do
  read_tree
  [[ -n "$TREE" ]] && break
done
check "the application and its one frame are named Zorvanta" \
  test "$(head -2 <<<"$TREE")" = $'application Zorvanta\nframe Zorvanta'
check "twelve entries" test "$(grep -c '^entry ' <<<"$TREE")" = 12
window_geometry
check "the first episode: a push button at its place on the screen" has_line \
  "entry первая серия|push button|enabled focusable sensitive showing visible|$((WIN_X + 454)),$((WIN_Y + 32)),164,30||click"
check "the maker's page: a link with its address" has_line \
  "entry Quorrel|link|enabled focusable sensitive showing visible|$((WIN_X + 59)),$((WIN_Y + 420)),102,35|https://quorrel.example/|click"
check "the cross: a push button named Закрыть" grep -q '^entry Закрыть|push button|' <<<"$TREE"

click_at 320 455  # the background: the window has the keyboard
(sleep 3 && xdotool key Tab Tab) &
keys=$!
read_tree --listen 5
wait "$keys"
check "Tab is heard as the focus reaching each entry" \
  test "$(grep '^focused' <<<"$TREE")" = $'focused первая серия\nfocused вторая серия'

read_tree --act "первая серия"
check "the default action of первая серия opens the first episode" \
  opened_exactly "$DISC/Zorvanta - серия 1.avi"
finish
