# Sourced: a private X server (Xvfb) with a window manager (openbox) on it.
# start_private_display LOG_FOLDER sets private_display (":N") and private_display_pids (the
# server, then the window manager), or returns 1 with what went wrong in the folder's
# xvfb.log and openbox.log.
#
# Xvfb can pick a free number itself (-displayfd), but it then makes its sockets before it
# takes the number's lock file, so two servers starting at once can take each other's
# sockets and leave one display that nobody can reach. Given a number, Xvfb takes the lock
# first and gives up cleanly when it is taken. So the number is chosen here, one start at a
# time on this machine, and a display that does not answer is given up for the next one.

private_display_pids=()
private_display_first=20
private_display_last=99

start_private_display() {
  local logs=$1 lock number
  exec {lock}>"/tmp/ambrel-private-display.lock"
  flock -w 120 "$lock" || { exec {lock}>&-; echo "no turn to start a display" >"$logs/xvfb.log"; return 1; }
  for ((number = private_display_first; number <= private_display_last; number++)); do
    if [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ]; then continue; fi
    private_display_try "$logs" "$number" "$lock" && break
  done
  exec {lock}>&-
  ((number <= private_display_last))
}

# Starts the server and the window manager on display $2, each given 10 seconds to answer;
# the lock's descriptor $3 is not handed to them, or they would hold the turn.
private_display_try() {
  local logs=$1 number=$2 lock=$3 server manager
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp {lock}>&- >"$logs/xvfb.log" 2>&1 &
  server=$!
  if ! private_display_answers ":$number" "$server" xdotool getdisplaygeometry; then
    private_display_stop "$server"
    return 1
  fi
  DISPLAY=":$number" openbox --sm-disable {lock}>&- >"$logs/openbox.log" 2>&1 &
  manager=$!
  if ! private_display_answers ":$number" "$manager" wmctrl -m; then
    private_display_stop "$manager" "$server"
    return 1
  fi
  private_display=":$number"
  private_display_pids=("$server" "$manager")
}

# Polls `$3...` on display $1 until it succeeds, for at most 10 seconds or until process $2
# has ended.
private_display_answers() {
  local display=$1 process=$2 tries
  shift 2
  for ((tries = 0; tries < 100; tries++)); do
    kill -0 "$process" 2>/dev/null || return 1
    DISPLAY=$display "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}

# Ends the processes given, in order, each gone before the next: a server still shutting
# down holds its number.
private_display_stop() {
  local process tries
  for process in "$@"; do
    kill "$process" 2>/dev/null || continue
    for ((tries = 0; tries < 50; tries++)); do
      kill -0 "$process" 2>/dev/null || break
      sleep 0.1
    done
  done
}

# Ends the display start_private_display started, if any: the window manager, then the server.
stop_private_display() {
  ((${#private_display_pids[@]} == 2)) || return 0
  private_display_stop "${private_display_pids[1]}" "${private_display_pids[0]}"
  private_display_pids=()
}
