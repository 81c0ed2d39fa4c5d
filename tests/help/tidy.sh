#!/usr/bin/env bash
# Every installed help page through HTML Tidy: no error and no warning may
# be left. $1 is tidy, $2 the install folder.
set -uo pipefail
tidy=$1
install=$2
status=0
count=0
for page in "$install"/*/hilfe/*.htm "$install"/homepage/*.htm "$install"/fehlerbericht/*.htm; do
  count=$((count + 1))
  report=$("$tidy" -q -e --input-encoding win1252 --gnu-emacs yes "$page" 2>&1)
  if [ -n "$report" ]; then
    echo "$report"
    status=1
  fi
done
if [ "$count" -lt 10 ]; then
  echo "only $count pages found below $install" >&2
  status=1
fi
exit $status
