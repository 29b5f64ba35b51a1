#!/bin/sh
# Remakes app/assets/background.bmp, icon.ico and hand.cur.
# Installs what the drawing needs from Debian, builds design_dump so that the
# entries are painted where the window's hot areas lie, then draws.
# Usage: tools/pictures/make.sh [build folder]   (default: build-pictures)
set -eu

ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=${1:-$ROOT/build-pictures}
ASSETS=$ROOT/app/assets
PACKAGES="python3-pil python3-numpy fonts-lobster fonts-comfortaa fonts-dejavu-core"

missing=""
for package in $PACKAGES; do
  dpkg -s "$package" >/dev/null 2>&1 || missing="$missing $package"
done
if [ -n "$missing" ]; then
  as_root=""
  if [ "$(id -u)" != 0 ]; then as_root=sudo; fi
  $as_root apt-get update
  DEBIAN_FRONTEND=noninteractive $as_root apt-get install -y $missing
fi

# The pictures may be missing while they are drawn for the first time.
mkdir -p "$ASSETS"
cmake -S "$ROOT" -B "$BUILD" -DZORVANTA_DRAWING_PICTURES=ON >/dev/null
cmake --build "$BUILD" --target design_dump >/dev/null
"$BUILD/tools/design_dump" > "$BUILD/design.json"

/usr/bin/python3 "$ROOT/tools/pictures/draw.py" \
  --design "$BUILD/design.json" --out "$ASSETS" --preview "$BUILD/pictures"

# Picks up the new files for the .incbin.
cmake -S "$ROOT" -B "$BUILD" -DZORVANTA_DRAWING_PICTURES=OFF >/dev/null
