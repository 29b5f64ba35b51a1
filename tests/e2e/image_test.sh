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
required=(start autorun autorun.inf "Zorvanta - серия 3.avi" "Audio Music/Весенний вальс.wav")
# start.exe joins them for good once the Windows build puts it on the demo disc.
if [[ -e "$E2E_DISC/start.exe" ]]; then required+=(start.exe); fi
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

# A folder that is not there: one line, status 1, nothing written.
status=0
errors=$(make_image --content "$E2E_ROOT/nowhere" --output "$E2E_ROOT/out/none.iso" 2>&1) ||
  status=$?
check "a missing content folder: status 1" test "$status" = 1
check "a missing content folder: the error names it" \
  grep -q "content folder \"$E2E_ROOT/nowhere\" does not exist" <<<"$errors"
check "a missing content folder: nothing written" test ! -e "$E2E_ROOT/out"
finish
