#!/usr/bin/env bash
# What building and running the programs needs: compiler, CMake, Ninja, expat, RapidJSON, Qt
# with its Qt 5 compatibility module (Scintilla's Qt layer converts text with QTextCodec),
# and the X C binding (the paste reads the X clipboard itself); PCRE2, which only the
# references of the benchmarks (configured in the same build) use; and Scintilla's source
# for the editors, unpacked from Debian's scite source package into deps/scintilla with the
# tools that fetch and unpack a Debian source.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ cmake ninja-build pkg-config
  libexpat1-dev libpcre2-dev rapidjson-dev
  qt6-base-dev qt6-5compat-dev libgl-dev libxcb1-dev
  fonts-dejavu-core
  dpkg-dev debian-archive-keyring xz-utils
)

bash setup-packages.sh "${packages[@]}"
bash scintilla-source.sh
