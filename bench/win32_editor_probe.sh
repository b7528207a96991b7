#!/usr/bin/env bash
# Runs bench_win32_editor_probe.exe under Wine on a private X server with a window manager, in
# a Wine prefix of its own beside the program's folder; the options go to the probe.
# Usage: bench/win32_editor_probe.sh PROBE_EXE [--limit SECONDS] [--memory-cap MIB] [--sizes KB,...]
#                                    [--cases NAME,...]
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 PROBE_EXE [OPTION]..." >&2; exit 2; }
probe=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
shift
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
e2e_label=win32-editor-probe program_log=/dev/null
source "$here/../tests/app/e2e/e2e_lib.sh"
source "$here/../scripts/windows-wine.sh"
cleanup() {
  wine_end
  stop_started
  rm -rf "$work"
}
trap cleanup EXIT

start_display
AMBREL_WINE_DISPLAY=$DISPLAY wine_prefix "$(dirname "$probe")/../wine-bench"
wine "$probe" "$@" | tr -d '\r'
