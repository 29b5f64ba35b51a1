#!/usr/bin/env bash
# The opener finds no program for a document: the user is told which, and
# the menu goes on.
source "$(dirname "$0")/lib.sh"
make_disc
install_opener
start_menu

echo 3 >"$E2E_ROOT/opener-status"
click_at 536 47
check "no program for a document brings a message" wait_for_message
close_message
check "the menu stays usable after the message" menu_running
check "the cross ends the program with status 0" close_with_cross
finish
