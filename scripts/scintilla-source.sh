#!/usr/bin/env bash
# Unpacks Scintilla's source into deps/scintilla, where cmake/FindScintillaQt.cmake compiles
# it with its own Qt platform layer: the scintilla folder of Debian's scite source package,
# of the version the host's release carries, taken as the Windows build takes it
# (scripts/debian-source.sh). Nothing is done when the folder holds that version already.
# Its stamp, deps/scintilla/.scite-source-VERSION, holds the source version taken (the
# Debian package's Built-Using) and the host's fixes it lacks, which are also printed as a
# WARNING and kept in deps/warnings.txt for the test command's summary.
set -euo pipefail
shopt -s inherit_errexit
cd "$(dirname "$0")/.."
deps=$(pwd)/deps
programs="Linux programs"
source scripts/debian-source.sh

# Replaces deps/scintilla whole, so that a folder there is never half of one version.
take_scintilla() {
  local source=$1/scintilla target=$deps/scintilla
  rm -rf "$target.new"
  cp -a "$source" "$target.new"
  rm -rf "$target"
  mv "$target.new" "$target"
}

scite_version=$(scintilla_source_version)
source_once scite "$scite_version" scite "$deps/scintilla/.scite-source-$scite_version" \
  "unpacking Scintilla's source for the host's scite $scite_version into deps/scintilla" take_scintilla
