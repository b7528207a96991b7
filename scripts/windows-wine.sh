# Sourced by the Windows scripts: a private Wine prefix under build-windows/, quiet, with
# no dialogs (no .NET or HTML engine downloads) and no display needed for console programs.
# wine_prefix FOLDER: use FOLDER as the prefix, creating it the first time. Its wine server
# stays up until wine_end, so each program starts in a fraction of a second instead of three.
wine_prefix() {
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p 2>/dev/null || true  # a server of the prefix may be up already
  # The session's own processes (services, the desktop) start here, with no pipe of a test
  # program to inherit and hold open.
  DISPLAY=${AMBREL_WINE_DISPLAY:-${DISPLAY:-}} wineboot </dev/null >/dev/null 2>&1 || true
}

# Ends the prefix's wine server and every program still running in it.
wine_end() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
