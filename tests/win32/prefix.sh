#!/bin/sh
# A scratch Wine prefix for the tests: made once before them, removed after.
#   prefix.sh make DIR     a fresh prefix, with the desktop's opener behind
#                          the documents the menu opens, and a drive Q:
#                          that holds nothing, as an empty disc
#   prefix.sh idle DIR     waits until its wineserver has ended
#   prefix.sh remove DIR   stops its wineserver and deletes it
#   prefix.sh dpi DIR N COMMAND...   runs COMMAND once the prefix's desktop
#                          asks for N dots per inch
set -eu
here=$(cd "$(dirname "$0")" && pwd)
export WINEPREFIX="$2"
case "$1" in
  make)
    # A prefix left by a run that was stopped may still have its server.
    if [ -d "$WINEPREFIX" ]; then "$here/wine" wineserver -k 2>/dev/null || true; fi
    rm -rf "$WINEPREFIX"
    "$here/wine" wineboot -i
    # Wine's own browser hands a document on to xdg-open, as a file:// address.
    for type in .avi .wav; do
      "$here/wine" reg add "HKCR\\$type" /ve /d zorvanta.document /f
    done
    "$here/wine" reg add 'HKCR\zorvanta.document\shell\open\command' /ve \
      /d 'C:\windows\system32\winebrowser.exe "%1"' /f
    mkdir "$WINEPREFIX/empty-drive"
    ln -s ../empty-drive "$WINEPREFIX/dosdevices/q:"
    "$here/wine" wineserver -w
    ;;
  idle)
    "$here/wine" wineserver -w
    ;;
  dpi)
    "$here/wine" wineserver -w
    for key in 'HKCU\Control Panel\Desktop' 'HKCC\Software\Fonts'; do
      "$here/wine" reg add "$key" /v LogPixels /t REG_DWORD /d "$3" /f >/dev/null
    done
    shift 3
    exec "$@"
    ;;
  remove)
    "$here/wine" wineserver -k 2>/dev/null || true
    rm -rf "$WINEPREFIX"
    ;;
esac
