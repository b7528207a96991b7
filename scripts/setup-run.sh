#!/usr/bin/env bash
# What building and running the programs needs: compiler, CMake, Ninja, expat, RapidJSON, Qt,
# QScintilla (the editors), and the X C binding (the paste reads the X clipboard itself); and
# PCRE2, which only the references of the benchmarks (configured in the same build) use.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  g++ cmake ninja-build pkg-config
  libexpat1-dev libpcre2-dev rapidjson-dev
  qt6-base-dev libgl-dev libxcb1-dev libqscintilla2-qt6-dev
  fonts-dejavu-core
)

bash setup-packages.sh "${packages[@]}"
