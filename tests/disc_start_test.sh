#!/usr/bin/env bash
# disc_start_test.sh DISC_START NATIVE_START
# The disc's start loads on the desktops of 2020 onwards: no glibc symbol
# newer than 2.31, at most 1.2 MB (read whole from the disc at every start),
# and the same libraries as the native build.
# And when the old root cannot be made, the disc gets the native start.
set -euo pipefail
disc_start=$1
native_start=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
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
((size <= 1200000)) || fail "$size bytes, more than 1.2 MB"

# glibc's own parts aside: before 2.34 it kept dlopen and threads apart.
libraries() {
  ldd "$1" | awk '{ print $1 }' | grep -Ev '^(lib(c|m|dl|pthread|rt)\.so|linux-vdso|/lib64/ld-)' | sort
}
difference=$(diff <(libraries "$native_start") <(libraries "$disc_start")) ||
  fail "libraries differ from the native build's:"$'\n'"$difference"

# An archive that cannot be reached: one line says so, the build goes on with
# the native start, and nothing of the half-made root is left.
status=0
ZORVANTA_CACHE=$scratch/cache ZORVANTA_DEBIAN_MIRROR=http://127.0.0.1:9/debian \
  "$(dirname "$0")/../scripts/disc-start" "$native_start" "$scratch/start" 2>"$scratch/said" ||
  status=$?
cat "$scratch/said"
[[ $status == 0 ]] || fail "without the root the build stops ($status)"
cmp -s "$native_start" "$scratch/start" || fail "without the root the disc gets no native start"
[[ $(grep -c 'the disc gets the native start' "$scratch/said") == 1 ]] || fail "no one line says so"
[[ ! -e $scratch/cache/bullseye ]] || fail "a half-made root is left"

((failures == 0)) || exit 1
echo "all checks passed"
