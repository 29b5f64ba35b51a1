#!/usr/bin/env bash
# What Explorer and the loader see of start.exe: its size, that it needs
# only the system's own libraries, that it is copied whole from a disc
# before it runs, its icon and version record, and its manifest.
#   program_file.sh START_EXE OBJDUMP WINDRES
set -euo pipefail
program=$1 objdump=$2 windres=$3
failures=0
check() {
  local what=$1
  shift
  if "$@"; then echo "ok: $what"; else echo "FAIL: $what" >&2; failures=$((failures + 1)); fi
}

size=$(stat -c %s "$program")
check "at most 680 KB ($size bytes)" test "$size" -le 680000
headers=$("$objdump" -p "$program")
libraries=$(awk '/DLL Name:/ {print toupper($3)}' <<<"$headers" | sort | tr '\n' ' ')
# The shell's libraries are loaded on first use, after start-up.
check "only system libraries ($libraries)" \
  test "$libraries" = "GDI32.DLL KERNEL32.DLL MSVCRT.DLL USER32.DLL "
for media in removable network; do
  check "run from swap on $media media" grep -q "copy to swap file if on $media media" <<<"$headers"
done
resources=$("$windres" -i "$program" -J coff -O rc)
check "an icon" grep -q 'RT_GROUP_ICON' <<<"$resources"
check "version 1.0.0.0 in the fixed part" grep -q 'FILEVERSION 1, 0, 0, 0' <<<"$resources"
for value in '"FileVersion", "1.00"' '"ProductVersion", "1.00"' '"InternalName", "start"' \
  '"OriginalFilename", "start.exe"' '"ProductName", "Zorvanta"'; do
  check "$value" grep -qF "VALUE $value" <<<"$resources"
done
# The manifest as its text: the resource's quoted lines, quotes undone. A
# manifest Windows cannot read keeps the program from starting at all.
manifest=$(sed -n '/^1 24 /,/^END/{s/^ *"\(.*\)"$/\1/p}' <<<"$resources" | sed 's/""/"/g; s/\\n$//')
check "a manifest that is well-formed XML" xmllint --noout - <<<"$manifest"
for part in '<dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2' \
  '<dpiAware xmlns="http://schemas.microsoft.com/SMI/2005/WindowsSettings">true/pm' \
  '<supportedOS Id="{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"/>' \
  'name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
  '<requestedExecutionLevel level="asInvoker" uiAccess="false"/>'; do
  check "the manifest holds $part" grep -qF "$part" <<<"$manifest"
done
((failures == 0))
