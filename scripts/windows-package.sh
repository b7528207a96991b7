#!/usr/bin/env bash
# Packs the Windows programs built in OUT/build/bin (default build-windows): stripped
# copies in OUT/dist, a plain zip of them and the installer made by makensis.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p "${1:-build-windows}"
out=$(realpath "${1:-build-windows}")
version=$(sed -n 's/^project(ambrel VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
bin=$out/build/bin
dist=$out/dist

rm -rf "$dist" && mkdir -p "$dist"
for program in ambrel ambrel-gen ambrel-dialog; do
  [ -f "$bin/$program.exe" ] || continue
  x86_64-w64-mingw32-strip -o "$dist/$program.exe" "$bin/$program.exe"
done
[ -f "$dist/ambrel.exe" ] && [ -f "$dist/ambrel-gen.exe" ] && [ -f "$dist/ambrel-dialog.exe" ] ||
  { echo "windows-package: the programs are not built in $bin" >&2; exit 1; }

zip_file=$(realpath -m "$out")/Ambrel-$version-windows-x64.zip
rm -f "$zip_file"
(cd "$dist" && zip -q -X "$zip_file" ./*.exe)

makensis -V2 -DVERSION="$version" -DDIST="$dist" -DOUTFILE="$out/Ambrel-$version-setup.exe" installer/ambrel.nsi
echo "windows-package: $zip_file, $out/Ambrel-$version-setup.exe"
