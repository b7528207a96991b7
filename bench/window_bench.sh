#!/usr/bin/env bash
# Drives the real program as a user would, on a private X server with a window manager, and
# prints how long its window keeps the user waiting for catalogue documents of several sizes,
# loaded by Open (the open-file dialog) and by Paste (the X clipboard, then the Paste button):
#   gen s     ambrel-gen on the same file (Linux), for comparison
#   output s  from the click that loads until the output pane shows text (pixels of the pane)
#   input s   the same for the input pane
#   done s    until the program's work is over: the input filled and the output declared
#             (the busy pointer it shows meanwhile is gone); Wine on Xvfb shows the X server
#             none of its pointers, so there "-": the key step may then type into an input
#             that is still filling
#   ping s    the longest stretch without an answer to _NET_WM_PING during the load, until
#             the window has answered steadily for a second after that
#   peak MiB  the program's peak resident memory (VmHWM; under Wine the process of ambrel.exe)
#   click s   the longest stretch without an answer over the second after a click into the
#             middle of the settled input
#   key s     the longest stretch without an answer from one typed key into the settled
#             input until its regeneration (a second later) is over; the click that puts
#             the caret there is handled before the key is typed
#   clear s   from the click on Clear until both panes show no text
#   exit s    from the close request to the end of the program
#   check     whether Copy all then gives ambrel-gen's output for the text loaded
# A case that does not get to its end within the time limit shows "over N s", one whose
# program grows beyond the memory cap (the machine is shared) "over N MiB", and its program is
# killed. Every program starts afresh for each case. Each size is measured as XML and as JSON
# of the same records and size (bench_catalogue --json), so that the rows compare the formats,
# and in each shape asked for: "lines" (pretty-printed), "one-line" (the same text minified
# into one line) and "long-key" (JSON only: one record whose one key is MB long, so that the
# declarations' lines are as long).
#
# Usage: bench/window_bench.sh [--limit SECONDS] [--memory-cap MIB] [--sizes "MB ..."]
#                              [--ways "open paste"] [--formats "xml json"]
#                              [--shapes "lines one-line long-key"] BIN [WINDOWS_BIN]
#   BIN          the Linux build's bin folder (ambrel, ambrel-gen, ambrel-dialog,
#                bench_window_watch, bench_catalogue)
#   WINDOWS_BIN  with it, ambrel.exe and ambrel-dialog.exe from there run under Wine (in a
#                prefix of their own beside that folder); sizes default to "1 50" then
set -euo pipefail
limit=120 memory_cap=6144 sizes='' ways='open paste' formats='xml json' shapes=lines
usage="usage: $0 [--limit SECONDS] [--memory-cap MIB] [--sizes \"MB ...\"] [--ways \"open paste\"] [--formats \"xml json\"] [--shapes \"lines one-line long-key\"] BIN [WINDOWS_BIN]"
while [ $# -gt 0 ]; do
  case $1 in
    --limit) limit=$2; shift 2 ;;
    --memory-cap) memory_cap=$2; shift 2 ;;
    --sizes) sizes=$2; shift 2 ;;
    --ways) ways=$2; shift 2 ;;
    --formats) formats=$2; shift 2 ;;
    --shapes) shapes=$2; shift 2 ;;
    --) shift; break ;;
    -*) echo "$usage" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || [ $# -eq 2 ] || { echo "$usage" >&2; exit 2; }
bin=$(cd "$1" && pwd)
windows_bin=${2:+$(cd "$2" && pwd)}
here=$(cd "$(dirname "$0")" && pwd)
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
e2e_label=window-bench program_log=$work/ambrel.log layout=$work/layout.txt
source "$here/../tests/app/e2e/e2e_lib.sh"
source "$here/../scripts/windows-wine.sh"

if [ -n "$windows_bin" ]; then
  sizes=${sizes:-1 50} platform="Wine, ambrel.exe"
  program=(wine "$windows_bin/ambrel.exe")
else
  sizes=${sizes:-1 20 200} platform="Linux, Qt"
  program=("$bin/ambrel")
fi
watch_pid='' program_pid=''

cleanup() {
  stop_case
  [ -n "$windows_bin" ] && wine_end
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

seconds() { awk -v ms="$1" 'BEGIN { printf "%.2f", ms / 1000 }'; }
last_of() { echo $(($1 > $2 ? $1 : $2)); }

# --- The watch log ($work/watch.log; longest_gap is in e2e_lib.sh).
# Answered every ping for the last second.
answering() {
  local now
  now=$(now_ms)
  (($(longest_gap $((now - 1000)) "$now") < 200))
}
# The time pane NAME first showed text at or after T, if it has.
text_time() { awk -v name="$1" -v t="$2" '$1 == "text" && $2 == name && $3 >= t { print $3; exit }' "$work/watch.log"; }
shows_text() { [ -n "$(text_time "$1" "$2")" ]; }
# The time pane NAME first went blank at or after T, if it has.
blank_time() { awk -v name="$1" -v t="$2" '$1 == "blank" && $2 == name && $3 >= t { print $3; exit }' "$work/watch.log"; }
both_blank() { [ -n "$(blank_time input "$1")" ] && [ -n "$(blank_time output "$1")" ]; }
# The time since which the pointer has had the shape it had at T (the click), once the busy
# pointer the program shows while it fills the input or declares is gone; T when the watcher
# sees no shapes.
idle_since() {
  awk -v t="$1" '$1 == "cursor" { seen = 1; if ($3 <= t) idle = $2; last = $2; since = $3 }
    END { if (!seen) print t; else if (last == idle) print (since > t ? since : t) }' "$work/watch.log"
}
pointer_idle() {
  local since
  since=$(idle_since "$1")
  [ -n "$since" ] && (($(now_ms) - since >= 1000))
}

# --- The program and its watcher.
start_program() {
  rm -f "$work/status" "$work/pid"
  # (The shell's own word on a program killed for overrunning is not wanted in the table.)
  ( "${program[@]}" >"$work/ambrel.log" 2>&1 & echo $! >"$work/pid"; wait $!; echo $? >"$work/status" ) 2>/dev/null &
  wait_for 10 test -s "$work/pid" || fail "the program did not start"
  wait_for 60 titled_shown "$title" || fail "no window titled \"$title\" appeared"
  window=$(find_titled "$title")
  # The process whose memory counts: under Wine, the one that runs ambrel.exe.
  program_pid=$(xdotool getwindowpid "$window" 2>/dev/null || cat "$work/pid")
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  xdotool windowsize --sync "$window" 700 900 >/dev/null 2>&1 || true
  xdotool windowmove --sync "$window" 0 0 >/dev/null 2>&1 || true
  sleep 1
  lay_out
  start_watch
}

# Where the controls are: the same definition laid out at the window's size.
lay_out() {
  local size
  size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
  if [ -n "$windows_bin" ]; then
    wine "$windows_bin/ambrel-dialog.exe" --embedded --open "$size" 2>"$work/layout.log" | tr -d '\r' >"$layout"
  else
    "$bin/ambrel-dialog" --qt --embedded --open "$size" >"$layout" 2>"$work/layout.log"
  fi
  [ -s "$layout" ] || fail "ambrel-dialog could not lay out the window: $(cat "$work/layout.log")"
}

# The part of editor NAME where its first lines show, inside its frame and scroll bars.
text_area() {
  local x y w h
  read -r x y w h <<<"$(geometry_of "$1")"
  ((${w:-0} > 60 && ${h:-0} > 60)) || fail "control $1 has no area in the layout"
  echo "$((x + 6)) $((y + 6)) $(((w - 30) < 400 ? w - 30 : 400)) $(((h - 30) < 200 ? h - 30 : 200))"
}

start_watch() {
  # shellcheck disable=SC2046
  "$bin/bench_window_watch" "$window" 15 input $(text_area txtIn) output $(text_area txtOut) >"$work/watch.log" &
  watch_pid=$!
  wait_for 10 answering || fail "the window does not answer _NET_WM_PING"
}

stop_case() {
  if [ -n "$watch_pid" ]; then
    kill "$watch_pid" 2>/dev/null || true
    wait "$watch_pid" 2>/dev/null || true
  fi
  if [ -n "$program_pid" ] && [ ! -s "$work/status" ]; then
    kill -9 "$program_pid" "$(cat "$work/pid" 2>/dev/null)" 2>/dev/null || true
    [ -n "$windows_bin" ] && wine_end
    wait_for 10 test -s "$work/status" || true
  fi
  watch_pid='' program_pid=''
}

# Moves the pointer to the middle of control NAME.
point_at() {
  local x y w h
  read -r x y w h <<<"$(geometry_of "$1")"
  xdotool mousemove --window "$window" $((x + w / 2)) $((y + h / 2)) sleep 0.1
}

# --- The two ways in. Each prints the time of the click that starts the load.
paste_file() {
  if [ -n "$windows_bin" ]; then sleep 0.5; fi
  timeout 60 xclip -i -selection clipboard "$1" >/dev/null 2>&1
  wait_for 30 bash -c "xclip -o -selection clipboard -t TARGETS | grep -q UTF8_STRING" ||
    fail "xclip did not take the clipboard"
  point_at cmdPaste
  now_ms
  xdotool click 1
}

# The dialog is moved off the window first, so that it covers neither pane. A Return that the
# name completer takes leaves the dialog up with the program idle: Return again then.
open_file() {
  local path=$1 dialog start end
  [ -n "$windows_bin" ] && path=$(winepath -w "$path" 2>/dev/null)
  point_at cmdFile
  xdotool click 1
  wait_for 20 titled_shown "Read XML from file" || fail "the open-file dialog did not appear"
  dialog=$(find_titled "Read XML from file")
  xdotool windowmove --sync "$dialog" 720 0 >/dev/null 2>&1 || true
  xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
  sleep 0.5
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 5 "$path"
  sleep 0.5
  for _ in 1 2 3; do
    start=$(now_ms)
    xdotool key Return
    end=$((start + 2000))
    while (($(now_ms) < end)); do
      # (xdotool complains of a dialog that goes while it looks.)
      if titled_gone "Read XML from file" 2>/dev/null || ! answering_lately; then
        echo "$start"
        return 0
      fi
      sleep 0.05
    done
  done
  fail "the open-file dialog did not take the file name"
}
answering_lately() {
  local now
  now=$(now_ms)
  (($(longest_gap $((now - 300)) "$now") < 250))
}

# --- One case: a way, a file; prints its row.
resident_mib() { awk '/^VmRSS:/ { printf "%.0f", $2 / 1024 }' "/proc/$program_pid/status" 2>/dev/null || echo 0; }

# Waits until COMMAND succeeds; fails when the DEADLINE passes or the program's memory goes
# over the cap first, with what it overran in $overrun.
until_deadline() {
  local deadline=$1
  shift
  until "$@"; do
    if (($(now_ms) >= deadline)); then
      overrun="over $limit s"
      return 1
    fi
    if (($(resident_mib) > memory_cap)); then
      overrun="over $memory_cap MiB"
      return 1
    fi
    sleep 0.1
  done
}
settled() { shows_text input "$1" && shows_text output "$1" && pointer_idle "$1" && answering; }

# Whether the window answered a ping sent at or after T: it has handled what reached it before.
answered_since() { awk -v t="$1" '$1 == "ping" && $2 >= t { found = 1 } END { exit !found }' "$work/watch.log"; }

# Clicks into the middle of the settled input; prints the longest stretch without an answer
# over the second after.
click_stall() {
  local deadline=$1 click
  point_at txtIn
  until_deadline "$deadline" answering || { echo "$overrun"; return; }
  click=$(now_ms)
  xdotool click 1
  sleep 1
  until_deadline "$deadline" answering || { echo "$overrun"; return; }
  seconds "$(longest_gap "$click" "$(now_ms)")"
}

# Types one key at the end of the settled input; prints the longest stretch without an answer
# until the regeneration a second later (about as long as the load's took) is over. The click
# and the move to the end are handled first: their stretches are not the key's.
key_stall() {
  local generation_ms=$1 deadline=$2 key observed sent
  point_at txtIn
  xdotool click 1
  xdotool key --clearmodifiers ctrl+End
  sent=$(now_ms)
  until_deadline "$deadline" answered_since "$sent" || { echo "$overrun"; return; }
  until_deadline "$deadline" answering || { echo "$overrun"; return; }
  key=$(now_ms)
  xdotool key --clearmodifiers space
  sleep "$(seconds $((1500 + 2 * generation_ms)))"
  until_deadline "$deadline" answering || { echo "$overrun"; return; }
  observed=$(now_ms)
  seconds "$(longest_gap "$key" "$observed")"
}

# Copy all against the output expected for each form the text may have reached the program
# in (Wine hands the program pasted text with CR LF line ends, and the X clipboard Copy all's
# text without the CR).
output_check() {
  local expected
  set_clipboard sentinel
  point_at cmdCopyAll
  xdotool click 1
  wait_for 20 bash -c "[ \"\$(timeout 3 xclip -o -selection clipboard 2>/dev/null | head -c 8)\" != sentinel ]" || { echo "no copy"; return; }
  clipboard >"$work/copied"
  for expected in "$@"; do
    if [ -n "$windows_bin" ]; then
      cmp -s "$work/copied" <(tr -d '\r' <"$expected") && { echo ok; return; }
    else
      cmp -s "$work/copied" "$expected" && { echo ok; return; }
    fi
  done
  echo "differs"
}

# Clicks Clear; prints the seconds until both panes show no text.
clear_time() {
  local start input output
  point_at cmdClear
  start=$(now_ms)
  xdotool click 1
  until_deadline $((start + limit * 1000)) both_blank "$start" || { echo "$overrun"; return; }
  input=$(blank_time input "$start") output=$(blank_time output "$start")
  seconds $(((input > output ? input : output) - start))
}

peak_mib() { awk '/^VmHWM:/ { printf "%.0f", $2 / 1024 }' "/proc/$program_pid/status" 2>/dev/null || echo "?"; }

# Prints the row of WAY at SIZE MB of FORMAT in SHAPE.
run_case() {
  local way=$1 size=$2 format=$3 shape=$4 case_name=$2-$4.$3 load start deadline output input done_s ping peak click key check clear_s exit_s
  local file=$work/catalogue-$case_name
  load=$(cut -d' ' -f1 /proc/loadavg)
  start_program
  case $way in
    open) start=$(open_file "$file") ;;
    paste) start=$(paste_file "$file") ;;
  esac
  deadline=$((start + limit * 1000))
  output='' input='' done_s='' ping='' peak='' click='' key='' check='' clear_s='' exit_s=''
  if until_deadline "$deadline" settled "$start"; then
    output=$(seconds $(($(text_time output "$start") - start)))
    input=$(seconds $(($(text_time input "$start") - start)))
    [ -n "$windows_bin" ] ||
      done_s=$(seconds $(($(last_of "$(idle_since "$start")" "$(text_time output "$start")") - start)))
    ping=$(seconds "$(longest_gap "$start" "$(now_ms)")")
    click=$(click_stall $(($(now_ms) + limit * 1000)))
    key=$(key_stall $(($(text_time output "$start") - start)) $(($(now_ms) + limit * 1000)))
    [[ $key == over* ]] || check=$(output_check "$work/expected-$case_name" "$work/expected-crlf-$case_name")
  else
    output=$overrun input=$overrun
    shows_text output "$start" && output=$(seconds $(($(text_time output "$start") - start)))
    shows_text input "$start" && input=$(seconds $(($(text_time input "$start") - start)))
    ping=$(seconds "$(longest_gap "$start" "$(now_ms)")")
  fi
  peak=$(peak_mib)
  [ -n "$check" ] && clear_s=$(clear_time)
  # A program that overran is killed, not asked to close.
  [[ -n $check && $clear_s != over* ]] && exit_s=$(close_program)
  stop_case
  printf '%-6s %-6s %-8s %5s %7s %10s %10s %10s %10s %9s %8s %10s %10s %10s %6s  %s\n' "$way" "$format" \
    "$shape" "$size" "$(cat "$work/gen-$case_name")" "$output" "$input" "${done_s:--}" "$ping" \
    "${peak:--}" "${click:--}" "${key:--}" "${clear_s:--}" "${exit_s:--}" "$load" "${check:--}"
}

# The close request; prints the seconds until the program ended.
close_program() {
  local start
  start=$(now_ms)
  wmctrl -i -c "$window"
  if wait_for "$limit" test -s "$work/status"; then seconds $(($(now_ms) - start)); else echo "over $limit s"; fi
}

# The document of SIZE MB in FORMAT and SHAPE, the output ambrel-gen gives for it (also with
# CR LF line ends) and ambrel-gen's time.
prepare_size() {
  local size=$1 format=$2 shape=$3 case_name=$1-$3.$2 start option=()
  [ "$format" = json ] && option=(--json)
  case $shape in
    one-line) option+=(--one-line) ;;
    long-key) option+=(--long-key) ;;
  esac
  "$bin/bench_catalogue" "${option[@]}" "$size" >"$work/catalogue-$case_name"
  start=$(now_ms)
  "$bin/ambrel-gen" "$work/catalogue-$case_name" >"$work/expected-$case_name"
  seconds $(($(now_ms) - start)) >"$work/gen-$case_name"
  "$bin/bench_catalogue" --crlf "${option[@]}" "$size" | "$bin/ambrel-gen" - >"$work/expected-crlf-$case_name"
}

unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
start_display
if [ -n "$windows_bin" ]; then
  AMBREL_WINE_DISPLAY=$DISPLAY wine_prefix "$(dirname "$windows_bin")/wine-bench"
fi
echo "window benchmark: $platform on Xvfb with openbox, $(nproc) cores, limit $limit s, memory cap $memory_cap MiB"
printf '%-6s %-6s %-8s %5s %7s %10s %10s %10s %10s %9s %8s %10s %10s %10s %6s  %s\n' way format shape MB \
  "gen s" "output s" "input s" "done s" "ping s" "peak MiB" "click s" "key s" "clear s" "exit s" load check
for size in $sizes; do
  for shape in $shapes; do
    for format in $formats; do
      [ "$shape" = long-key ] && [ "$format" != json ] && continue
      prepare_size "$size" "$format" "$shape"
      for way in $ways; do run_case "$way" "$size" "$format" "$shape"; done
    done
  done
done
