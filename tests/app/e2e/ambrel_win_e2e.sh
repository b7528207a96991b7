#!/usr/bin/env bash
# Drives ambrel.exe under Wine on a private X server as a user would: types, clicks, uses the
# X clipboard and the Win32 open-file dialog, closes the window. Every wait is bounded.
# Usage: ambrel_win_e2e.sh AMBREL_EXE AMBREL_DIALOG_EXE AMBREL_GEN_EXE CLIPBOARD_TEXT_EXE SCREENSHOT_DIR
# Uses a Wine prefix of its own under SCREENSHOT_DIR, whose session (desktop, clipboard)
# lives on this test's display and ends with it. With AMBREL_WINDOW_WATCH set to the Linux
# build's e2e_window_watch, the window is sent the window manager's ping while a large paste
# is declared.
set -euo pipefail
[ $# -eq 5 ] || { echo "usage: $0 AMBREL_EXE AMBREL_DIALOG_EXE AMBREL_GEN_EXE CLIPBOARD_TEXT_EXE SCREENSHOT_DIR" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 clipboard_text=$4 shots=$5
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
export WINEPREFIX=$shots/wine-e2e
e2e_label=e2e-win program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.3
source "$(dirname "$0")/e2e_lib.sh"
source "$(dirname "$0")/../../../scripts/windows-wine.sh"
cleanup() {
  stop_started
  wine_end
  rm -rf "$work"
}
trap cleanup EXIT

# --- A private display with a window manager, and the prefix's session on it before the
# clock runs.
start_display
wine_prefix "$WINEPREFIX" || fail "the Wine prefix's session did not start"

# --- ambrel-dialog.exe draws the tool's window with the Win32 backend and saves its picture.
mkdir -p "$shots"
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'; }
rm -f "$shots/ambrel_dialog_win32.png"
wine "$ambrel_dialog" --embedded --open 640x480 --png "$(winepath -w "$shots/ambrel_dialog_win32.png" 2>/dev/null)" \
  2>"$work/dialog.log" | tr -d '\r' >"$work/dialog_tree.txt" || fail "ambrel-dialog.exe --png failed: $(cat "$work/dialog.log")"
drawn=$(awk 'NR == 1 { print $3, $4 }' "$work/dialog_tree.txt")
[ "$(png_size "$shots/ambrel_dialog_win32.png")" = "$drawn" ] ||
  fail "the picture is $(png_size "$shots/ambrel_dialog_win32.png"), the window $drawn"
step "ambrel-dialog.exe --png saved the ${drawn/ /x} window as $shots/ambrel_dialog_win32.png"

# --- The program; the status file appears when it ends.
( wine "$ambrel" >"$work/ambrel.log" 2>&1 & echo $! >"$work/pid"; wait $!; echo $? >"$work/status" ) &
wait_for 30 test -s "$work/pid" || fail "ambrel.exe did not start"
pids+=("$(cat "$work/pid")")
wait_for 60 titled_shown "$title" || fail "no window titled \"$title\" appeared"
window=$(find_titled "$title")
wmctrl -l | grep -q " $title\$" || fail "the window manager does not list \"$title\""
step "window \"$title\" is up"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
sleep 0.5

# --- Where the controls are: the same definition laid out at the window's client size.
size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
wine "$ambrel_dialog" --embedded --open "$size" 2>"$work/layout.log" | tr -d '\r' >"$work/layout.txt" ||
  fail "ambrel-dialog.exe could not lay out the window: $(cat "$work/layout.log")"
# Wine hands the X clipboard the text with LF line ends (it takes the CR of each CR LF out
# on the way), so the bytes compared are ambrel-gen.exe's with the same conversion.
copy_all_gives() {
  set_clipboard sentinel
  click cmdCopyAll
  cmp -s <(clipboard) <(tr -d '\r' <"$1")
}
declarations_of() {
  printf '%s' "$1" >"$work/$2.xml"
  declarations_of_file "$2.xml"
  grep -q 'Structure' "$work/$2.expected" || fail "ambrel-gen.exe gave no declarations for $2"
}
# ambrel-gen.exe's declarations of $work/$1 (a name with its extension), into $work/NAME.expected.
declarations_of_file() {
  local status=0
  wine "$ambrel_gen" "$(winepath -w "$work/$1" 2>/dev/null)" >"$work/${1%.*}.expected" 2>"$work/gen.err" || status=$?
  ((status == 0)) || fail "ambrel-gen.exe failed on $1 with status $status: $(cat "$work/gen.err")"
}

# --- Typing regenerates about a second after the last key.
typed='<r><x>1</x><x>2</x><y>t</y></r>'
declarations_of "$typed" typed
click txtIn
xdotool type --delay 20 "$typed"
typed_at=$(now_ms)
if copy_all_gives "$work/typed.expected" && (($(now_ms) - typed_at < 600)); then
  fail "the output was there well before a second had passed"
fi
wait_for 30 copy_all_gives "$work/typed.expected" || fail "typing did not yield the declarations"
step "typed XML declared after $(($(now_ms) - typed_at)) ms; Copy all gave exactly the output"
# Inside Wine the clipboard holds the output byte for byte, CR LF line ends included.
wine "$clipboard_text" 2>/dev/null >"$work/windows_clipboard" || fail "no Unicode text on the Windows clipboard"
cmp -s "$work/windows_clipboard" "$work/typed.expected" ||
  fail "the Windows clipboard differs from ambrel-gen.exe's output"
grep -q $'\r$' "$work/windows_clipboard" || fail "the Windows clipboard has no CR LF line ends"
step "the Windows clipboard holds ambrel-gen.exe's output byte for byte, CR LF included"

# --- Clear empties both editors and disables Copy all.
click cmdClear
set_clipboard sentinel
click cmdCopyAll
[ "$(clipboard)" = sentinel ] || fail "Copy all still copied after Clear"
step "Clear emptied the editors and disabled Copy all"

# --- Paste from a clipboard filled by xclip regenerates at once.
pasted=$'<catalog>\n  <book id="1"><price>9.5</price></book>\n  <book><price>12</price></book>\n</catalog>\n'
printf '%s' "$pasted" >"$work/pasted.xml"
paste_offered "$work/pasted.xml"
# Wine gives the program the X text with CR LF line ends, as Windows programs expect.
declarations_of "${pasted//$'\n'/$'\r\n'}" pasted
# The declarations come through the event wait, without the typing's second of delay.
wait_for 30 copy_all_gives "$work/pasted.expected" || fail "Paste did not regenerate at once"
step "Paste regenerated at once"

# --- A JSON document pasted is declared as ambrel-gen.exe declares it.
printf '{"orders": [{"id": 1, "first name": "Ann", "lines": [{"sku": "a", "price": 9.5}]},\r\n  {"id": 2, "lines": []}]}\r\n' >"$work/orders.json"
declarations_of_file orders.json
paste_offered "$work/orders.json"
wait_for 30 copy_all_gives "$work/orders.expected" || fail "a pasted JSON document was not declared as ambrel-gen.exe declares it"
step "a pasted JSON document was declared as ambrel-gen.exe declares it"

# --- Open ... with a file chosen in the Win32 dialog regenerates at once.
opened=$'<config>\r\n  <entry name="a">on</entry>\r\n  <entry name="b">off</entry>\r\n</config>\r\n'
printf '%s' "$opened" >"$work/chosen.xml"
declarations_of "$opened" opened
click cmdFile
choose_in_open_dialog "Read XML from file" "$(winepath -w "$work/chosen.xml" 2>/dev/null)" 20
wait_for 30 copy_all_gives "$work/opened.expected" || fail "Open did not load the chosen file at once"
import -window root "$shots/ambrel_win_e2e.png" || fail "no screenshot"
step "Open ... loaded the chosen file; screenshot saved as $shots/ambrel_win_e2e.png"

# --- A paste of 20 MB is declared as ambrel-gen.exe declares it, the window answering.
catalogue 250000 >"$work/large.xml"
declarations_of_file large.xml
offer_clipboard "$work/large.xml"
[ -n "${AMBREL_WINDOW_WATCH:-}" ] && start_ping_watch "$AMBREL_WINDOW_WATCH"
pasted_at=$(now_ms)
click cmdPaste
wait_for 120 offered_text_taken || fail "Paste did not read the 20 MB on the clipboard"
wait_for 120 copy_all_gives "$work/large.expected" || fail "a 20 MB paste did not yield ambrel-gen.exe's output"
declared_at=$(now_ms)
if [ -n "${AMBREL_WINDOW_WATCH:-}" ]; then
  stop_ping_watch
  answered_while "$pasted_at" "$declared_at" "a 20 MB paste was declared"
  step "a 20 MB paste declared after $((declared_at - pasted_at)) ms, the longest unanswered ping $gap ms"
else
  step "a 20 MB paste declared after $((declared_at - pasted_at)) ms (no ping watcher given)"
fi

# --- Ctrl+V in the input takes the clipboard in parts (the edit control's own paste of a
# large text holds the window for seconds per MB), and one Ctrl+Z takes it out.
click cmdClear
catalogue 12000 >"$work/medium.xml"
declarations_of_file medium.xml
offer_clipboard "$work/medium.xml"
click txtIn
[ -n "${AMBREL_WINDOW_WATCH:-}" ] && start_ping_watch "$AMBREL_WINDOW_WATCH"
pasted_at=$(now_ms)
xdotool key --clearmodifiers ctrl+v
wait_for 120 offered_text_taken || fail "Ctrl+V did not read the 1 MB on the clipboard"
wait_for 120 copy_all_gives "$work/medium.expected" || fail "Ctrl+V of 1 MB did not yield ambrel-gen.exe's output"
declared_at=$(now_ms)
gap='(no ping watcher given)'
if [ -n "${AMBREL_WINDOW_WATCH:-}" ]; then
  stop_ping_watch
  answered_while "$pasted_at" "$declared_at" "Ctrl+V took in 1 MB"
  gap="$gap ms"
fi
click txtIn
xdotool key --clearmodifiers ctrl+z
output_empty() {
  set_clipboard sentinel
  click cmdCopyAll
  [ "$(clipboard)" = sentinel ]
}
wait_for 60 output_empty || fail "one Ctrl+Z did not take out what Ctrl+V put in"
step "Ctrl+V of 1 MB declared after $((declared_at - pasted_at)) ms, the longest unanswered ping $gap; one Ctrl+Z took it out"

# --- The close box ends the program with exit status 0.
close_ends_program "$window" 30
