#!/usr/bin/env bash
# What the test command needs: everything setup-run.sh installs, plus the test framework,
# clang for the fuzzers, a private X server with a window manager and the tools that drive
# it, QScintilla for the editor probe, and the validators and builders of the Linux package.
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  # unit tests, sanitizers and fuzzers, the format check
  libgtest-dev clang-format ccache
  clang libclang-rt-14-dev
  # the real window on a private X server
  xvfb openbox wmctrl xdotool xclip x11-utils imagemagick
  # the window benchmark's watcher (pings, pixels and the pointer's shape)
  libx11-dev libxfixes-dev
  # the editor probe's QScintilla candidate (the programs' editors are Scintilla's own Qt layer)
  libqscintilla2-qt6-dev
  # desktop entry, metadata, icons and manual pages
  desktop-file-utils appstream appstream-util librsvg2-bin man-db
  # the Debian package
  debhelper dpkg-dev lintian
)

bash setup-run.sh
bash setup-packages.sh "${packages[@]}"
