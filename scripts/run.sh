#!/usr/bin/env bash
# Installs what is missing, builds, and starts the desktop tool.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup-run.sh
# The tests need GoogleTest, which only the test set-up installs; where it is present they stay
# configured, so that this and scripts/test.sh share build/ without reconfiguring it.
tests=OFF
dpkg-query -W -f='${Status}' libgtest-dev 2>/dev/null | grep -q 'install ok installed' && tests=ON
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DAMBREL_TESTS="$tests" >/dev/null
cmake --build build -j"$(nproc)" --target ambrel ambrel-gen ambrel-dialog

if [ -x build/bin/ambrel ] && [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/bin/ambrel "$@"
fi
if [ -x build/bin/ambrel ]; then
  echo "run: no display here, so instead of the window this shows the command-line generator on samples/catalog.xml" >&2
else
  echo "run: the desktop tool is not built yet; this shows the command-line generator on samples/catalog.xml" >&2
fi
if [ -x build/bin/ambrel-gen ]; then
  exec build/bin/ambrel-gen samples/catalog.xml
fi
echo "run: build/bin/ambrel-gen is not built yet either" >&2
