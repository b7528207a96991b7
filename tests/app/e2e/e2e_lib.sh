# Sourced by the end-to-end scripts: a private display, bounded waits, a program started and
# closed by its window, clicks on the controls of the laid-out window, the X clipboard and
# the open-file dialog.
# The sourcing script sets: e2e_label (prefix of its lines), program_log (a file whose lines
# a failure shows), work (its temporary folder), click_settle (seconds the program gets after
# a click), title (its window's title) and, before clicking, window and layout.
source "$(dirname "${BASH_SOURCE[0]}")/private_display.sh"
pids=()
# The program's kept choices are the test's own, never the user's.
export XDG_CONFIG_HOME=$work/config

step() { echo "$e2e_label: $*"; }
fail() {
  echo "$e2e_label: FAIL: $*" >&2
  [ -s "$program_log" ] && sed "s/^/$(basename "$program_log" .log): /" "$program_log" >&2
  exit 1
}
now_ms() { date +%s%3N; }

# Polls `$@` every 0.1 s for at most $timeout seconds.
wait_for() {
  local timeout=$1; shift
  local end=$(($(now_ms) + timeout * 1000))
  until "$@" >/dev/null 2>&1; do
    (($(now_ms) < end)) || return 1
    sleep 0.1
  done
}

# Ends what was started, newest first, each gone before the next.
stop_started() {
  local newest_first=() i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do newest_first+=("${pids[i]}"); done
  private_display_stop "${newest_first[@]}"
}

# A private X server with openbox on it, as DISPLAY.
start_display() {
  start_private_display "$work" || fail "no display started: $(cat "$work/xvfb.log" "$work/openbox.log" 2>/dev/null)"
  pids+=("${private_display_pids[@]}")
  export DISPLAY=$private_display
}

# start_display for the Qt window as a desktop starts it: on the platform it picks itself, and
# with leak reports about the display's system libraries (in a sanitizer build) not ours.
start_window_display() {
  unset QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
  export LSAN_OPTIONS="suppressions=$(dirname "${BASH_SOURCE[0]}")/system_leaks.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
  start_display
}

# The shown window laid out by ambrel-dialog $1 at the window's size, into $layout: where
# each control is, for clicks. Sets size to that size, WIDTHxHEIGHT.
lay_out_shown_window() {
  size=$(xdotool getwindowgeometry "$window" | awk '/Geometry:/ { print $2 }')
  "$1" --qt --embedded --open "$size" >"$layout" 2>"$work/layout.log" ||
    fail "ambrel-dialog could not lay out the window: $(cat "$work/layout.log")"
}

# A catalogue of $1 records, about 80 bytes each.
catalogue() {
  awk -v records="$1" 'BEGIN {
    print "<catalog>"
    for (i = 0; i < records; i++)
      printf "  <book id=\"%d\"><title>Title %d</title><price>%d.5</price><count>%d</count></book>\n", i, i, i, i
    print "</catalog>"
  }'
}

# Runs the window watcher $1 on $window, pinging it every 15 ms into $work/watch.log, until
# stop_ping_watch.
start_ping_watch() {
  "$1" "$window" 15 >"$work/watch.log" 2>"$work/watch.err" &
  watch_pid=$!
  pids+=("$watch_pid")
  sleep 0.5
}
stop_ping_watch() {
  kill "$watch_pid" 2>/dev/null || true
  wait "$watch_pid" 2>/dev/null || true
}

# The log of a window watcher ($work/watch.log, lines "ping SENT ANSWERED"): the longest
# stretch in milliseconds without an answered ping between two times, counting from FROM to
# the first answer and from the last answer to TO.
longest_gap() {
  awk -v from="$1" -v to="$2" '
    $1 == "ping" && $3 >= from && $3 <= to { if ($3 - last > gap) gap = $3 - last; last = $3 }
    BEGIN { last = from; gap = 0 }
    END { if (to - last > gap) gap = to - last; print gap }' "$work/watch.log"
}

# Sets gap to the longest gap from FROM to TO, and fails, saying what, unless the window
# answered pings while WHAT ($3) went on: a window held for the whole of it leaves one gap
# nearly as long as the whole, while a busy machine stretches both alike, so the longest gap
# must stay under half of the whole.
answered_while() {
  local from=$1 to=$2
  gap=$(longest_gap "$from" "$to")
  ((gap * 2 < to - from)) ||
    fail "the window answered no ping for $gap ms of the $((to - from)) ms while $3"
}

# Closes window $1 with its close box and expects the program, whose status the script
# writes to $work/status, to end with status 0 within $2 seconds.
close_ends_program() {
  wmctrl -i -c "$1"
  wait_for "$2" test -s "$work/status" || fail "the program did not end after the close request"
  local status
  status=$(cat "$work/status")
  [ "$status" = 0 ] || fail "exit status $status"
  step "the close box ended the program with exit status 0"
}

# A window that goes away while xdotool walks the tree makes that walk fail (BadWindow): such a
# walk saw nothing, and the next one sees the tree as it is.
find_titled() {
  local found attempt
  for attempt in 1 2 3; do
    found=$(xdotool search --onlyvisible --name "^${1//./\\.}\$" 2>/dev/null) && break
  done
  printf '%s\n' "$found" | head -n1
}
titled_shown() { [ -n "$(find_titled "$1")" ]; }
titled_gone() { ! titled_shown "$1"; }
# Runs COMMAND... (its output into $program_log) and waits at most SECONDS for its window
# titled $title, then activates it; sets window to that window and status_file to the file
# the program's exit status is written to when it ends.
start_titled() {
  local seconds=$1 run=$work/run${#pids[@]}
  shift
  (
    "$@" >"$program_log" 2>&1 &
    echo $! >"$run.pid"
    status=0
    wait $! || status=$?
    echo "$status" >"$run.status"
  ) &
  wait_for 30 test -s "$run.pid" || fail "$* did not start"
  pids+=("$(cat "$run.pid")")
  status_file=$run.status
  wait_for "$seconds" titled_shown "$title" || fail "no window titled \"$title\" appeared"
  window=$(find_titled "$title")
  xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
  sleep 0.5
}
# Asks $window to close as its close box does; the program must end within SECONDS, with
# exit status 0, and its window go.
close_titled() {
  wmctrl -i -c "$window"
  wait_for "$1" test -s "$status_file" || fail "the program did not end after the close request"
  [ "$(cat "$status_file")" = 0 ] || fail "exit status $(cat "$status_file")"
  wait_for 30 titled_gone "$title" || fail "the window stayed"
}

# The platform-parent-relative area "X Y W H" of control $1 in $layout (ambrel-dialog's tree):
# relative to the window, or to the pane of the nearest splitter, whose second pane ends
# where the splitter ends.
geometry_of() {
  awk -v want="$1" '
    {
      match($0, /^ */); d = RLENGTH / 2
      if ($1 == "window") { kind[0] = "window"; cx[0] = 0; cy[0] = 0; ax[0] = 0; ay[0] = 0; next }
      p = d - 1
      if (kind[p] == "splitter") {
        if (++panes[p] == 1) { ox = ax[p]; oy = ay[p] } else { ox = ax[p] + w[p] - $5; oy = ay[p] + h[p] - $6 }
      } else { ox = cx[p]; oy = cy[p] }
      kind[d] = $1; cx[d] = ox; cy[d] = oy; ax[d] = ox + $3; ay[d] = oy + $4; w[d] = $5; h[d] = $6; panes[d] = 0
      if ($2 == want) {
        if ($7 == "gadget") print ox + $8, oy + $9, $10, $11; else print ax[d], ay[d], $5, $6
        exit
      }
    }' "$layout"
}
# Clicks the middle of control $1, then lets the program settle.
click() {
  local g x y cw ch
  g=$(geometry_of "$1")
  read -r x y cw ch <<<"$g"
  ((${cw:-0} > 0 && ${ch:-0} > 0)) || fail "control $1 has no area in the layout ($g)"
  xdotool mousemove --window "$window" $((x + cw / 2)) $((y + ch / 2)) sleep 0.05 click 1
  sleep "$click_settle"
}
clipboard() { timeout 3 xclip -o -selection clipboard 2>/dev/null || true; }
set_clipboard() { printf '%s' "$1" | timeout 3 xclip -i -selection clipboard >/dev/null 2>&1; }
# Offers the text of FILE on the clipboard as TARGET (UTF8_STRING when not given) from an
# owner that stays until another takes the clipboard and logs each text it hands over. A
# paste reads the clipboard after the click that asks for it; touching the clipboard before
# offered_text_taken would change what the paste reads.
offer_clipboard() {
  : >"$work/offer.log"
  xclip -i -selection clipboard -verbose -t "${2:-UTF8_STRING}" "$1" >"$work/offer.log" 2>&1 &
  pids+=("$!")
  wait_for 30 grep -q "request number 1" "$work/offer.log" || fail "xclip did not take the clipboard: $(cat "$work/offer.log")"
}
offered_text_taken() { grep -q "request number 2" "$work/offer.log"; }
# Offers FILE on the clipboard (as TARGET) and clicks Paste; fails unless the paste reads it.
paste_offered() {
  offer_clipboard "$@"
  click cmdPaste
  wait_for 120 offered_text_taken || fail "Paste did not read $(basename "$1") from the clipboard"
}

# Types PATH into the open-file dialog titled TITLE and accepts it; waits at most SECONDS
# for the dialog to close. The keys only count once the dialog holds the keyboard, and a
# Return can be taken by the name completer's popup, so both are tried again.
choose_in_open_dialog() {
  local title=$1 path=$2 seconds=$3 dialog attempt
  wait_for "$seconds" titled_shown "$title" || fail "the open-file dialog did not appear"
  for attempt in 1 2 3; do
    dialog=$(find_titled "$title")
    [ -n "$dialog" ] || return 0
    xdotool windowactivate --sync "$dialog" >/dev/null 2>&1 || true
    wait_for "$seconds" bash -c "[ \"\$(xdotool getactivewindow)\" = $dialog ]" || true
    sleep 0.3
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 5 "$path"
    sleep 0.3
    xdotool key Return
    wait_for "$seconds" titled_gone "$title" && return 0
    xdotool key Return
    wait_for 2 titled_gone "$title" && return 0
    step "the open-file dialog is still open after attempt $attempt; typing the name again"
  done
  fail "the open-file dialog did not close"
}

# The area "X Y W H" in pixels of control $1 in a window drawn at $2 pixels per 100 of the
# layout's units (a scale of 150 % at 144 DPI).
pixels_of() {
  local name=$1 percent=$2 g x y cw ch
  g=$(geometry_of "$name")
  read -r x y cw ch <<<"$g"
  ((${cw:-0} > 0 && ${ch:-0} > 0)) || fail "control $name has no area in the layout ($g)"
  echo "$((x * percent / 100)) $((y * percent / 100)) $(((x + cw) * percent / 100 - x * percent / 100))" \
    "$(((y + ch) * percent / 100 - y * percent / 100))"
}
# Saves the part "X Y W H" of the window as it is on the screen now as the PNG file $5.
shoot_part() {
  import -window "$window" png:- 2>/dev/null | convert - -crop "$3x$4+$1+$2" +repage "$5" ||
    fail "no picture of the window"
}
# Whether the PNG files $1 and $2 differ in any pixel.
pictures_differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }

# The keyboard in the tool's window, whose output is the text of file $1 with Copy all
# enabled: Shift+Tab leaves the input editor for the control before it (Copy all, wrapping
# round), the output editor looks different with the focus than without, and Tab moves on
# from it to Copy all. The sourcing script gives clipboard_is FILE (the clipboard holds the
# file's text) and scale_percent (the window's pixels per 100 units); the picture of the
# focused output editor goes to $shots.
check_keyboard_focus() {
  local expected=$1 part attempt
  part=$(pixels_of txtOut "$scale_percent")
  click txtIn
  shoot_part $part "$work/output_unfocused.png"
  set_clipboard sentinel
  xdotool key shift+Tab sleep "$click_settle" key space
  sleep "$click_settle"
  clipboard_is "$expected" || fail "Shift+Tab in the input editor did not move the focus to Copy all"
  step "Shift+Tab left the input editor for Copy all, the control before it"
  xdotool key shift+Tab
  sleep "$click_settle"
  # A caret blinks: one of a few pictures over a second and a half shows it.
  for attempt in 1 2 3 4 5 6 7; do
    shoot_part $part "$work/output_focused.png"
    pictures_differ "$work/output_unfocused.png" "$work/output_focused.png" && break
    ((attempt < 7)) || fail "the output editor looks the same with the focus as without"
    sleep 0.25
  done
  cp "$work/output_focused.png" "$shots/${e2e_label}_output_focused.png"
  step "the output editor shows the focus ($shots/${e2e_label}_output_focused.png)"
  set_clipboard sentinel
  xdotool key Tab sleep "$click_settle" key space
  sleep "$click_settle"
  clipboard_is "$expected" || fail "Tab in the output editor did not move the focus on to Copy all"
  step "Tab moved on from the output editor to Copy all"
}

# Paste with no text on the clipboard (a picture, then empty text) keeps the input, and so
# its declarations, the text of file $1: it must not wipe what the user had. With a clipboard
# owner program $2 (the X one; Wine answers from its own copy of the formats), the picture's
# check waits until the paste has asked what the clipboard holds; without, it gives it a second.
check_paste_without_text() {
  local expected=$1 owner=${2:-} picture=$work/picture.png asked
  convert -size 4x4 xc:red "$picture" || fail "no picture for the clipboard"
  if [ -n "$owner" ]; then
    "$owner" "$picture" 0 picture >"$work/picture-owner.out" 2>&1 &
    pids+=("$!")
    wait_for 30 grep -qx owning "$work/picture-owner.out" || fail "the picture's owner did not take the clipboard"
    asked=$(grep -c "asked for the targets" "$work/picture-owner.out" || true)
    click cmdPaste
    wait_for 30 bash -c "(( \$(grep -c 'asked for the targets' '$work/picture-owner.out') > $asked ))" ||
      fail "Paste did not ask what the clipboard holds"
  else
    timeout 3 xclip -i -selection clipboard -t image/png "$picture" >/dev/null 2>&1
    click cmdPaste
    sleep 1
  fi
  set_clipboard sentinel
  click cmdCopyAll
  clipboard_is "$expected" || fail "Paste with a picture on the clipboard changed the input"
  : >"$work/empty.txt"
  offer_clipboard "$work/empty.txt"
  click cmdPaste
  wait_for 30 offered_text_taken || fail "Paste did not read the empty text on the clipboard"
  set_clipboard sentinel
  click cmdCopyAll
  clipboard_is "$expected" || fail "Paste with empty text on the clipboard changed the input"
  step "Paste with a picture, then with empty text, on the clipboard kept the input"
}
