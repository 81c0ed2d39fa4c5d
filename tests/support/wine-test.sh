#!/usr/bin/env bash
# Runs one test program under Wine for ctest (the emulator of the test
# programs): wine-test.sh <program.exe> [arguments]. A program that wrote
# nothing at all did not get to its first line (Wine did not start it, or it
# died at once): that fails with a message saying so, whatever its exit code.
set -uo pipefail
# Descriptors the caller left open (a lock it holds, say) would be inherited
# by the Wine server and the desktop process started here, which outlive the
# caller by minutes; the shell's own script descriptor (255) stays.
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  if [ "$fd" -gt 2 ] && [ "$fd" -ne 255 ]; then eval "exec $fd>&-"; fi
done 2>/dev/null
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=C.UTF-8

# The prefix's server, started here with its output going nowhere when none
# runs, and then kept for five minutes after its last program: Debian's own
# ends with its last program and takes the desktop process with it, so that
# the next program would start both again and wait for them.
if wineserver -p300 </dev/null >/dev/null 2>&1; then
  bash "$(dirname "$0")/../../scripts/wine-prefix.sh" --ready "$(dirname "$1")/wine_desktop_ready.exe" ||
    echo "wine-test.sh: the desktop of $WINEPREFIX did not come up"
fi

# The output goes to a file that is shown as it grows, until the program
# ends: whatever the program starts inherits the file, not ctest's pipe, so
# that a process that outlives it (the Wine server, a desktop process) does
# not keep the test running.
out=$(mktemp "${TMPDIR:-/tmp}/wine-test.XXXXXX")
trap 'rm -f "$out"' EXIT
wine "$@" >"$out" 2>&1 &
pid=$!
tail -s 0.1 -n +1 -f --pid="$pid" "$out"
wait "$pid"
code=$?
if [ ! -s "$out" ]; then
  echo "wine-test.sh: $(basename "$1") wrote nothing and ended with exit code $code:" \
       "Wine did not start it, or it died before its first line (prefix $WINEPREFIX)"
  [ "$code" -ne 0 ] || code=1
fi
exit "$code"
