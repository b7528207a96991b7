#!/usr/bin/env bash
# The real ambrel binary as a desktop starts it and a keyboard drives it, on a private X
# server: its command line (help, version, a wrong option, a full standard output), a file
# named on the command line shown at once, Tab and Shift+Tab through the window, the output
# editor's look with the focus, Paste with no text on the clipboard, and the window at a
# scale of 1.5. Every wait is bounded.
# Usage: ambrel_desk_e2e.sh AMBREL AMBREL_DIALOG AMBREL_GEN SCREENSHOT_DIR CLIPBOARD_OWNER
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 AMBREL AMBREL_DIALOG AMBREL_GEN SCREENSHOT_DIR CLIPBOARD_OWNER" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 shots=$4 clipboard_owner=$5
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
e2e_label=e2e-desk program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.2 scale_percent=100
source "$(dirname "$0")/e2e_lib.sh"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"

# --- The command line, answered before any window opens.
"$ambrel" --version >"$work/version" 2>&1 || fail "--version failed"
[ "$(cat "$work/version")" = "ambrel 1.0.0.7" ] || fail "--version printed $(cat "$work/version")"
status=0
"$ambrel" --bogus >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] && [ ! -s "$work/out" ] && grep -q "unknown option '--bogus'" "$work/err" ||
  fail "--bogus: status $status, $(cat "$work/err")"
status=0
"$ambrel" --help >/dev/full 2>"$work/err" || status=$?
[ "$status" = 4 ] && grep -q "cannot write to standard output" "$work/err" ||
  fail "--help into a full disk: status $status, $(cat "$work/err")"
step "--version, --bogus (status 2) and --help into a full disk (status 4) answered"

# --- A private display with a window manager.
start_window_display

# The program with the arguments given, its window given 15 seconds to show and 10 to go.
start_ambrel() { start_titled 60 "$ambrel" "$@"; }
close_ambrel() { close_titled 30; }
clipboard_is() { cmp -s <(clipboard) "$1"; }
copy_all_gives_file() {
  set_clipboard sentinel
  click cmdCopyAll
  clipboard_is "$1"
}

# --- ambrel FILE: the window opens with the file loaded and its declarations shown.
named=$'<library>\n  <shelf n="1"><book-title>A</book-title><book-title>B</book-title></shelf>\n</library>\n'
printf '%s' "$named" >"$work/named file.xml"
"$ambrel_gen" "$work/named file.xml" >"$work/named.expected" || fail "ambrel-gen failed"
start_ambrel "$work/named file.xml"
step "window \"$title\" is up with a file named on the command line"
lay_out_shown_window "$ambrel_dialog"
set_clipboard sentinel
click cmdCopyAll
clipboard_is "$work/named.expected" || fail "the named file's declarations are not shown: $(clipboard | head -n3)"
import -window "$window" "$shots/ambrel_desk_e2e.png" || fail "no screenshot"
step "the named file's declarations are shown ($shots/ambrel_desk_e2e.png)"

# --- The keyboard.
check_keyboard_focus "$work/named.expected"
check_paste_without_text "$work/named.expected" "$clipboard_owner"

# --- The output's context menu: "Valid identifiers", then "LF line ends"; both still set in
# the next run. Its items are the menu's last three: from none chosen, Up takes the last.
"$ambrel_gen" --identifiers "$work/named file.xml" >"$work/named.identifiers" || fail "ambrel-gen --identifiers failed"
"$ambrel_gen" --identifiers --lf "$work/named file.xml" >"$work/named.identifiers-lf" || fail "ambrel-gen --lf failed"
# Chooses the item $1 places up from the menu's end; with $2, a screenshot of the open menu.
# The menu opens from the keyboard: one opened by a click can open under the pointer, where
# the click's release would choose an item.
choose_output_menu_item() {
  local ups=$1
  click txtOut
  xdotool key Menu
  wait_for 30 bash -c "(( \$(xdotool search --onlyvisible --class ambrel 2>/dev/null | wc -l) > 1 ))" ||
    fail "the output editor's context menu did not open"
  if [ -n "${2:-}" ]; then import -window root "$2" || fail "no screenshot"; fi
  for ((; ups > 0; ups--)); do xdotool key Up; done
  xdotool key Return
}
cmp -s "$work/named.expected" "$work/named.identifiers" && fail "the named file's names need no change"
choose_output_menu_item 3 "$shots/ambrel_desk_output_menu.png"
wait_for 30 copy_all_gives_file "$work/named.identifiers" || fail "\"Valid identifiers\" did not give ambrel-gen --identifiers's output"
choose_output_menu_item 2
wait_for 30 copy_all_gives_file "$work/named.identifiers-lf" || fail "\"LF line ends\" did not give ambrel-gen --lf's output"
step "the output's menu gave ambrel-gen --identifiers's output, then with LF line ends"
close_ambrel
step "the close box ended the program with exit status 0"
start_ambrel "$work/named file.xml"
wait_for 30 copy_all_gives_file "$work/named.identifiers-lf" || fail "the choices were not kept for the next run"
choose_output_menu_item 3
choose_output_menu_item 2
wait_for 30 copy_all_gives_file "$work/named.expected" || fail "the choices did not turn off"
close_ambrel
step "the next run kept both choices, and the menu turned them off"

# --- "Detect maps", the menu's last item, on at first: off gives ambrel-gen --no-maps's
# output at once, and stays off in the next run.
printf '%s' '{"users":{"1001":{"name":"Ann"},"1002":{"name":"Bo"}}}' >"$work/users.json"
"$ambrel_gen" "$work/users.json" >"$work/users.maps" || fail "ambrel-gen failed on the dictionary"
"$ambrel_gen" --no-maps "$work/users.json" >"$work/users.records" || fail "ambrel-gen --no-maps failed"
cmp -s "$work/users.maps" "$work/users.records" && fail "the dictionary declares the same without maps"
start_ambrel "$work/users.json"
wait_for 30 copy_all_gives_file "$work/users.maps" || fail "the dictionary was not declared as a map"
choose_output_menu_item 1
wait_for 30 copy_all_gives_file "$work/users.records" || fail "\"Detect maps\" off did not give ambrel-gen --no-maps's output"
close_ambrel
start_ambrel "$work/users.json"
wait_for 30 copy_all_gives_file "$work/users.records" || fail "\"Detect maps\" off was not kept for the next run"
choose_output_menu_item 1
wait_for 30 copy_all_gives_file "$work/users.maps" || fail "\"Detect maps\" did not turn on again"
close_ambrel
step "\"Detect maps\" off gave ambrel-gen --no-maps's output, kept for the next run"

# --- At a scale of 1.5, as at 144 DPI: 750 x 750 pixels, nothing cut.
QT_SCALE_FACTOR=1.5 start_ambrel "$work/named file.xml"
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
[ "$size" = 750x750 ] || fail "at a scale of 1.5 the window is $size"
import -window "$window" "$shots/ambrel_desk_scale150.png" || fail "no screenshot"
close_ambrel
step "at a scale of 1.5 the window is 750x750 ($shots/ambrel_desk_scale150.png)"
