# Helpers for driving the real program as a user would: a scratch copy of
# the disc, a stand-in opener that logs what it is asked to open, the
# window found and clicked with xdotool, and screenshots.
set -euo pipefail

E2E_PROGRAM=${E2E_PROGRAM:?the built start program}
E2E_DISC=${E2E_DISC:?the demo disc folder}
E2E_RUNNER=${E2E_RUNNER:-}  # what runs the program, if not the system itself: Wine
# How long what a click sets off may take to reach the opener: Wine hands
# documents on through programs of its own.
SETTLE=${E2E_RUNNER:+1.5}
SETTLE=${SETTLE:-0.4}
# How long, in tenths of a second, a check waits for what must come: a
# Windows program under a loaded Wine may take seconds to start.
PATIENCE=${E2E_RUNNER:+150}
PATIENCE=${PATIENCE:-50}
PROGRAM_NAME=${E2E_PROGRAM##*/}
E2E_ROOT=$(mktemp -d "${TMPDIR:-/tmp}/zorvanta-e2e.XXXXXX")
export XDG_RUNTIME_DIR=$E2E_ROOT/runtime
mkdir -m 0700 "$XDG_RUNTIME_DIR"
OPEN_LOG=$E2E_ROOT/opened.log
OPEN_ARGS=$E2E_ROOT/opened.args  # each call: its argument count, then each argument, NUL-ended
MENU_ERRORS=$E2E_ROOT/menu.stderr
MENU_PID=
WINDOW=
: >"$OPEN_LOG"
: >"$OPEN_ARGS"
: >"$MENU_ERRORS"
failures=0

cleanup() {
  if [[ -n "$MENU_PID" ]] && kill -0 "$MENU_PID" 2>/dev/null; then kill "$MENU_PID" || true; fi
  rm -rf "$E2E_ROOT"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

check() {  # check "what" command...
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else fail "$what"; fi
}

# Runs a command until it succeeds, for up to PATIENCE tenths of a second.
eventually() {
  for _ in $(seq "$PATIENCE"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

finish() {
  if ((failures > 0)); then
    echo "$failures check(s) failed; the menu's standard error:" >&2
    cat "$MENU_ERRORS" >&2
    exit 1
  fi
  echo "all checks passed"
}

# A disc folder of our own: the program and the documents beside it.
make_disc() {
  DISC=$E2E_ROOT/disc
  cp -r "$E2E_DISC" "$DISC"
  cp "$E2E_PROGRAM" "$DISC/$PROGRAM_NAME"
}

# The desktop's opener, stood in for: one line per document it is given.
# Wine hands documents over as file:// addresses: they are logged as the
# paths they name, so that every program's log reads alike.
install_opener() {
  mkdir -p "$E2E_ROOT/bin"
  cat >"$E2E_ROOT/bin/xdg-open" <<OPENER
#!/usr/bin/env bash
documents=()
for document in "\$@"; do
  if [[ \$document == file://* ]]; then
    document=\${document#file://}
    document=\$(printf '%b.' "\${document//%/\\\\x}")
    document=\${document%.}
  fi
  documents+=("\$document")
done
printf '%s\\n' "\${documents[*]}" >>"$OPEN_LOG"
printf '%s\\0' "\${#documents[@]}" "\${documents[@]}" >>"$OPEN_ARGS"
exit \$(cat "$E2E_ROOT/opener-status" 2>/dev/null || echo 0)
OPENER
  chmod +x "$E2E_ROOT/bin/xdg-open"
  export PATH=$E2E_ROOT/bin:$PATH
}

forget_opened() {
  : >"$OPEN_LOG"
  : >"$OPEN_ARGS"
}

# Whether the opener was called once, with exactly this one argument, by
# now or before PATIENCE runs out.
opened_exactly() {
  printf '%s\0' 1 "$1" >"$E2E_ROOT/expected.args"
  eventually cmp -s "$E2E_ROOT/expected.args" "$OPEN_ARGS" && return 0
  echo "the opener was given instead: $(tr '\n' '|' <"$OPEN_LOG")" >&2
  return 1
}

# Whether the opener's lines are these, by now or before PATIENCE runs out,
# in any order: each document is handed on by a process of its own, and one
# may overtake another.
opened_lines() {
  local expected
  expected=$(LC_ALL=C sort <<<"$1")
  for _ in $(seq "$PATIENCE"); do
    [[ "$(LC_ALL=C sort "$OPEN_LOG")" == "$expected" ]] && return 0
    sleep 0.1
  done
  echo "the opener was given instead: $(tr '\n' '|' <"$OPEN_LOG")" >&2
  return 1
}

# Whether nothing at all reached the opener, once what was set off settled.
opened_nothing() {
  sleep "$SETTLE"
  test ! -s "$OPEN_LOG"
}

# The command that runs the program of a disc folder (this one's if none is
# given): through the runner if there is one.
program_command() {
  PROGRAM_COMMAND=("${1:-$DISC}/$PROGRAM_NAME")
  if [[ -n "$E2E_RUNNER" ]]; then PROGRAM_COMMAND=("$E2E_RUNNER" "${PROGRAM_COMMAND[@]}"); fi
}

# Runs the program of a disc folder, as start_menu does, and waits up to
# twenty seconds for it to end; its status is the function's.
run_program() {
  program_command "$@"
  (cd "$E2E_ROOT" && exec timeout 20 "${PROGRAM_COMMAND[@]}" 2>>"$MENU_ERRORS")
}

# A real window manager, Debian's openbox, for as long as the test runs. A
# menu started before it is ready is left unmanaged: the test fails when it
# has not taken the display within 30 s.
start_window_manager() {
  openbox --sm-disable --config-file /dev/null >/dev/null 2>&1 &
  WM_PID=$!
  trap 'kill "$WM_PID" 2>/dev/null || true; cleanup' EXIT
  for _ in $(seq 300); do
    window_manager_running && return 0
    sleep 0.1
  done
  fail "openbox never took the display"
  finish
}

window_manager_running() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# Starts the menu (or what starts it, given) from another working folder and
# waits for its window. Its standard error goes to MENU_ERRORS, shown if a check fails.
# With MENU_TRACE set, the menu's own calls on files are logged there.
start_menu() {
  local run=("${1:-$DISC/$PROGRAM_NAME}")
  if [[ -n "$E2E_RUNNER" ]]; then run=("$E2E_RUNNER" "${run[@]}"); fi
  if [[ -n "${MENU_TRACE:-}" ]]; then
    run=(strace -qq -e trace=%file,fchmod,ftruncate -o "$MENU_TRACE" "${run[@]}")
  fi
  (cd "$E2E_ROOT" && exec "${run[@]}" 2>>"$MENU_ERRORS") &
  MENU_PID=$!
  wait_for_menu
}

wait_for_menu() {
  WINDOW=
  for _ in $(seq 300); do
    WINDOW=$(xdotool search --onlyvisible --name '^Zorvanta$' 2>/dev/null | head -1 || true)
    [[ -n "$WINDOW" ]] && break
    sleep 0.1
  done
  [[ -n "$WINDOW" ]] || never_appeared
  sleep 0.3
}

# What there is to know when the window does not come.
never_appeared() {
  local state="has ended"
  menu_running && state="is still running"
  echo "FAIL: the menu window never appeared; the menu $state. Its standard error:" >&2
  cat "$MENU_ERRORS" >&2
  echo "The X server's log (${X_SERVER_LOG:-none}):" >&2
  cat "${X_SERVER_LOG:-/dev/null}" >&2
  exit 1
}

window_geometry() {  # sets WIN_X WIN_Y WIN_W WIN_H
  local info
  info=$(xwininfo -id "$WINDOW")
  WIN_X=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  WIN_Y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  WIN_W=$(awk '/Width:/ {print $2}' <<<"$info")
  WIN_H=$(awk '/Height:/ {print $2}' <<<"$info")
}

# Puts the pointer on (x, y) of the window, in the program's pixels: times
# E2E_SCALE, the display scale the menu is expected to take.
point_at() {
  local scale=${E2E_SCALE:-1}
  window_geometry
  xdotool mousemove $((WIN_X + $1 * scale)) $((WIN_Y + $2 * scale))
  sleep 0.1
}

# Clicks at (x, y) of the window.
click_at() {
  local button=${3:-1}
  point_at "$1" "$2"
  xdotool click "$button"
  sleep 0.3
}

double_click_at() {
  point_at "$1" "$2"
  xdotool click --repeat 2 --delay 80 1
  sleep 0.4
}

# The window's pixel (x, y) as "r,g,b" from a screenshot of the screen.
SHOT=
screenshot() {
  SHOT=$E2E_ROOT/shot-$RANDOM.png
  import -window root "$SHOT"
}

pixel_at() {  # pixel_at x y  (window coordinates, from the last screenshot)
  window_geometry
  convert "$SHOT" -format "%[fx:int(255*u.p{$((WIN_X + $1)),$((WIN_Y + $2))}.r)],%[fx:int(255*u.p{$((WIN_X + $1)),$((WIN_Y + $2))}.g)],%[fx:int(255*u.p{$((WIN_X + $1)),$((WIN_Y + $2))}.b)]" info:
}

menu_running() { kill -0 "$MENU_PID" 2>/dev/null; }
menu_ended() { ! menu_running; }

# Clicks the cross; true when the menu then ends with status 0.
close_with_cross() {
  local status=0
  click_at 618 17
  eventually menu_ended || return 1
  wait "$MENU_PID" || status=$?
  MENU_PID=
  test "$status" = 0
}

# A message box: a window the menu owns (it is "transient for" the menu),
# whatever its title.
message_window() {
  local owner window
  owner=$(printf '0x%x' "$WINDOW")
  for window in $(xdotool search --onlyvisible --name '' 2>/dev/null); do
    if [[ $(xprop -id "$window" WM_TRANSIENT_FOR 2>/dev/null) == *" $owner" ]]; then
      echo "$window"
      return
    fi
  done
}

# True when a message box titled like the menu comes over it.
wait_for_message() {
  local box
  for _ in $(seq 30); do
    box=$(message_window)
    if [[ -n "$box" ]]; then
      [[ $(xdotool getwindowname "$box") == Zorvanta ]] && return 0
      echo "the message box is titled \"$(xdotool getwindowname "$box")\"" >&2
      return 1
    fi
    sleep 0.1
  done
  return 1
}

# Presses the message box's OK button, in the middle of its bottom row:
# FLTK's lies higher above the edge than Windows'.
close_message() {
  local box info x y w h above
  box=$(message_window)
  [[ -n "$box" ]] || return 1
  info=$(xwininfo -id "$box")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width:/ {print $2}' <<<"$info")
  h=$(awk '/Height:/ {print $2}' <<<"$info")
  for above in 33 20; do
    xdotool mousemove $((x + w / 2)) $((y + h - above)) click 1
    for _ in $(seq 20); do
      [[ -z "$(message_window)" ]] && return 0
      sleep 0.1
    done
  done
  return 1
}
