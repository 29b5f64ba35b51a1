#!/usr/bin/env bash
# From a disc the menu pages itself in from one pass over its own file, read
# before anything else of the program's: the loader's files aside, that is
# the first file it opens.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
MENU_TRACE=$E2E_ROOT/calls
start_menu
check "the cross ends the session" close_with_cross
first=$(awk '/^openat\(/ && !/"\/etc\/ld\.so|\.so[.0-9]*"/ { print; exit }' "$MENU_TRACE")
check "the menu first reads its own file ($first)" \
  grep -qF "\"$DISC/$PROGRAM_NAME\", O_RDONLY" <<<"$first"
finish
