#!/usr/bin/env bash
# The disc image as a burner and a reader see it: every name whole in the
# Windows (Joliet) and the Linux (Rock Ridge) trees, the run bits, the labels,
# the autostart files, the same bytes twice; and a maker's own folder.
source "$(dirname "$0")/image_lib.sh"

# "mode path" for each file of one tree of an image: "any" reads Rock Ridge,
# "norock" the Joliet tree.
tree() { # image any|norock
  xorriso -local_charset UTF-8 -read_fs "$2" -indev "$1" -find / -exec lsdl 2>/dev/null |
    sed -n "s|^\([-d][-rwx]*\) .* '/\(..*\)'\$|\1 \2|p" | sort -k2
}
names() { tree "$@" | cut -d' ' -f2-; }
files_in() { (cd "$1" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort); }
sorted() { LC_ALL=C sort; }

image=$E2E_ROOT/demo.iso
check "the demo image is made without a warning" \
  test "$(make_image --output "$image" 2>&1 >/dev/null)" = ""
check "the demo image stays under 15 MB" test "$(stat -c %s "$image")" -lt 15000000

expected=$(files_in "$E2E_DISC")
required=(start start.exe autorun autorun.inf "Zorvanta - серия 3.avi" "Audio Music/Весенний вальс.wav")
for name in "${required[@]}"; do
  check "the demo disc has $name" grep -qxF "$name" <<<"$expected"
done
check "Rock Ridge holds every file with its exact name" \
  test "$(names "$image" any | sorted)" = "$expected"
check "Joliet holds every file with its exact name" \
  test "$(names "$image" norock | sorted)" = "$expected"

modes=$(tree "$image" any)
check "start keeps its run bits" grep -qxF -- "-r-xr-xr-x start" <<<"$modes"
check "autorun keeps its run bits" grep -qxF -- "-r-xr-xr-x autorun" <<<"$modes"
check "a document gets none" grep -qxF -- "-r--r--r-- Zorvanta - серия 1.avi" <<<"$modes"

osirrox -indev "$image" -extract /autorun.inf "$E2E_ROOT/autorun.inf" 2>/dev/null
check "autorun.inf is byte for byte, with CRLF" cmp -s "$E2E_ROOT/autorun.inf" \
  <(printf '[autorun]\r\nopen=start.exe\r\nicon=start.exe\r\nlabel=Zorvanta\r\n')

check "the ISO label is ZORVANTA" \
  grep -qx "Volume Id *: ZORVANTA" <(xorriso -indev "$image" -pvd_info 2>/dev/null)
joliet_label() { # the descriptor after the primary one: type 2, then its 32-byte name
  test "$(od -An -tx1 -j $((17 * 2048)) -N 1 "$image" | tr -d ' ')" = 02 &&
    dd if="$image" bs=1 skip=$((17 * 2048 + 40)) count=32 status=none |
    iconv -f UTF-16BE -t UTF-8 | sed 's/ *$//'
}
check "the Joliet volume name is Zorvanta" test "$(joliet_label)" = Zorvanta

# Again from a copy with other dates and inodes, as a later build has them.
make_content "$E2E_ROOT/copy"
find "$E2E_ROOT/copy" -exec touch -d "2001-02-03 04:05" {} +
make_image --content "$E2E_ROOT/copy" --output "$E2E_ROOT/again.iso" >/dev/null 2>&1
check "two builds give the same bytes" \
  test "$(sha256sum <"$image")" = "$(sha256sum <"$E2E_ROOT/again.iso")"

# A maker's folder with a media folder left out: told, and the image is made.
# An episode linked from elsewhere goes on the disc as a file.
content=$E2E_ROOT/content
make_content "$content"
rm -r "$content/Video"
ln -sf "$E2E_DISC/Zorvanta - серия 2.avi" "$content/Zorvanta - серия 2.avi"
status=0
warnings=$(make_image --content "$content" --output "$E2E_ROOT/maker.iso" 2>&1 >/dev/null) ||
  status=$?
check "a missing media folder: status 0" test "$status" = 0
check "a missing media folder: one warning naming it" \
  test "$warnings" = "make-disc-image: warning: no media folder \"Video\" in $content"
check "the maker's image holds their files and the program files" \
  test "$(names "$E2E_ROOT/maker.iso" any | sorted)" = "$(grep -v '^Video' <<<"$expected")"

# A careless maker's folder: files that Windows would take for the program's
# own, and links that lead nowhere or back into themselves. Each is named and
# left off; the program's own files go on the disc.
careless=$E2E_ROOT/careless
make_content "$careless"
echo "[autorun]" >"$careless/AUTORUN.INF"
cp "$E2E_DISC/autorun" "$careless/Start.exe"
mkdir "$careless/START"
ln -s .. "$careless/Video/again"
ln -s ../missing.wav "$careless/Audio Music/*.wav" # a pattern to xorriso
ln -s ring "$careless/ring"
warnings=$(make_image --content "$careless" --output "$E2E_ROOT/careless.iso" 2>&1 >/dev/null)
check "each entry left out is named" test "$(sorted <<<"$warnings")" = "$(sorted <<WARNINGS
make-disc-image: warning: "AUTORUN.INF" left out: the disc holds its own autorun.inf
make-disc-image: warning: "START" left out: the disc holds its own start
make-disc-image: warning: "Start.exe" left out: the disc holds its own start.exe
make-disc-image: warning: "Audio Music/*.wav" links to "../missing.wav", which is not there: left off the image
make-disc-image: warning: "Video/again" links back to a folder it lies in: left off the image
make-disc-image: warning: "ring" is a link in a loop: left off the image
WARNINGS
)"
check "the careless image holds the demo's files alone" \
  test "$(names "$E2E_ROOT/careless.iso" norock | sorted)" = "$expected"
osirrox -indev "$E2E_ROOT/careless.iso" -extract /autorun.inf "$E2E_ROOT/careless.inf" 2>/dev/null
check "its autorun.inf is the program's" cmp -s "$E2E_ROOT/careless.inf" "$E2E_DISC/autorun.inf"

# Where the image must not go: one line, status 1, and nothing written.
refused() { # output what-the-line-says [arguments...]
  local output=$1 says=$2 status=0 errors
  shift 2
  errors=$(make_image --output "$output" "$@" 2>&1 >/dev/null) || status=$?
  test "$status" = 1 && test "$(wc -l <<<"$errors")" = 1 && grep -qF "$says" <<<"$errors"
}
for device in /dev/full /dev/stdout; do
  check "$device is refused" refused "$device" "is not a regular file"
done
check "/dev/full is still the device" test -c /dev/full
check "/dev/stdout is still a link" test -L /dev/stdout
check "nothing was written beside them" test -z "$(find /dev -maxdepth 1 -name 'full.*' -o -name 'stdout.*')"
printf 'kept' >"$E2E_ROOT/kept.iso"
chmod 444 "$E2E_ROOT/kept.iso"
check "a read-only file is refused" refused "$E2E_ROOT/kept.iso" "is read-only"
check "and kept" test "$(cat "$E2E_ROOT/kept.iso")" = kept
linked=$E2E_ROOT/linked
make_content "$linked"
check "an image inside its content is refused" \
  refused "$linked/Zorvanta.iso" "inside the content" --content "$linked"
mkdir "$E2E_ROOT/images"
ln -s "$E2E_ROOT/images" "$linked/Extras"
check "so is one inside a folder the content links to" \
  refused "$E2E_ROOT/images/Zorvanta.iso" "through \"Extras\"" --content "$linked"
check "nothing was written in either" \
  test -z "$(find "$linked" "$E2E_ROOT/images" -name 'Zorvanta.iso*')"

# A folder as the output: the image goes inside, and its own size is told.
said=$(make_image --output "$E2E_ROOT/images" 2>/dev/null) || true
check "a folder gets Zorvanta.iso, its size told" test "$said" = \
  "make-disc-image: $E2E_ROOT/images/Zorvanta.iso ($(stat -c %s "$E2E_ROOT/images/Zorvanta.iso") bytes)"

# A folder that is not there: one line, status 1, nothing written.
status=0
errors=$(make_image --content "$E2E_ROOT/nowhere" --output "$E2E_ROOT/out/none.iso" 2>&1) ||
  status=$?
check "a missing content folder: status 1" test "$status" = 1
check "a missing content folder: the error names it" \
  grep -q "content folder \"$E2E_ROOT/nowhere\" does not exist" <<<"$errors"
check "a missing content folder: nothing written" test ! -e "$E2E_ROOT/out"
errors=$(make_image --content "$image" --output "$E2E_ROOT/out/none.iso" 2>&1) || true
check "a file as the content is told not to be a folder" \
  test "$errors" = "make-disc-image: the content \"$image\" is not a folder"
finish
