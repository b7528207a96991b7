# Sourced by the Windows scripts and tests: a private Wine prefix, quiet, with no dialogs (no
# .NET or HTML engine downloads) and no display needed for console programs.
#
# A prefix's session is its server, its services and its desktop (explorer.exe /desktop). The
# server closes the desktop a second after the last program using it ends, and the next
# program to need one starts it anew, on that program's display and holding that program's
# output. Programs started one after another, or side by side as ctest starts them, then
# meet a desktop that is going away or is on no display. So the session is started once,
# before the programs, on the display in DISPLAY, and a program that waits for input that
# never comes keeps it up until wine_end.

# wine_prefix FOLDER [DPI]: use FOLDER as the prefix, creating it the first time (its screens
# at DPI, default 96), and start its session; returns 1, showing Wine's messages, when that
# fails.
wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  local display=${DISPLAY:-} log=$1/session.log
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wine_session_step "$log" wineboot -i || return 1
  fi
  wine_session_step "$log" wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD \
    /d "${2:-96}" /f || return 1
  # A session that started before is ended: the settings take effect, and it may be on
  # another display.
  wineserver -k 2>/dev/null || true
  wineserver -w
  wineserver -p 2>/dev/null || true
  rm -f "$WINEPREFIX/session.fifo" && mkfifo "$WINEPREFIX/session.fifo"
  DISPLAY=$display wine cmd.exe /c pause <>"$WINEPREFIX/session.fifo" >/dev/null 2>&1 &
  # The services, then the desktop: each command returns once what it starts is ready.
  DISPLAY=$display wine_session_step "$log" wineboot &&
    DISPLAY=$display wine_session_step "$log" wine rundll32.exe user32.dll,GetDesktopWindow
}

# Runs a command of the session's start with Wine's error messages into LOG ($1); shows
# them when it fails.
wine_session_step() {
  local log=$1
  shift
  WINEDEBUG=err+all "$@" </dev/null >"$log" 2>&1 && return 0
  echo "wine_prefix: '$*' failed in $WINEPREFIX (status $?); Wine said:" >&2
  cat "$log" >&2
  return 1
}

# Ends the prefix's session and every program still running in it.
wine_end() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
