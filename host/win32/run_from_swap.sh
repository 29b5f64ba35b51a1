#!/bin/sh
# run_from_swap.sh PROGRAM.EXE
# Asks Windows to copy the program whole into the swap file before it runs
# when it lies on removable or network media (IMAGE_FILE_REMOVABLE_RUN_FROM_SWAP
# and IMAGE_FILE_NET_RUN_FROM_SWAP in its COFF header): from a disc, one
# sequential read instead of pages fetched a seek at a time. mingw-w64's ld
# has no option for it. The header's checksum is made anew.
set -eu
program=$1
run_from_swap=$((0x0400 | 0x0800))

# An unsigned little-endian field of 2 or 4 bytes at an offset.
field() { od -An -v -t u"$2" -j "$1" -N "$2" "$program" | tr -d ' '; }
put() { # offset, bytes, value
  bytes=""
  i=0
  while [ $i -lt "$2" ]; do
    bytes="$bytes$(printf '\\%03o' $((($3 >> (8 * i)) & 0xFF)))"
    i=$((i + 1))
  done
  printf "$bytes" | dd of="$program" bs=1 seek="$1" conv=notrunc status=none
}

pe=$(field 60 4)
if [ "$(od -An -c -j "$pe" -N 4 "$program" | tr -d ' ')" != 'PE\0\0' ]; then
  echo "run_from_swap.sh: $program is no Windows program" >&2
  exit 1
fi
characteristics=$((pe + 22))
checksum=$((pe + 24 + 64))  # in the optional header, alike for 32 and 64 bits
put "$characteristics" 2 $(($(field "$characteristics" 2) | run_from_swap))

# The file's 16-bit words summed with end-around carry, the checksum's own
# left out, plus the file's length.
sum=$(od -An -v -t u2 "$program" | awk -v skip=$((checksum / 2)) '
  { for (i = 1; i <= NF; i++) { if (n != skip && n != skip + 1) { s += $i; s = s % 65536 + int(s / 65536) } n++ } }
  END { print s }')
put "$checksum" 4 $((sum + $(stat -c %s "$program")))
