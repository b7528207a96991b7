#!/usr/bin/env bash
# A paste whose clipboard owner breaks off midway, on a private X server: the owner sends the
# first part of a text in parts and then stops answering, or quits. The Paste command and
# Ctrl+V in the input must leave the input and the output as they were, never declare the
# part that came, and say in the caption that the paste did not complete. Every wait is
# bounded.
# Usage: ambrel_paste_e2e.sh AMBREL AMBREL_DIALOG AMBREL_GEN BROKEN_OWNER SCREENSHOT_DIR
set -euo pipefail
usage="usage: $0 AMBREL AMBREL_DIALOG AMBREL_GEN BROKEN_OWNER SCREENSHOT_DIR"
[ $# -eq 5 ] || { echo "$usage" >&2; exit 2; }
ambrel=$1 ambrel_dialog=$2 ambrel_gen=$3 broken_owner=$4
title='Ambrel v.1.0.0.7'
notice="$title - the paste did not complete"
work=$(mktemp -d)
e2e_label=paste_e2e program_log=$work/ambrel.log layout=$work/layout.txt click_settle=0.15
source "$(dirname "$0")/e2e_lib.sh"
cleanup() {
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

start_window_display
start_titled 60 "$ambrel"
lay_out_shown_window "$ambrel_dialog"

copy_all_gives() {
  set_clipboard sentinel
  click cmdCopyAll
  cmp -s <(clipboard) "$1"
}
# The input's text as its own Ctrl+A, Ctrl+C copy it; the caret then goes back to the end.
input_is() {
  set_clipboard sentinel
  click txtIn
  xdotool key --clearmodifiers ctrl+a ctrl+c ctrl+End
  sleep 0.2
  cmp -s <(clipboard) "$1"
}
caption() { xdotool getwindowname "$window" 2>/dev/null; }
caption_is() { [ "$(caption)" = "$1" ]; }

# Starts the owner in mode $1 on $work/broken.xml and waits until it holds the clipboard.
start_broken_owner() {
  "$broken_owner" "$work/broken.xml" 65536 "$1" >"$work/owner.out" 2>"$work/owner.err" &
  owner_pid=$!
  pids+=("$owner_pid")
  wait_for 60 grep -qx owning "$work/owner.out" || fail "the broken owner did not take the clipboard: $(cat "$work/owner.err")"
}
owner_broke() { grep -qx broke "$work/owner.out"; }

# The input holds a document and its declarations, pasted whole.
printf '<kept>\n  <x>1</x>\n</kept>\n' >"$work/kept.xml"
"$ambrel_gen" "$work/kept.xml" >"$work/kept.expected" || fail "ambrel-gen failed on kept.xml"
paste_offered "$work/kept.xml"
wait_for 60 copy_all_gives "$work/kept.expected" || fail "the first paste was not declared"
wait_for 60 input_is "$work/kept.xml" || fail "the first paste is not in the input"
caption_is "$title" || fail "the caption is \"$(caption)\" before any broken paste"
catalogue 5000 >"$work/broken.xml"
step "the input holds a pasted document"

# --- The Paste command; the owner stops answering after the first part. The input stays as
# it was while the paste waits, and after the owner's patience has run out.
start_broken_owner stall
click cmdPaste
wait_for 60 owner_broke || fail "the Paste command did not take the first part"
input_is "$work/kept.xml" || fail "the input changed while the owner kept the rest back"
wait_for 60 caption_is "$notice" || fail "the caption does not say the paste did not complete: \"$(caption)\""
input_is "$work/kept.xml" || fail "a paste that did not complete changed the input"
copy_all_gives "$work/kept.expected" || fail "a paste that did not complete changed the output"
step "Paste from an owner that stopped answering kept the input and the output, and said so"

# --- A paste that completes takes the notice away.
private_display_stop "$owner_pid"
paste_offered "$work/kept.xml"
wait_for 60 caption_is "$title" || fail "a paste that completed left the caption \"$(caption)\""

# --- Ctrl+V in the input; the owner quits after the first part.
start_broken_owner quit
click txtIn
xdotool key --clearmodifiers ctrl+End ctrl+v
wait_for 60 owner_broke || fail "Ctrl+V did not take the first part"
wait_for 60 caption_is "$notice" || fail "the caption does not say Ctrl+V did not complete: \"$(caption)\""
input_is "$work/kept.xml" || fail "Ctrl+V that did not complete changed the input"
copy_all_gives "$work/kept.expected" || fail "Ctrl+V that did not complete changed the output"
step "Ctrl+V from an owner that quit midway kept the input and the output, and said so"

close_titled 5
step "the window closed with status 0"
