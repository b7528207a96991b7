#!/usr/bin/env bash
# Drives the real ambrel binary on a private X server as a user would: types, clicks, uses
# the clipboard and the open-file dialog, closes the window. Every wait is bounded.
# Usage: ambrel_e2e.sh AMBREL AMBREL_DIALOG AMBREL_GEN SCREENSHOT_DIR
set -euo pipefail
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 shots=$4
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e: FAIL: $*" >&2; exit 1; }
step() { echo "e2e: $*"; }

# Polls `$@` every 0.1 s for at most $timeout seconds.
wait_for() {
  local timeout=$1; shift
  local end=$((SECONDS + timeout))
  until "$@" >/dev/null 2>&1; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

# --- A private display with a window manager.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
exec 3>&-
wait_for 10 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"
openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
wait_for 10 wmctrl -m || fail "openbox did not start"

# --- Where the controls are: the same definition laid out on the same display.
"$ambrel_dialog" --qt --embedded >"$work/layout.txt" 2>/dev/null || fail "ambrel-dialog could not lay out the window"
geometry_of() { awk -v name="$1" '$2 == name { print $3, $4, $5, $6; exit }' "$work/layout.txt"; }

# The status file appears when the program ends.
( "$ambrel" >"$work/ambrel.log" 2>&1 & echo $! >"$work/pid"; wait $!; echo $? >"$work/status" ) &
wait_for 5 test -s "$work/pid" || fail "ambrel did not start"
pids+=("$(cat "$work/pid")")
find_window() { xdotool search --name "^${title//./\\.}\$" | head -n1; }
wait_for 15 find_window || fail "no window titled \"$title\" appeared: $(cat "$work/ambrel.log")"
window=$(find_window)
step "window \"$title\" is up"
wmctrl -l | grep -q " $title\$" || fail "the window manager does not list \"$title\""
wait_for 5 xdotool windowactivate --sync "$window" || true
sleep 0.3
origin=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF } END { print x, y }')
read -r origin_x origin_y <<<"$origin"

click() {
  local g; g=$(geometry_of "$1")
  [ -n "$g" ] || fail "no control $1 in the layout"
  read -r x y w h <<<"$g"
  [[ "$w $h" =~ ^[1-9][0-9]*\ [1-9][0-9]*$ ]] || fail "control $1 has no area ($g)"
  xdotool mousemove --sync $((origin_x + x + w / 2)) $((origin_y + y + h / 2)) click 1
  sleep 0.1
}
clipboard() { timeout 3 xclip -o -selection clipboard 2>/dev/null || true; }
set_clipboard() { printf '%s' "$1" | timeout 3 xclip -i -selection clipboard; }
# Clicks Copy all and tells whether the clipboard then holds exactly the file's bytes.
copy_all_gives() {
  set_clipboard "sentinel"
  click cmdCopyAll
  cmp -s <(clipboard) "$1"
}
expect_declarations() {  # xml-text, name
  printf '%s' "$1" | "$ambrel_gen" - >"$work/$2.expected" || true
}

# --- Typing regenerates about a second after the last key.
typed='<r><x>1</x><x>2</x><y>t</y></r>'
expect_declarations "$typed" typed
click txtIn
xdotool type --delay 15 "$typed"
started=$SECONDS
copy_all_gives "$work/typed.expected" && fail "the output was there before the second had passed"
wait_for 5 copy_all_gives "$work/typed.expected" || fail "typing did not yield the declarations"
step "typed XML declared after about $((SECONDS - started + 1)) s"

# --- Clear empties both editors and disables Copy all.
click cmdClear
set_clipboard "sentinel"
click cmdCopyAll
[ "$(clipboard)" = "sentinel" ] || fail "Copy all still worked after Clear"
click txtIn
xdotool key ctrl+a ctrl+c
sleep 0.2
[ "$(clipboard)" = "sentinel" ] || fail "the input was not empty after Clear"
step "Clear emptied both panes and disabled Copy all"

# --- Paste from a clipboard filled by xclip regenerates at once.
pasted='<catalog><book id="1"><price>9.5</price></book><book><price>12</price></book></catalog>'
expect_declarations "$pasted" pasted
set_clipboard "$pasted"
click cmdPaste
wait_for 1 copy_all_gives "$work/pasted.expected" || fail "Paste did not regenerate at once"
step "Paste regenerated at once; Copy all gave exactly the output"

# --- Open … with a chosen file regenerates at once.
opened='<config><entry name="a">on</entry><entry name="b">off</entry></config>'
printf '%s' "$opened" >"$work/chosen.xml"
expect_declarations "$opened" opened
click cmdFile
find_dialog() { xdotool search --name '^Read XML from file$' | head -n1; }
wait_for 10 find_dialog || fail "the open-file dialog did not appear"
sleep 0.5
xdotool type --delay 10 "$work/chosen.xml"
xdotool key Return
wait_for 5 bash -c "! xdotool search --name '^Read XML from file\$'" || fail "the open-file dialog did not close"
wait_for 2 copy_all_gives "$work/opened.expected" || fail "Open did not load the chosen file"
step "Open … loaded the chosen file"

mkdir -p "$shots"
import -window root "$shots/ambrel_e2e.png" || fail "no screenshot"
step "screenshot saved as $shots/ambrel_e2e.png"

# --- The close box ends the program with exit status 0.
wmctrl -i -c "$window"
wait_for 10 test -s "$work/status" || fail "the program did not end after the close request"
status=$(cat "$work/status")
[ "$status" = 0 ] || fail "exit status $status"
step "closed with exit status 0"
