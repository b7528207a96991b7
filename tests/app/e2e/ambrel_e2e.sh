#!/usr/bin/env bash
# Drives the real ambrel binary on a private X server as a user would: types, clicks, uses
# the clipboard and the open-file dialog, closes the window. Every wait is bounded.
# Files are dropped with a real drag from DRAG_SOURCE (a small Qt program of the tests);
# WINDOW_WATCH sends the window manager's ping while a large document is declared.
# Usage: ambrel_e2e.sh AMBREL AMBREL_DIALOG AMBREL_GEN DRAG_SOURCE WINDOW_WATCH SCREENSHOT_DIR
set -euo pipefail
usage="usage: $0 AMBREL AMBREL_DIALOG AMBREL_GEN DRAG_SOURCE WINDOW_WATCH SCREENSHOT_DIR"
[ $# -eq 6 ] || { echo "$usage" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 drag_source=$4 window_watch=$5 shots=$6
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
e2e_label=e2e program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.15
source "$(dirname "$0")/e2e_lib.sh"
cleanup() {
  [ -s "$work/source.pid" ] && pids+=("$(cat "$work/source.pid")")
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

# --- A private display with a window manager.
start_window_display

# --- The program; the status file appears when it ends.
( "$ambrel" >"$work/ambrel.log" 2>&1 & echo $! >"$work/pid"; wait $!; echo $? >"$work/status" ) &
wait_for 30 test -s "$work/pid" || fail "ambrel did not start"
pids+=("$(cat "$work/pid")")
wait_for 60 titled_shown "$title" || fail "no window titled \"$title\" appeared"
window=$(find_titled "$title")
wmctrl -l | grep -q " $title\$" || fail "the window manager does not list \"$title\""
step "window \"$title\" is up"
xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true

# --- Where the controls are: the same definition laid out at the window's real size on the
# same display.
lay_out_shown_window "$ambrel_dialog"
[ "$(awk 'NR == 1 { print $3 "x" $4 }' "$work/layout.txt")" = "$size" ] ||
  fail "the laid-out window is not $size: $(head -n1 "$work/layout.txt")"
# Clicks Copy all and tells whether the clipboard then holds exactly the bytes of file $1.
copy_all_gives() {
  set_clipboard sentinel
  click cmdCopyAll
  clipboard >"$work/copied_all"
  cmp -s "$work/copied_all" "$1"
}
# What the last Copy all gave, against FILE, for a failure's message.
last_copy_all_against() {
  echo "the last Copy all gave $(wc -c <"$work/copied_all") bytes ($(head -c 60 "$work/copied_all" | tr '\r\n' '  ')...)," \
    "ambrel-gen's output has $(wc -c <"$1")"
}
# The editor's text as its own Ctrl+A, Ctrl+C copy it (line feeds between lines).
editor_copy() {
  set_clipboard sentinel
  click "$1"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  sleep 0.2
  clipboard
}
# The program holds the clipboard (it offers text/plain, xclip does not); asked without reading
# the text, which a large copy takes its time to hand over.
copied() { timeout 3 xclip -o -selection clipboard -t TARGETS 2>/dev/null | grep -q '^text/plain'; }
# The text of an editor that holds some, once its copy has reached the clipboard.
editor_text() {
  set_clipboard sentinel
  click "$1"
  xdotool key --clearmodifiers ctrl+a ctrl+c
  wait_for 30 copied || { echo "(nothing was copied from $1)"; return; }
  clipboard
}
declarations_of() { printf '%s' "$1" | "$ambrel_gen" - >"$work/$2.expected" || fail "ambrel-gen failed on $2"; }

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
[ "$(editor_text txtIn)" = "$typed" ] || fail "the input does not hold what was typed"
[ "$(editor_text txtOut)" = "$(tr -d '\r' <"$work/typed.expected")" ] || fail "the output editor shows other text"

# --- Clear empties both editors and disables Copy all.
click cmdClear
set_clipboard sentinel
click cmdCopyAll
[ "$(clipboard)" = sentinel ] || fail "Copy all still copied after Clear"
[ "$(editor_copy txtIn)" = sentinel ] || fail "the input was not empty after Clear"
[ "$(editor_copy txtOut)" = sentinel ] || fail "the output was not empty after Clear"
step "Clear emptied both editors and disabled Copy all"

# --- Paste from a clipboard filled by xclip regenerates at once.
pasted=$'<catalog>\n  <book id="1"><price>9.5</price></book>\n  <book><price>12</price></book>\n</catalog>\n'
declarations_of "$pasted" pasted
printf '%s' "$pasted" >"$work/pasted.xml"
offer_clipboard "$work/pasted.xml"
pasted_at=$(now_ms)
click cmdPaste
wait_for 30 offered_text_taken || fail "Paste did not read the clipboard"
wait_for 30 copy_all_gives "$work/pasted.expected" || fail "Paste did not regenerate"
step "Paste regenerated after $(($(now_ms) - pasted_at)) ms, without the typing's delay"

# --- Open … with a chosen file regenerates at once.
opened=$'<config>\r\n  <entry name="a">on</entry>\r\n  <entry name="b">off</entry>\r\n</config>\r\n'
printf '%s' "$opened" >"$work/chosen.xml"
declarations_of "$opened" opened
click cmdFile
choose_in_open_dialog "Read XML from file" "$work/chosen.xml" 30
wait_for 30 copy_all_gives "$work/opened.expected" || fail "Open did not load the chosen file"
mkdir -p "$shots"
import -window root "$shots/ambrel_e2e.png" || fail "no screenshot"
step "screenshot saved as $shots/ambrel_e2e.png"
[ "$(editor_text txtIn)" = "$(tr -d '\r' <"$work/chosen.xml")" ] || fail "the input does not show the chosen file"
step "Open … loaded the chosen file and regenerated"

# --- Files dropped anywhere on the input frame: the first of them loads at once. Each drop
# brings another document, several in a row, so that a drop that loads nothing shows.
# Drags FILE... from a fresh drag source onto the point X Y of the window; prints the answer
# the source got ("copy", "ignore", ...).
drag_files_to() {
  local x=$1 y=$2 source_pid source_window i
  shift 2
  # The previous source may still hold the pointer; its data was read at its drop.
  if [ -s "$work/source.pid" ]; then
    kill "$(cat "$work/source.pid")" 2>/dev/null || true
    wait_for 30 bash -c "! kill -0 $(cat "$work/source.pid") 2>/dev/null" || true
  fi
  rm -f "$work/drag.out"
  "$drag_source" "$@" >"$work/drag.out" 2>"$work/drag.log" &
  source_pid=$!
  echo "$source_pid" >"$work/source.pid"
  find_source() { xdotool search --all --onlyvisible --pid "$source_pid" --name '^ambrel drag source$' | head -n1; }
  source_shown() { [ -n "$(find_source)" ]; }
  wait_for 30 source_shown || fail "the drag source did not appear: $(cat "$work/drag.log")"
  source_window=$(find_source)
  xdotool windowmove --sync "$source_window" 20 20 >/dev/null 2>&1 || true
  sleep 0.2
  # A press that lands before the source is ready is lost; press again then.
  for i in 1 2 3 4 5; do
    xdotool mousemove --window "$source_window" 30 30 sleep 0.1 mousedown 1 sleep 0.2
    grep -q pressed "$work/drag.log" && break
    xdotool mouseup 1 sleep 0.3
  done
  # Over the window in small steps, as a hand would; the last steps stay on the target.
  for i in 40 20 8 2 0; do
    xdotool mousemove --window "$window" $((x + i)) $((y + i)) sleep 0.08
  done
  xdotool mouseup 1
  wait_for 30 test -s "$work/drag.out" || fail "the drag did not end: $(cat "$work/drag.log")"
  cat "$work/drag.out"
}
# Drops FILE... on a point of control NAME given as fractions (per cent) of its area.
drop_on() {
  local name=$1 px=$2 py=$3 g x y cw ch
  shift 3
  g=$(geometry_of "$name")
  read -r x y cw ch <<<"$g"
  ((${cw:-0} > 0 && ${ch:-0} > 0)) || fail "control $name has no area in the layout ($g)"
  drag_files_to $((x + cw * px / 100)) $((y + ch * py / 100)) "$@"
}
dropped_document() { printf '<dropped%s>\n  <item n="%s">%s</item>\n</dropped%s>\n' "$1" "$1" "$2" "$1"; }
drops=0
# Drops on NAME at (PX %, PY %) COUNT files of which the first must load.
check_drop() {
  local name=$1 px=$2 py=$3 count=$4 files=() i answer
  for ((i = 0; i < count; i++)); do
    drops=$((drops + 1))
    dropped_document "$drops" "$name $i" >"$work/drop$drops.xml"
    files+=("$work/drop$drops.xml")
  done
  "$ambrel_gen" "${files[0]}" >"$work/drop.expected" || fail "ambrel-gen failed on ${files[0]}"
  answer=$(drop_on "$name" "$px" "$py" "${files[@]}")
  [ "$answer" = copy ] || fail "dropping $count file(s) on $name was answered \"$answer\""
  wait_for 30 copy_all_gives "$work/drop.expected" ||
    fail "dropping $count file(s) on $name did not load the first: $(clipboard | head -n3)"
  step "$count file(s) dropped on $name: the first loaded"
}
for round in 1 2; do
  check_drop txtIn 50 50 1
  check_drop lblIn 20 50 3
  check_drop frameIn 1 50 1
  check_drop cmdFile 50 50 3
  check_drop cmdClear 50 50 1
  check_drop cmdPaste 50 50 3
done
[ "$(editor_text txtIn)" = "$(cat "$work/drop$((drops - 2)).xml")" ] || fail "the input does not show the dropped file"
# Outside the frame, files are refused and nothing changes.
answer=$(drop_on txtOut 50 50 "$work/drop1.xml")
[ "$answer" = ignore ] || fail "a drop on the output editor was answered \"$answer\""
copy_all_gives "$work/drop.expected" || fail "a refused drop changed the output"
step "a drop outside the input frame was refused"

# --- A paste of 20 MB: the window answers the window manager's pings while the document is
# declared (it stalled for over a second when the declaring held it), and Copy all then gives
# exactly ambrel-gen's output.
catalogue 250000 >"$work/large.xml"
"$ambrel_gen" "$work/large.xml" >"$work/large.expected" || fail "ambrel-gen failed on the large document"
offer_clipboard "$work/large.xml"
start_ping_watch "$window_watch"
pasted_at=$(now_ms)
click cmdPaste
wait_for 120 offered_text_taken || fail "Paste did not read the 20 MB on the clipboard"
wait_for 120 copy_all_gives "$work/large.expected" ||
  fail "a 20 MB paste did not yield ambrel-gen's output: $(last_copy_all_against "$work/large.expected")"
declared_at=$(now_ms)
stop_ping_watch
answered_while "$pasted_at" "$declared_at" "a 20 MB paste was declared"
step "a 20 MB paste declared after $((declared_at - pasted_at)) ms, the longest unanswered ping $gap ms"

# --- A paste that its owner sends in parts arrives whole, wherever the parts cut a character;
# a text offered only as Latin-1 is read as such.
awk 'BEGIN {
  print "<目录>"
  for (i = 0; i < 120000; i++)
    printf "  <书 编号=\"%d\"><标题>第%d本 — ünïcødé 😀</标题></书>\n", i, i
  print "</目录>"
}' >"$work/scripts.xml"
"$ambrel_gen" "$work/scripts.xml" >"$work/scripts.expected" || fail "ambrel-gen failed on scripts.xml"
paste_offered "$work/scripts.xml"
wait_for 120 copy_all_gives "$work/scripts.expected" || fail "a paste in many scripts was not declared"
# Whether the input's Ctrl+A, Ctrl+C copy is FILE (a large copy takes its time to come).
input_shows() {
  set_clipboard sentinel
  click txtIn
  xdotool key --clearmodifiers ctrl+a ctrl+c
  wait_for 120 copied || return 1
  timeout 120 xclip -o -selection clipboard >"$work/input.shown" 2>/dev/null
  cmp -s "$work/input.shown" "$1"
}
wait_for 120 input_shows "$work/scripts.xml" ||
  fail "the input does not show the $(($(stat -c %s "$work/scripts.xml") >> 20)) MB pasted in parts"
printf '<caf\xe9 lieu="\xe0"/>' >"$work/latin1.xml"
declarations_of '<café lieu="à"/>' latin1
paste_offered "$work/latin1.xml" STRING
wait_for 30 copy_all_gives "$work/latin1.expected" || fail "a paste offered only as Latin-1 was not declared"
step "a paste in parts arrived whole; one offered only as Latin-1 was read as such"

# --- A JSON document pasted is declared as ambrel-gen declares it.
printf '{"orders": [{"id": 1, "first name": "Ann", "lines": [{"sku": "a", "price": 9.5}]},\n  {"id": 2, "lines": []}]}\n' >"$work/orders.json"
"$ambrel_gen" "$work/orders.json" >"$work/orders.expected" || fail "ambrel-gen failed on orders.json"
paste_offered "$work/orders.json"
wait_for 30 copy_all_gives "$work/orders.expected" || fail "a pasted JSON document was not declared as ambrel-gen declares it"
step "a pasted JSON document was declared as ambrel-gen declares it"

# --- Ctrl+V in the input takes 20 MB from another program's clipboard in parts: the window
# answers throughout (the editor's own paste held it for 3 s), and one Ctrl+Z takes it out.
click cmdClear
offer_clipboard "$work/large.xml"
click txtIn
start_ping_watch "$window_watch"
pasted_at=$(now_ms)
xdotool key --clearmodifiers ctrl+v
wait_for 120 offered_text_taken || fail "Ctrl+V did not read the 20 MB on the clipboard"
wait_for 120 copy_all_gives "$work/large.expected" ||
  fail "Ctrl+V of 20 MB was not declared: $(last_copy_all_against "$work/large.expected");" \
    "the input holds $(editor_text txtIn | wc -c) bytes"
declared_at=$(now_ms)
stop_ping_watch
answered_while "$pasted_at" "$declared_at" "Ctrl+V took in 20 MB"
wait_for 120 input_shows "$work/large.xml" ||
  fail "the input does not show the 20 MB of Ctrl+V ($(stat -c %s "$work/input.shown") bytes shown)"
click txtIn
xdotool key --clearmodifiers ctrl+z
input_empty() { [ "$(editor_copy txtIn)" = sentinel ]; }
wait_for 30 input_empty || fail "one Ctrl+Z did not take out what Ctrl+V put in"
step "Ctrl+V of 20 MB declared after $((declared_at - pasted_at)) ms, the longest unanswered ping $gap ms; one Ctrl+Z took it out"

# --- The close box ends the program with exit status 0, even while a 200 MB file loads.
catalogue 2500000 >"$work/huge.xml"
click cmdFile
choose_in_open_dialog "Read XML from file" "$work/huge.xml" 30
sleep 0.5
closed_at=$(now_ms)
close_ends_program "$window" 30
step "it ended $(($(now_ms) - closed_at)) ms after the close request, during a 200 MB load"
