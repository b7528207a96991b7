#!/usr/bin/env bash
# Tests the Windows installer in a fresh private Wine prefix: a silent install puts the
# programs and the licence under Program Files and registers the uninstaller with its
# size; the installed ambrel-gen.exe prints byte for byte what the Linux ambrel-gen prints
# for the same files, with the same exit status; a silent uninstall leaves nothing behind
# in Program Files or the registry.
# Usage: windows-installer-test.sh LINUX_AMBREL_GEN [OUT (default build-windows)]
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
linux_gen=$(realpath "$1")
out=$(realpath "${2:-build-windows}")
version=$(sed -n 's/^project(ambrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
setup=$out/Ambrel-$version-setup.exe
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Ambrel'
source scripts/windows-wine.sh

fail() {
  echo "windows-installer-test: $*" >&2
  exit 1
}

[ -x "$linux_gen" ] || fail "no Linux ambrel-gen at $1"
[ -f "$setup" ] || fail "no installer at $setup (scripts/build-windows.sh makes it)"

rm -rf "$out/wine-installer"
trap wine_end EXIT
wine_prefix "$out/wine-installer"
program_files=$(winepath -u 'C:\Program Files' 2>/dev/null)
program_files=${program_files%/}
before=$(cd "$program_files" && find . | sort)

wine "$setup" /S
installed=$program_files/Ambrel
for file in ambrel.exe ambrel-gen.exe ambrel-dialog.exe LICENSE.txt uninstall.exe; do
  [ -f "$installed/$file" ] || fail "the installer did not put $file into Program Files"
done
for library in expat Scintilla; do
  grep -q "^The Windows programs include $library" "$installed/LICENSE.txt" ||
    fail "the installed licence does not carry $library's"
done
start_menu=$(winepath -u 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs' 2>/dev/null)
[ -f "${start_menu%/}/Ambrel.lnk" ] || fail "no Start-menu entry for ambrel.exe"
wine reg query "$key" /v DisplayVersion /reg:64 2>/dev/null | grep -q "$version" ||
  fail "no uninstall entry for Ambrel $version in the registry"
wine reg query "$key" /v EstimatedSize /reg:64 2>/dev/null | grep -qE 'REG_DWORD\s+0x0*[1-9a-f]' ||
  fail "the uninstall entry has no EstimatedSize"
open_with='HKLM\Software\Classes\Applications\ambrel.exe\shell\open\command'
wine reg query "$open_with" /reg:64 2>/dev/null | grep -qF '\Ambrel\ambrel.exe" "%1"' ||
  fail "ambrel.exe is not offered to open files"

# The installed program against the Linux one, on the sample and the generator's corpus
# (encodings, byte-order marks, malformed documents).
compared=0
work=$out/installer-test
rm -rf "$work" && mkdir -p "$work"
for sample in "$root"/samples/*.xml "$root"/fuzz/corpus/generate/*.xml; do
  linux_status=0 windows_status=0
  "$linux_gen" "$sample" > "$work/linux.out" 2>/dev/null || linux_status=$?
  wine 'C:\Program Files\Ambrel\ambrel-gen.exe' "$(winepath -w "$sample" 2>/dev/null)" \
    > "$work/windows.out" 2>/dev/null || windows_status=$?
  [ "$linux_status" = "$windows_status" ] ||
    fail "$(basename "$sample"): exit status $windows_status on Windows, $linux_status on Linux"
  cmp -s "$work/linux.out" "$work/windows.out" ||
    fail "$(basename "$sample"): the installed ambrel-gen.exe printed other bytes than the Linux ambrel-gen"
  compared=$((compared + 1))
done
grep -q $'\r$' "$work/windows.out" || fail "the output has no CR LF line ends"

wine 'C:\Program Files\Ambrel\uninstall.exe' /S
# The uninstaller finishes from a copy of itself, after the program started has ended.
for _ in $(seq 120); do
  [ -e "$installed" ] || break
  sleep 0.5
done
after=$(cd "$program_files" && find . | sort)
[ "$before" = "$after" ] || fail "the uninstaller left in Program Files: $(diff <(echo "$before") <(echo "$after") | grep '^>' | head -5)"
if wine reg query "$key" /reg:64 >/dev/null 2>&1; then fail "the uninstall entry is still in the registry"; fi
if wine reg query "$open_with" /reg:64 >/dev/null 2>&1; then fail "the Open with entry is still in the registry"; fi
rm -rf "$work"
echo "windows-installer-test: installed, $compared files generated as on Linux, uninstalled without a trace"
