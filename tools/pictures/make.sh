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
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y $missing
fi

# The program's build embeds the three files and wants them to exist, even
# while they are about to be drawn for the first time.
mkdir -p "$ASSETS"
for file in background.bmp icon.ico hand.cur; do
  [ -e "$ASSETS/$file" ] || : > "$ASSETS/$file"
done

cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target design_dump >/dev/null
"$BUILD/tools/design_dump" > "$BUILD/design.json"

/usr/bin/python3 "$ROOT/tools/pictures/draw.py" \
  --design "$BUILD/design.json" --out "$ASSETS" --preview "$BUILD/pictures"

# Picks up the new files for the .incbin.
cmake -S "$ROOT" -B "$BUILD" >/dev/null
