#!/usr/bin/env bash
# Makes the headless Wine prefix ($WINEPREFIX, else ~/.wine-quarvelin) ready
# for the programs and the tests:
#   scripts/wine-prefix.sh                      created, configured and settled
#   scripts/wine-prefix.sh --ready <probe.exe>  the same, and its Wine server
#                                               and desktop up for a test run
# The test suite runs the second as its first test (the fixture wine_prefix).
set -uo pipefail
# Descriptors the caller left open (a lock it holds, say) would be inherited
# by the Wine server and the desktop process started here, which outlive the
# caller by minutes; the shell's own script descriptor (255) stays.
for fd in /proc/$$/fd/*; do
  fd=${fd##*/}
  if [ "$fd" -gt 2 ] && [ "$fd" -ne 255 ]; then eval "exec $fd>&-"; fi
done 2>/dev/null
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

# Nothing Wine starts here may keep the caller's output open: ctest waits for
# a test's output to close, not only for its process to end.
quiet() { "$@" </dev/null >/dev/null 2>&1; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  quiet wineboot -i
  quiet wineserver -w
fi
# No display: the null graphics driver still gives real windows, queues and
# timers. A crash must end the process, not wait on a dialog. The desktop
# process reads its driver once, when it starts: one that started in the same
# Wine session before the value was there would keep failing every window
# until the session ends, so the session ends here before anything runs.
if ! grep -q '^"Graphics"="null"' "$WINEPREFIX/user.reg" 2>/dev/null ||
   ! grep -q '^"ShowCrashDialog"=dword:00000000' "$WINEPREFIX/user.reg" 2>/dev/null; then
  quiet wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f
  quiet wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
  quiet wineserver -w
fi

[ "${1:-}" = "--ready" ] || exit 0
probe=${2:?the desktop probe program}
# A server for the whole run (tests/support/wine-test.sh starts it as well):
# one that a test program starts itself holds that test's output open, and
# Debian's ends with the last program (-p0), so that the next one starts
# another, with the desktop process again.
quiet wineserver -p300
# The desktop process of the default desktop, started by a program whose
# output goes nowhere; a test program that started it would wait only ten
# seconds for it and, on a busy machine, go on without a driver for good.
if ! quiet wine "$probe"; then
  echo "wine-prefix.sh: the desktop of $WINEPREFIX did not come up" >&2
  exit 1
fi
