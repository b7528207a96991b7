#!/usr/bin/env bash
# ambrel-dialog --show on a private X server with definitions whose window is larger than
# the screen (2,000 nested frames; a minimum width of 32000): the window comes up no larger
# than the screen, the warning says so at the window element, and the program keeps
# running until its close box ends it. Every wait is bounded.
# Usage: dialog_show_oversize_e2e.sh AMBREL_DIALOG
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 AMBREL_DIALOG" >&2; exit 2; }
program=$1
work=$(mktemp -d)
e2e_label=show-oversize program_log=$work/errors.log
source "$(dirname "$0")/../app/e2e/e2e_lib.sh"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
export LSAN_OPTIONS="suppressions=$(dirname "$0")/../app/e2e/system_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
start_display
read -r screen_width screen_height < <(xdotool getdisplaygeometry)

nested_frames() {
  local i
  printf "<window name='w' text='%s'>" "$1"
  for ((i = 0; i < $2; i++)); do printf "<frame text='f%d'>" "$i"; done
  printf "<button text='x'/>"
  for ((i = 0; i < $2; i++)); do printf "</frame>"; done
  printf "</window>\n"
}

# Shows $1 (titled $2) and checks the window and the warning; the close box ends it.
shows_within_screen() {
  local definition=$1 title=$2 window size width height
  rm -f "$work/pid" "$work/status"
  : >"$work/errors.log"
  ( "$program" --show "$definition" >/dev/null 2>"$work/errors.log" & echo $! >"$work/pid"
    wait $! && echo 0 >"$work/status" || echo $? >"$work/status" ) &
  wait_for 60 test -s "$work/pid" || fail "ambrel-dialog did not start"
  pids+=("$(cat "$work/pid")")
  wait_for 30 titled_shown "$title" || fail "no window titled \"$title\" appeared"
  window=$(find_titled "$title")
  size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
  width=${size%x*} height=${size#*x}
  ((width <= screen_width && height <= screen_height)) ||
    fail "the window is $size, larger than the screen's ${screen_width}x$screen_height"
  grep -qF "$definition:1:1: warning: the window needs" \
    "$work/errors.log" || fail "no warning that the window is larger than the screen"
  sleep 1
  [ ! -s "$work/status" ] || fail "the program ended with status $(cat "$work/status")"
  step "\"$title\" came up at $size within the screen, with its warning"
  close_ends_program "$window" 10
}

nested_frames 'Deep' 2000 >"$work/deep.xml"
shows_within_screen "$work/deep.xml" Deep
echo "<window name='w' text='Wide' minwidth='32000'><frame text='f'><button text='x'/></frame></window>" \
  >"$work/wide.xml"
shows_within_screen "$work/wide.xml" Wide
