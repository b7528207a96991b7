#!/usr/bin/env bash
# Installs what the Windows build, its tests and its installer need from Debian's packages,
# only what is missing.
set -euo pipefail

packages=(
  cmake ninja-build pkg-config dpkg-dev ccache
  g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libexpat1-dev libpcre2-dev libgtest-dev
  wine wine64
  nsis zip
  xvfb openbox wmctrl xdotool xclip imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "windows-setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
