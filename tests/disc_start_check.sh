#!/usr/bin/env bash
# disc_start_check.sh DISC_START NATIVE_START
# The disc's start loads on the desktops of 2020 onwards: no glibc symbol
# newer than 2.31, under 2 MB, and the same libraries as the native build.
set -euo pipefail
disc_start=$1
native_start=$2
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

newest=$(objdump -T "$disc_start" | grep -o 'GLIBC_[0-9.]*' | sort -uV | tail -1)
echo "newest glibc symbol version: $newest"
too_new=$(objdump -T "$disc_start" | grep -o 'GLIBC_[0-9.]*' | sort -uV |
  awk -F'[_.]' '$2 > 2 || ($2 == 2 && $3 > 31)')
[[ -z "$too_new" ]] || fail "needs a glibc newer than 2.31: $(echo $too_new)"

size=$(stat -c %s "$disc_start")
echo "size: $size bytes"
((size < 2 * 1024 * 1024)) || fail "$size bytes, not under 2 MB"

# glibc's own parts aside: before 2.34 it kept dlopen and threads apart.
libraries() {
  ldd "$1" | awk '{ print $1 }' | grep -Ev '^(lib(c|m|dl|pthread|rt)\.so|linux-vdso|/lib64/ld-)' | sort
}
difference=$(diff <(libraries "$native_start") <(libraries "$disc_start")) ||
  fail "libraries differ from the native build's:"$'\n'"$difference"

((failures == 0)) || exit 1
echo "all checks passed"
