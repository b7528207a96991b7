#!/usr/bin/env bash
# Runs a test program (under its emulator) on the X display in AMBREL_WINE_DISPLAY (default:
# DISPLAY). Its output goes through a file: a Wine desktop process the program starts lives
# on and would hold a pipe open, so the caller would never see the output end.
set -u
output=$(mktemp)
DISPLAY=${AMBREL_WINE_DISPLAY:-${DISPLAY:-}} "$@" </dev/null >"$output" 2>&1
status=$?
cat "$output"
rm -f "$output"
exit "$status"
