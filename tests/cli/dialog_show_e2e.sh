#!/usr/bin/env bash
# ambrel-dialog --show on a private X server, as a definition's author uses it: the real
# window comes up, its event procedures print what the user does, and each save of the file
# rebuilds it within a second at the size the user gave it; a faulty save is told with its
# place and leaves the window up; the close box ends the program. Every wait is bounded.
# Usage: dialog_show_e2e.sh AMBREL_DIALOG SCREENSHOT_DIR [wine]
# With "wine", AMBREL_DIALOG is the Windows program, run under Wine in a prefix of its own
# under SCREENSHOT_DIR.
set -euo pipefail
[ $# -ge 2 ] || { echo "usage: $0 AMBREL_DIALOG SCREENSHOT_DIR [wine]" >&2; exit 2; }
program=$1 shots=$2 runner=${3:-}
work=$(mktemp -d)
e2e_label=show program_log=$work/errors.log layout=$work/layout.txt click_settle=0.3
start_seconds=60
if [ "$runner" = wine ]; then
  e2e_label=show-win start_seconds=60
  export WINEPREFIX=$shots/wine-show
fi
source "$(dirname "$0")/../app/e2e/e2e_lib.sh"
source "$(dirname "$0")/../../scripts/windows-wine.sh"
cleanup() {
  stop_started
  [ "$runner" = wine ] && wine_end
  rm -rf "$work"
}
trap cleanup EXIT

unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
export LSAN_OPTIONS="suppressions=$(dirname "$0")/../app/e2e/system_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
start_display
definition=$work/show.xml
shown_definition=$definition
if [ "$runner" = wine ]; then
  wine_prefix "$WINEPREFIX" || fail "the Wine prefix's session did not start"
  shown_definition=$(winepath -w "$definition" 2>/dev/null)
fi
run() { if [ "$runner" = wine ]; then wine "$program" "$@"; else "$program" "$@"; fi; }
# A program that prints and ends; under Wine through the runner that tells Wine's own aborts
# at exit from the program's failures (scripts/wine-program.sh).
run_once() {
  if [ "$runner" = wine ]; then
    bash "$(dirname "$0")/../../scripts/wine-program.sh" wine "$program" "$@"
  else
    "$program" "$@"
  fi
}

# A window titled $1 with a button and a field, each bound to a procedure; $2 goes into the
# button's element.
write_definition() {
  cat >"$definition.new" <<DEFINITION
<window name='w' text='$1'
        flags='#KV_Window_SizeGadget|#KV_Window_SystemMenu|#KV_Window_TitleBar'>
  <vbox>
    <button name='go' text='Go' OnEvent='clicked()' $2/>
    <string name='field' text='edit me' OnChange='changed()'/>
  </vbox>
</window>
DEFINITION
  mv "$definition.new" "$definition"
}
errors_say() { grep -qF "$1" "$work/errors.log"; }
output_says() { tr -d '\r' <"$work/events.log" | grep -qxF "$1"; }
size_of() { xdotool getwindowgeometry "$1" | awk '/Geometry:/ { print $2 }'; }

# --- The first window, with the warning about its button.
write_definition 'Show One' "width='80px'"
( run --show "$shown_definition" >"$work/events.log" 2>"$work/errors.log" & echo $! >"$work/pid"
  wait $!; echo $? >"$work/status" ) &
wait_for 30 test -s "$work/pid" || fail "ambrel-dialog did not start"
pids+=("$(cat "$work/pid")")
wait_for "$start_seconds" titled_shown 'Show One' || fail "no window titled \"Show One\" appeared"
window=$(find_titled 'Show One')
wait_for 30 errors_say "show.xml:4:53: warning: width '80px' is read as 80" ||
  fail "the warning was not told with its place"
step "window \"Show One\" is up; its warning was told with its place"

# --- The user makes it larger; a click on the button and typing in the field print events.
xdotool windowsize "$window" 420 330
wait_for 30 bash -c "[ \"\$(xdotool getwindowgeometry $window | awk '/Geometry:/ { print \$2 }')\" = 420x330 ]" ||
  fail "the window did not take the size 420x330"
run_once --qt --any-proc --no-warnings --open 420x330 "$shown_definition" 2>"$work/layout.err" |
  tr -d '\r' >"$layout" ||
  fail "ambrel-dialog could not lay out the definition: $(cat "$work/layout.err")"
click go
wait_for 30 output_says "clicked(): type 0 (ONLEFTCLICK) on button go" || fail "the click printed no event"
click field
xdotool type --delay 20 'x'
wait_for 30 output_says "changed(): type 768 (ONCHANGE) on string field" || fail "typing printed no event"
step "the click and the typing printed their events"

# --- A save rebuilds the window, at the size the user gave it. How soon is reported, not
# judged: on a busy machine it takes longer than the second it takes on an idle one.
write_definition 'Show Two' ''
saved_at=$(now_ms)
wait_for 60 titled_shown 'Show Two' || fail "the window was not rebuilt from the saved file within 60 s"
rebuilt_ms=$(($(now_ms) - saved_at))
window=$(find_titled 'Show Two')
[ "$(size_of "$window")" = 420x330 ] || fail "the rebuilt window is $(size_of "$window"), not 420x330"
titled_gone 'Show One' || fail "the earlier window is still up"
step "the saved file rebuilt the window after $rebuilt_ms ms, still 420x330"

# --- A faulty save is told with its place and leaves the last good window up.
printf "<window text='Show Three'>\n  <vbox>\n" >"$definition.new"
mv "$definition.new" "$definition"
wait_for 30 errors_say "show.xml:3:1: no element found" || fail "the faulty file was not told"
sleep 0.5
titled_shown 'Show Two' || fail "the last good window went away"
step "the faulty save was told as show.xml:3:1 and \"Show Two\" stayed up"
write_definition 'Show Four' ''
wait_for 30 titled_shown 'Show Four' || fail "the fixed file did not rebuild the window"
window=$(find_titled 'Show Four')
mkdir -p "$shots"
shot=$shots/ambrel_dialog_show${runner:+_$runner}.png
import -window root "$shot" || fail "no screenshot"
step "the fixed file rebuilt the window; screenshot saved as $shot"

# --- A FIFO put in the file's place is passed over: the window goes on answering (it froze
# when the look at the file opened the FIFO, which waits for a writer), and a file back in
# its place rebuilds it.
if [ "$runner" != wine ]; then
  rm "$definition"
  mkfifo "$definition"
  sleep 1
  clicks=$(grep -c 'clicked()' "$work/events.log" || true)
  click go
  wait_for 5 bash -c "[ \$(grep -c 'clicked()' '$work/events.log') -gt $clicks ]" ||
    fail "the window did not answer a click while its file was a FIFO"
  rm "$definition"
  write_definition 'Show Five' ''
  wait_for 5 titled_shown 'Show Five' || fail "the file back in the FIFO's place did not rebuild the window"
  window=$(find_titled 'Show Five')
  step "a FIFO in the file's place left the window answering; the file back rebuilt it"
fi

# --- The close box ends the program with exit status 0.
close_ends_program "$window" 30
