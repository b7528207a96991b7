#!/usr/bin/env bash
# Runs a Windows test program: the arguments are the emulator command (Wine) and then the
# program's. Wine's own loader now and then aborts at process exit with a glibc assertion
# ("Inconsistency detected by ld.so: dl-fini.c ...") after the program has finished and
# printed its results; such a run is repeated once. Every other failure stands as it is.
set -u
output=$(mktemp)
for attempt in 1 2; do
  "$@" >"$output" 2>&1
  status=$?
  if ((status != 0 && attempt == 1)) && grep -q '^Inconsistency detected by ld.so: dl-fini.c' "$output"; then
    echo "wine-program: Wine's loader aborted at exit; running $* again" >&2
    continue
  fi
  break
done
cat "$output"
rm -f "$output"
exit "$status"
