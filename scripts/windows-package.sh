#!/usr/bin/env bash
# Packs the Windows programs built in OUT/build/bin (default build-windows): stripped
# copies and the licence, Ambrel's followed by expat's and Scintilla's (with CR LF line ends), in
# OUT/dist, a zip of them in one folder named like the release, and the installer made by
# makensis.
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

# The programs link expat and Scintilla statically: their licences follow Ambrel's.
expat_licence=$out/deps/prefix/share/expat/COPYING
scintilla_licence=$out/deps/prefix/share/scintilla/License.txt
for licence in "$expat_licence" "$scintilla_licence"; do
  [ -f "$licence" ] || {
    echo "windows-package: no $licence (built by scripts/windows-deps.sh; remove the library's" \
      "stamp .built-* under deps/prefix to build it again)" >&2
    exit 1
  }
done
{
  cat LICENSE
  printf '\n\nThe Windows programs include expat, under this licence:\n\n'
  cat "$expat_licence"
  printf '\n\nThe Windows programs include Scintilla, under this licence:\n\n'
  cat "$scintilla_licence"
} | sed 's/$/\r/' > "$dist/LICENSE.txt"

release=Ambrel-$version
zip_file=$out/$release-windows-x64.zip
rm -f "$zip_file" && rm -rf "${out:?}/zip" && mkdir -p "$out/zip/$release"
cp "$dist"/*.exe "$dist/LICENSE.txt" "$out/zip/$release/"
(cd "$out/zip" && zip -q -X -r "$zip_file" "$release")
rm -rf "${out:?}/zip"

makensis -V2 -DVERSION="$version" -DDIST="$dist" -DICON="$out/build/resources/ambrel.ico" \
  -DOUTFILE="$out/$release-setup.exe" installer/ambrel.nsi
echo "windows-package: $zip_file, $out/Ambrel-$version-setup.exe"
