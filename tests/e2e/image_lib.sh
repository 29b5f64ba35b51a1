# Helpers for the disc image tests: images made from the built demo disc or
# from a maker's folder, and read back with xorriso's own tools, unmounted.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
E2E_BUILD=${E2E_BUILD:?the build folder}
MAKE_IMAGE=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/make-disc-image
PROGRAM_FILES=(start autorun autorun.inf start.exe)

make_image() { "$MAKE_IMAGE" --from "$E2E_BUILD" "$@"; }

# A maker's folder: the demo disc's documents without the program files.
make_content() { # folder
  cp -r "$E2E_DISC" "$1"
  for name in "${PROGRAM_FILES[@]}"; do rm -f "$1/$name"; done
}

# Extracts an image into a scratch folder, named DISC, as a reader copies it.
extract_image() { # image folder
  DISC=$E2E_ROOT/$2
  osirrox -indev "$1" -extract / "$DISC" 2>/dev/null >&2
  chmod -R u+w "$DISC"  # extracted read-only, as on the disc; the scratch must go
}
