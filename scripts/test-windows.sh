#!/usr/bin/env bash
# Builds the Windows programs (scripts/build-windows.sh) and tests them under Wine: the
# layer tests through ctest in a private prefix, then the installer in a fresh one
# (scripts/windows-installer-test.sh) against the Linux ambrel-gen. No display is needed.
# Usage: test-windows.sh [LINUX_AMBREL_GEN (default build/bin/ambrel-gen)]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(pwd)/build-windows
linux_gen=${1:-build/bin/ambrel-gen}
source scripts/windows-wine.sh
started=$SECONDS

bash scripts/build-windows.sh
trap wine_end EXIT
wine_prefix "$out/wine"
(cd "$out/build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
wine_end

bash scripts/windows-installer-test.sh "$linux_gen" "$out"
echo "test-windows: passed in $((SECONDS - started)) s"
