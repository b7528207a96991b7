#!/usr/bin/env bash
# Runs a Windows test program: the arguments are the emulator command (Wine) and then the
# program's. Its output goes through files: a Wine process the program starts may live on and
# would hold a pipe open. Standard output and error stay apart, so that ctest's listing of a
# program's tests reads only what the program printed, and Wine's own messages (on standard
# error) are always shown.
#
# A test program prints before anything else; a failure with nothing printed happened before
# the program ran, in Wine, and is told as such. Wine's own loader now and then aborts at
# process exit with a glibc assertion ("Inconsistency detected by ld.so: dl-fini.c ...")
# after the program has finished and printed its results; such a run is repeated once.
# Every other failure stands as it is.
set -u
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
for attempt in 1 2; do
  "$@" >"$out" 2>"$err"
  status=$?
  if ((status != 0 && attempt == 1)) && grep -q '^Inconsistency detected by ld.so: dl-fini.c' "$err"; then
    cat "$err" >&2
    echo "wine-program: Wine's loader aborted at exit; running the program again" >&2
    continue
  fi
  break
done
cat "$out"
cat "$err" >&2
if ((status != 0)) && [ ! -s "$out" ]; then
  echo "wine-program: no test ran: Wine ended with status $status before the program printed" \
    "anything; its messages, if any, are above. Command: $*" >&2
fi
exit "$status"
