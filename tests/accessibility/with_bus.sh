#!/bin/sh
# with_bus.sh COMMAND [ARGUMENTS...]
# Runs COMMAND as on a desktop where a screen reader listens: a session bus
# of its own, with the accessibility bus (AT-SPI) and its registry started.
# Each is stopped afterwards and their runtime folder removed; COMMAND's
# status is the script's.
set -eu
launcher=/usr/libexec/at-spi-bus-launcher
unset AT_SPI_BUS_ADDRESS
XDG_RUNTIME_DIR=$(mktemp -d)  # fresh and mode 0700, as the runtime folder must be
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
status=0
dbus-run-session -- sh -c '
  "$0" --launch-immediately &
  launcher=$!
  for _ in $(seq 100); do
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q true && break
    sleep 0.1
  done
  status=0
  "$@" || status=$?
  kill "$launcher"
  wait "$launcher" || true
  exit $status' "$launcher" "$@" || status=$?
exit $status
