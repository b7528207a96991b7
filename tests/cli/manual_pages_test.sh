#!/bin/sh
# Every exit status a program's --help explains has its entry in the manual page's EXIT
# STATUS section, and the page explains no other.
# Usage: manual_pages_test.sh MAN_FOLDER PROGRAM...
set -eu
folder=$1
shift
failed=0
for program in "$@"; do
  name=$(basename "$program")
  from_help=$("$program" --help | sed -n '/^Exit status/,$p' | grep -o '\b[0-9]\b' | sort -u | tr '\n' ' ')
  from_page=$(sed -n '/^\.SH EXIT STATUS/,/^\.SH [^E]/p' "$folder/$name.1" |
    sed -n 's/^\.B \([0-9]\)$/\1/p' | sort -u | tr '\n' ' ')
  if [ -z "$from_help" ] || [ "$from_help" != "$from_page" ]; then
    echo "$name: --help explains the statuses '$from_help', the manual page '$from_page'"
    failed=1
  fi
done
exit $failed
