#!/usr/bin/env bash
# The disc's start on an older system: run inside the Debian 11 root it was
# built in, against this display over TCP (the X server must listen on it).
# The window shows, an episode and a list entry reach the opener inside the
# root; and without /proc, started by a bare name along PATH, it still finds
# the documents beside it.
OLD_ROOT=${OLD_ROOT:?the Debian 11 root}
[[ -x $OLD_ROOT/bin/sh ]] || { echo "no Debian 11 root at $OLD_ROOT" >&2; exit 1; }
exec 9>"$OLD_ROOT.lock"
flock -s 9  # the root is not remade under us
TMPDIR=$OLD_ROOT/tmp source "$(dirname "$0")/lib.sh"
make_disc
inner=${E2E_ROOT#"$OLD_ROOT"}  # the scratch folder as seen inside the root
cp "$XAUTHORITY" "$E2E_ROOT/xauth"
mkdir "$E2E_ROOT/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$*" >>%s/opened.log\n' "$inner" >"$E2E_ROOT/bin/xdg-open"
chmod +x "$E2E_ROOT/bin/xdg-open"

# Starts the menu in the root from its home folder by the command given;
# /proc is mounted in a mount namespace of its own, gone when the menu ends.
start_in_root() {  # start_in_root with-proc|without-proc COMMAND
  local mount_proc=true
  [[ $1 == with-proc ]] && mount_proc='mount -t proc proc "$0/proc"'
  unshare --mount --propagation private sh -ec "$mount_proc; exec chroot \"\$0\" \"\$@\"" \
    "$OLD_ROOT" /usr/bin/env -i PATH="$inner/disc:$inner/bin:/usr/bin:/bin" HOME="$inner" \
    XDG_RUNTIME_DIR="$inner/runtime" XAUTHORITY="$inner/xauth" \
    DISPLAY="127.0.0.1:${DISPLAY#*:}" LC_ALL=C.UTF-8 sh -c "cd \"\$HOME\" && exec $2" &
  MENU_PID=$!
  wait_for_menu
}

end_menu() {
  kill "$MENU_PID"
  wait "$MENU_PID" || true
  MENU_PID=
}

start_in_root with-proc "$inner/disc/start"
check "/proc is mounted for the menu only" bash -c "! grep -q ' $OLD_ROOT/proc ' /proc/mounts"
window_geometry
check "the window shows, 640 by 480" test "${WIN_W}x${WIN_H}" = "640x480"
click_at 536 47  # the first episode
check "an episode reaches the opener in the root" \
  test "$(cat "$OPEN_LOG")" = "$inner/disc/Zorvanta - серия 1.avi"
: >"$OPEN_LOG"
click_at 97 187  # музыка mp3
double_click_at 240 72  # its first file
check "the panel lists the folder and opens its file" \
  test "$(cat "$OPEN_LOG")" = "$inner/disc/Audio Music/Morning Tune.wav"
end_menu

: >"$OPEN_LOG"
start_in_root without-proc start
click_at 536 47
check "without /proc, started along PATH, an episode is found beside the program" \
  test "$(cat "$OPEN_LOG")" = "$inner/disc/Zorvanta - серия 1.avi"
end_menu
finish
