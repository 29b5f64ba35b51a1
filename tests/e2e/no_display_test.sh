#!/usr/bin/env bash
# Without a display the menu says so in one line and ends with status 1.
source "$(dirname "$0")/lib.sh"
make_disc
status=0
errors=$(env -u DISPLAY "$DISC/$PROGRAM_NAME" 2>&1 >/dev/null) || status=$?
check "no display: status 1" test "$status" = 1
check "no display: one line on standard error ($errors)" test "$(wc -l <<<"$errors")" = 1
finish
