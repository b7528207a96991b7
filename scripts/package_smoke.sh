#!/usr/bin/env bash
# Runs inside the throw-away root of scripts/test_package.sh: installs the package with apt,
# starts the installed programs (the window briefly on a private X server) and removes the
# package again, checking that nothing of it stays behind.
# Arguments: the .deb, the version the programs must report.
set -euo pipefail
deb=$1
version=$2
export DEBIAN_FRONTEND=noninteractive
fail() { echo "package smoke: $*" >&2; exit 1; }

apt-get install -y -qq --no-install-recommends "$deb" >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get install"; }
dpkg-query -L ambrel >/tmp/ambrel.files
[ "$(command -v ambrel)" = /usr/bin/ambrel ] || fail "ambrel is not on the PATH at /usr/bin"
for program in ambrel ambrel-gen ambrel-dialog; do
  # No display and the platform that needs one: --version must answer before any toolkit starts.
  shown=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version) || fail "$program --version"
  [ "$shown" = "$program $version" ] || fail "$program --version printed '$shown'"
done
[ -f /usr/share/applications/org.ambrel.Ambrel.desktop ] || fail "no menu entry"

# The window on a private X server: it must carry the icon and match its desktop entry.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/xvfb.display >/tmp/xvfb.log 2>&1 &
xvfb=$!
for _ in $(seq 100); do
  [ -s /tmp/xvfb.display ] && break
  sleep 0.1
done
[ -s /tmp/xvfb.display ] || fail "Xvfb did not start"
DISPLAY=:$(head -n 1 /tmp/xvfb.display)
export DISPLAY
# The test command runs Qt offscreen; this window must reach the X server.
QT_QPA_PLATFORM=xcb ambrel >/tmp/ambrel.log 2>&1 &
ambrel=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name "^Ambrel v\\.$version\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
  sleep 0.1
done
properties=$(xprop -id "$window" 2>/dev/null || true)
kill "$ambrel" "$xvfb"
wait "$ambrel" "$xvfb" 2>/dev/null || true
[ -n "$window" ] || { cat /tmp/ambrel.log; fail "the installed ambrel opened no window"; }
grep -q '^_NET_WM_ICON(CARDINAL)' <<<"$properties" || fail "the window has no icon"
# X11 desktops match a window to its entry by the window's class.
class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/org.ambrel.Ambrel.desktop)
grep -q "^WM_CLASS(STRING) = \"$class\", \"$class\"" <<<"$properties" ||
  fail "the window's class is not the entry's StartupWMClass '$class'"

apt-get remove --purge -y -qq ambrel >/tmp/apt.log 2>&1 || { cat /tmp/apt.log; fail "apt-get remove"; }
while read -r path; do
  [ -d "$path" ] || [ ! -e "$path" ] || fail "$path is left after removal"
done </tmp/ambrel.files
echo "package smoke: installed, started (version $version, window with icon) and removed cleanly"
