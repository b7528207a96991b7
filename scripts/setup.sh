#!/usr/bin/env bash
# Installs every build and test dependency from Debian's packages, only what is missing.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config
  libexpat1-dev libpcre2-dev
  qt6-base-dev libgl-dev
  fonts-dejavu-core
  libgtest-dev
  xvfb openbox wmctrl xdotool xclip x11-utils imagemagick
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "setup: installing ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
