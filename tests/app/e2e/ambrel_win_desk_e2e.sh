#!/usr/bin/env bash
# ambrel.exe under Wine as a desktop starts it and a keyboard drives it, on a private X
# server: its command line on the handles it was given and, started with none, in a message
# box; a file named on the command line shown at once; Tab and Shift+Tab through the window
# and the output editor's look with the focus; Paste with no text on the clipboard; the output
# editor's context menu ("Valid identifiers", "LF line ends", kept for the next run); and the
# window at 144 DPI (a prefix of its own): 750 x 750 pixels, every caption within its button.
# Every wait is bounded.
# Usage: ambrel_win_desk_e2e.sh AMBREL_EXE AMBREL_DIALOG_EXE AMBREL_GEN_EXE SCREENSHOT_DIR
# Uses the Wine prefixes wine-desk and wine-desk-144 under SCREENSHOT_DIR.
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 AMBREL_EXE AMBREL_DIALOG_EXE AMBREL_GEN_EXE SCREENSHOT_DIR" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 shots=$4
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
e2e_label=e2e-win-desk program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.3 scale_percent=100
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/../../../scripts/windows-wine.sh"
# The prefix in use, whose session ends with it; a prefix the script was started in (the
# other Windows tests' one) is left alone.
prefix_in_use=""
end_prefix_in_use() {
  [ -z "$prefix_in_use" ] || wine_end
}
cleanup() {
  stop_started
  end_prefix_in_use
  rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$shots"
# The display first: a prefix's session (its desktop, its message boxes) starts on it.
start_display

# use_prefix FOLDER [DPI]: the Wine prefix FOLDER, made the first time, its screens at DPI,
# its session on this test's display.
use_prefix() {
  end_prefix_in_use
  prefix_in_use=$1
  wine_prefix "$@" || fail "the session of the Wine prefix $1 did not start"
}
windows_path() { winepath -w "$1" 2>/dev/null; }

# --- The command line, on the handles the program was given.
use_prefix "$shots/wine-desk"
[ "$(wine "$ambrel" --version 2>/dev/null)" = "ambrel 1.0.0.7" ] || fail "--version printed other text"
wine "$ambrel" '/?' 2>/dev/null | grep -q '^Usage: ambrel ' || fail "/? printed no usage"
status=0
wine "$ambrel" --bogus >"$work/out" 2>"$work/err" || status=$?
[ "$status" = 2 ] && [ ! -s "$work/out" ] && grep -q "unknown option '--bogus'" "$work/err" ||
  fail "--bogus: status $status, $(cat "$work/err")"
status=0
wine "$ambrel" --help >/dev/full 2>"$work/err" || status=$?
[ "$status" = 4 ] && grep -q "cannot write to standard output" "$work/err" ||
  fail "--help into a full disk: status $status, $(cat "$work/err")"
step "--version, /?, --bogus (status 2) and --help into a full disk (status 4) answered"

# --- Started with no console and no handles, as from the desktop: a message box.
(
  status=0
  wine start /wait /unix "$ambrel" --bogus </dev/null >/dev/null 2>&1 || status=$?
  echo "$status" >"$work/box.status"
) &
wait_for 60 titled_shown Ambrel || fail "no message box titled \"Ambrel\" appeared"
box=$(find_titled Ambrel)
import -window "$box" "$shots/ambrel_win_message_box.png" || fail "no screenshot"
# The box may take a key only a moment after it shows; Return is tried again until it goes.
for attempt in 1 2 3 4 5; do
  sleep 0.5
  xdotool windowactivate --sync "$box" key Return >/dev/null 2>&1 || true
  wait_for 3 test -s "$work/box.status" && break
done
[ -s "$work/box.status" ] || fail "the message box did not end the program"
[ "$(cat "$work/box.status")" = 2 ] || fail "after the message box: exit status $(cat "$work/box.status")"
step "without a console --bogus was shown in a message box, status 2 ($shots/ambrel_win_message_box.png)"

# ambrel.exe with the arguments given; Wine takes longer to show and to end a window.
start_ambrel() { start_titled 60 wine "$ambrel" "$@"; }
close_ambrel() { close_titled 30; }
# Wine hands the X clipboard the text with LF line ends.
clipboard_is() { cmp -s <(clipboard) <(tr -d '\r' <"$1"); }

# --- ambrel.exe FILE: the window opens with the file loaded and its declarations shown.
named=$'<library>\r\n  <shelf n="1"><book-title>A</book-title><book-title>B</book-title></shelf>\r\n</library>\r\n'
printf '%s' "$named" >"$work/named file.xml"
wine "$ambrel_gen" "$(windows_path "$work/named file.xml")" >"$work/named.expected" 2>/dev/null ||
  fail "ambrel-gen.exe failed"
start_ambrel "$(windows_path "$work/named file.xml")"
step "window \"$title\" is up with a file named on the command line"
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
wine "$ambrel_dialog" --embedded --open "$size" 2>"$work/layout.log" | tr -d '\r' >"$layout" ||
  fail "ambrel-dialog.exe could not lay out the window: $(cat "$work/layout.log")"
set_clipboard sentinel
click cmdCopyAll
clipboard_is "$work/named.expected" || fail "the named file's declarations are not shown: $(clipboard | head -n3)"
import -window "$window" "$shots/ambrel_win_desk_e2e.png" || fail "no screenshot"
step "the named file's declarations are shown ($shots/ambrel_win_desk_e2e.png)"

# --- The keyboard.
check_keyboard_focus "$work/named.expected"
check_paste_without_text "$work/named.expected"

# --- The output's context menu: "Valid identifiers", then "LF line ends"; both still set in
# the next run (in the prefix's registry). Its items are the menu's last three: from none
# chosen, Up takes the last. It opens from the keyboard, as on the desktop.
wine "$ambrel_gen" --identifiers "$(windows_path "$work/named file.xml")" >"$work/named.identifiers" 2>/dev/null ||
  fail "ambrel-gen.exe --identifiers failed"
wine "$ambrel_gen" --identifiers --lf "$(windows_path "$work/named file.xml")" >"$work/named.identifiers-lf" 2>/dev/null ||
  fail "ambrel-gen.exe --lf failed"
cmp -s "$work/named.expected" "$work/named.identifiers" && fail "the named file's names need no change"
copy_all_gives_file() {
  set_clipboard sentinel
  click cmdCopyAll
  clipboard_is "$1"
}
# Wine hands the X clipboard LF line ends whatever Copy all gave, so "LF line ends" is told by
# the value the choice keeps in the prefix's registry: setting NAME is VALUE (0x0 or 0x1).
setting_is() {
  wine reg query 'HKCU\Software\Ambrel' /v "$1" 2>/dev/null | tr -d '\r' | grep -q "REG_DWORD *$2\$"
}
# Chooses the item $1 places up from the menu's end; with $2, a screenshot of the open menu.
choose_output_menu_item() {
  local ups=$1 before
  before=$(xdotool search --onlyvisible --class ambrel.exe 2>/dev/null | wc -l)
  click txtOut
  xdotool key shift+F10
  wait_for 30 bash -c "(( \$(xdotool search --onlyvisible --class ambrel.exe 2>/dev/null | wc -l) > $before ))" ||
    fail "the output editor's context menu did not open"
  if [ -n "${2:-}" ]; then import -window root "$2" || fail "no screenshot"; fi
  for ((; ups > 0; ups--)); do xdotool key Up; done
  xdotool key Return
}
choose_output_menu_item 3 "$shots/ambrel_win_output_menu.png"
wait_for 30 copy_all_gives_file "$work/named.identifiers" ||
  fail "\"Valid identifiers\" did not give ambrel-gen.exe --identifiers's output: $(clipboard | head -n3)"
wait_for 30 setting_is valid-identifiers 0x1 || fail "\"Valid identifiers\" was not kept in the registry"
choose_output_menu_item 2
wait_for 30 setting_is lf-line-ends 0x1 || fail "\"LF line ends\" was not kept in the registry"
step "the output's menu gave ambrel-gen.exe --identifiers's output and kept both choices ($shots/ambrel_win_output_menu.png)"
close_ambrel
step "the close box ended the program with exit status 0"
start_ambrel "$(windows_path "$work/named file.xml")"
wait_for 30 copy_all_gives_file "$work/named.identifiers" || fail "\"Valid identifiers\" was not kept for the next run"
choose_output_menu_item 3
choose_output_menu_item 2
wait_for 30 copy_all_gives_file "$work/named.expected" || fail "the choices did not turn off"
wait_for 30 setting_is lf-line-ends 0x0 && setting_is valid-identifiers 0x0 || fail "the choices' values did not turn off"
close_ambrel
step "the next run kept both choices, and the menu turned them off"

# --- "Detect maps", the menu's last item, on at first: off gives ambrel-gen.exe --no-maps's
# output at once, and stays off in the next run.
printf '%s' '{"users":{"1001":{"name":"Ann"},"1002":{"name":"Bo"}}}' >"$work/users.json"
wine "$ambrel_gen" "$(windows_path "$work/users.json")" >"$work/users.maps" 2>/dev/null || fail "ambrel-gen.exe failed on the dictionary"
wine "$ambrel_gen" --no-maps "$(windows_path "$work/users.json")" >"$work/users.records" 2>/dev/null || fail "ambrel-gen.exe --no-maps failed"
cmp -s "$work/users.maps" "$work/users.records" && fail "the dictionary declares the same without maps"
start_ambrel "$(windows_path "$work/users.json")"
wait_for 30 copy_all_gives_file "$work/users.maps" || fail "the dictionary was not declared as a map"
choose_output_menu_item 1
wait_for 30 copy_all_gives_file "$work/users.records" || fail "\"Detect maps\" off did not give ambrel-gen.exe --no-maps's output"
close_ambrel
start_ambrel "$(windows_path "$work/users.json")"
wait_for 30 copy_all_gives_file "$work/users.records" || fail "\"Detect maps\" off was not kept for the next run"
choose_output_menu_item 1
wait_for 30 copy_all_gives_file "$work/users.maps" || fail "\"Detect maps\" did not turn on again"
close_ambrel
step "\"Detect maps\" off gave ambrel-gen.exe --no-maps's output, kept for the next run"

# --- At 144 DPI: the layout's units at 1.5 pixels each, every caption inside its button
# (the few pixels before a button's right edge show nothing but the button's face).
wine "$ambrel_dialog" --embedded --open 500x500 2>"$work/layout.log" | tr -d '\r' >"$layout" ||
  fail "ambrel-dialog.exe could not lay out the window: $(cat "$work/layout.log")"
use_prefix "$shots/wine-desk-144" 144
start_ambrel "$(windows_path "$work/named file.xml")"
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
[ "$size" = 750x750 ] || fail "at 144 DPI the window is $size"
import -window "$window" "$shots/ambrel_win_144dpi.png" || fail "no screenshot"
for button in cmdFile cmdPaste cmdClear cmdCopyAll; do
  read -r x y w h <<<"$(pixels_of "$button" 150)"
  shoot_part $((x + w - 10)) $((y + 6)) 6 $((h - 12)) "$work/edge.png"
  [ "$(identify -format %k "$work/edge.png")" = 1 ] || fail "the caption of $button reaches its right edge"
done
close_ambrel
step "at 144 DPI the window is 750x750 and every caption fits ($shots/ambrel_win_144dpi.png)"
