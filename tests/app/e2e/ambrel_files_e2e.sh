#!/usr/bin/env bash
# The real ambrel binary given files that are not what a file usually is, on a private X
# server: a FIFO that has no writer yet, a pipe that never ends, and a name that is not UTF-8.
# The window must come up and answer the window manager's pings whatever the file does, and
# memory must stay bounded however much a pipe sends. Every wait is bounded.
# Usage: ambrel_files_e2e.sh AMBREL AMBREL_DIALOG AMBREL_GEN WINDOW_WATCH
set -euo pipefail
[ $# -eq 4 ] || { echo "usage: $0 AMBREL AMBREL_DIALOG AMBREL_GEN WINDOW_WATCH" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 window_watch=$4
title='Ambrel v.1.0.0.7'
work=$(mktemp -d)
e2e_label=e2e-files program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.2
source "$(dirname "$0")/e2e_lib.sh"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

start_window_display

start_ambrel() { start_titled 60 "$ambrel" "$@"; }
close_ambrel() { close_titled 30; }
copy_all_gives() {
  set_clipboard sentinel
  click cmdCopyAll
  cmp -s <(clipboard) "$1"
}
# Pings the window for $1 seconds; fails when it left pings unanswered for half that time or
# more, as a window held by what it reads does (a busy machine delays single answers).
window_answers_for() {
  local from to gap
  start_ping_watch "$window_watch"
  from=$(now_ms)
  sleep "$1"
  to=$(now_ms)
  stop_ping_watch
  gap=$(longest_gap "$from" "$to")
  ((gap < $1 * 500)) || fail "the window answered no ping for $gap ms $2"
  step "the window answered every ping $2 (longest gap $gap ms)"
}
# The resident memory of the program in MiB.
resident_mib() { awk '/^VmRSS:/ { print int($2 / 1024) }' "/proc/$1/status"; }

document=$'<library>\n  <shelf n="1"><book>A</book><book>B</book></shelf>\n</library>\n'
printf '%s' "$document" >"$work/document.xml"
"$ambrel_gen" "$work/document.xml" >"$work/document.expected" || fail "ambrel-gen failed"

# --- A FIFO with no writer: the window comes up and answers; the text comes once written.
mkfifo "$work/fifo.xml"
start_ambrel "$work/fifo.xml"
lay_out_shown_window "$ambrel_dialog"
window_answers_for 4 "while its FIFO had no writer"
timeout 10 cp "$work/document.xml" "$work/fifo.xml" || fail "nobody read the FIFO"
wait_for 60 copy_all_gives "$work/document.expected" ||
  fail "the FIFO's text was not declared: $(clipboard | head -n3)"
step "the text written into the FIFO later was loaded and declared"
close_ambrel

# --- A pipe that never ends: the window comes up and answers while it loads, the load stops
# at its limit and says so, and memory stays bounded. (Its elements follow each other: the
# declarations of elements nested ever deeper grow with the square of the depth, as each
# structure's comment gives its path, whatever the input's source.)
start_ambrel <(yes '<a>1</a>')
program=${pids[-1]}
window_answers_for 4 "while an endless pipe loaded"
wait_for 240 grep -q "only the first 16 MiB were loaded" "$program_log" ||
  fail "the endless pipe was not cut at its limit (resident $(resident_mib "$program") MiB)"
first=$(resident_mib "$program")
window_answers_for 4 "after the endless pipe was cut"
second=$(resident_mib "$program")
((second <= first + 16)) || fail "memory grew from $first to $second MiB after the cut"
((second < 1024)) || fail "the program holds $second MiB for 16 MiB of text"
step "the endless pipe was cut at 16 MiB; the program holds $second MiB"
close_ambrel

# --- A name that is not UTF-8 (Latin-1 "café.xml") is opened as the bytes it is.
latin=$work/caf$'\xe9'.xml
cp "$work/document.xml" "$latin"
start_ambrel "$latin"
wait_for 60 copy_all_gives "$work/document.expected" ||
  fail "the file named in Latin-1 was not loaded: $(clipboard | head -n3)"
step "a file named in Latin-1 was loaded"
close_ambrel
