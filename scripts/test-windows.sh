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
display_pids=()
end_all() {
  wine_end
  local pid
  for pid in "${display_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
}
trap end_all EXIT
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
display_pids+=($!)
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
# Only the tests that show windows get it: a Wine desktop started from a console test would
# hold ctest's output pipe open.
export AMBREL_WINE_DISPLAY=":$(head -n1 "$display_file")"
rm -f "$display_file"
DISPLAY=$AMBREL_WINE_DISPLAY openbox --sm-disable >/dev/null 2>&1 &
display_pids=("$!" "${display_pids[@]}")
for _ in $(seq 50); do DISPLAY=$AMBREL_WINE_DISPLAY wmctrl -m >/dev/null 2>&1 && break; sleep 0.1; done
wine_prefix "$out/wine"
# The end-to-end test pings the window with the Linux build's watcher, when there is one.
watch=$(dirname "$linux_gen")/e2e_window_watch
[ -x "$watch" ] && export AMBREL_WINDOW_WATCH=$(cd "$(dirname "$watch")" && pwd)/e2e_window_watch
(cd "$out/build" && ctest --output-on-failure -j"$(nproc)" --timeout 600)
wine_end

bash scripts/windows-installer-test.sh "$linux_gen" "$out"
echo "test-windows: passed in $((SECONDS - started)) s"
