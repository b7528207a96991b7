#!/usr/bin/env bash
# Builds the Windows programs (scripts/build-windows.sh) and tests them under Wine: the
# layer tests through ctest in a private prefix, then the installer in a fresh one
# (scripts/windows-installer-test.sh) against the Linux ambrel-gen. The Win32 backend tests
# and the end-to-end test of ambrel.exe run on private X servers (Xvfb).
# Usage: test-windows.sh [LINUX_AMBREL_GEN (default build/bin/ambrel-gen)]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(pwd)/build-windows
linux_gen=${1:-build/bin/ambrel-gen}
source scripts/windows-wine.sh
started=$SECONDS

bash scripts/build-windows.sh
# The Win32 backend's tests show real windows: a private X server for them, with a window
# manager (without one, Wine waits two seconds for every window it hides to be withdrawn).
# The end-to-end test starts its own.
source tests/app/e2e/private_display.sh
display_logs=$(mktemp -d)
end_all() {
  wine_end
  stop_private_display
  rm -rf "$display_logs"
}
trap end_all EXIT
start_private_display "$display_logs" || { cat "$display_logs"/*.log >&2; exit 1; }
# The prefix's session (its desktop) starts on it once, before ctest starts programs side by
# side (scripts/windows-wine.sh); of the tests, only those that show windows get it.
export AMBREL_WINE_DISPLAY=$private_display
DISPLAY=$private_display wine_prefix "$out/wine"
# The end-to-end test pings the window with the Linux build's watcher, when there is one.
watch=$(dirname "$linux_gen")/e2e_window_watch
[ -x "$watch" ] && export AMBREL_WINDOW_WATCH=$(cd "$(dirname "$watch")" && pwd)/e2e_window_watch
(cd "$out/build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
wine_end

DISPLAY=$private_display bash scripts/windows-installer-test.sh "$linux_gen" "$out"
echo "test-windows: passed in $((SECONDS - started)) s"
