#!/usr/bin/env bash
# Installs what the Windows build, its tests and its installer need from Debian's packages,
# only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build pkg-config dpkg-dev ccache
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libexpat1-dev libpcre2-dev rapidjson-dev libgtest-dev
  wine wine64
  nsis zip
  xvfb openbox wmctrl xdotool xclip imagemagick
)

bash "$(dirname "$0")/setup-packages.sh" "${packages[@]}"
