# Walking through an installed program as its user does, from outside only:
# a virtual X display, a Wine prefix of its own with the X11 driver, the
# program started from a fresh copy of its install folder, and keystrokes and
# clicks through xdotool, under a window manager (openbox) that places,
# frames and activates the windows as a desktop does. Each step leaves a
# picture of the screen in the picture folder (NN-step.png); the walk's own
# script checks what the program leaves on disk.
#
# A walk sources this file and begins with
#     walk_begin <name> <install folder> <picture folder>
# which sets WALK_INSTALL (the copy of the install folder the program runs
# from) and WALK_WORK (a scratch folder), and cleans up at exit. Then:
#     walk_start <program below WALK_INSTALL> [arguments]
#     walk_wait 'title regex' [seconds]          a visible top-level window
#                                                (its id in WALK_WIN)
#     walk_started 'title regex' [step]          the same, answering No to
#                                                the confirmations before it
#     walk_menu <window> <menu letter> <item letter>
#     walk_keys <xdotool key names>...           to the focused window
#     walk_type <text>
#     walk_click <window> <x> <y>                relative to the window
#     walk_shot <step>
#     walk_exited [seconds]                      the program's end (its exit
#                                                code in WALK_CODE)
#     walk_wait_closed <window> [seconds]
#     walk_shown <window>                        true while it is shown
#     walk_active <window>                       true while it is active
#     walk_check <what> <command...>             fails the walk when false
#     walk_until <seconds> <what> <command...>   waits for it to come true
#     walk_search_form <folder> <word> <address>...  the generated search form
#                                                searched in headless Chromium
# Exit code 77 (skipped) when a tool is missing outside CI.
set -uo pipefail
WALK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

WALK_TIMEOUT=${WALK_TIMEOUT:-90}  # seconds for a window to show up
WALK_STEP=0
WALK_PID=
WALK_XVFB=
WALK_WM=
WALK_HTTP=

walk_log() { printf '%s %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

walk_fail() {
  walk_log "FEHLER: $*"
  [ -n "${WALK_OUT:-}" ] && [ -n "${DISPLAY:-}" ] && walk_shot FEHLER >/dev/null 2>&1
  if [ -n "${WALK_WORK:-}" ] && [ -s "$WALK_WORK/program.log" ]; then
    walk_log "Ausgabe des Programms:"
    tail -n 40 "$WALK_WORK/program.log" >&2
  fi
  exit 1
}

walk_check() {
  local what=$1
  shift
  if "$@"; then walk_log "ok: $what"; else walk_fail "$what"; fi
}

# The value of a key in a Windows INI file (first occurrence, case ignored).
walk_ini() {
  LC_ALL=C awk -v s="$2" -v k="$3" '
    { sub(/\r$/, "") }
    /^\[/ { cur = tolower(substr($0, 2, index($0, "]") - 2)); next }
    cur == tolower(s) && index($0, "=") && tolower(substr($0, 1, index($0, "=") - 1)) == tolower(k) {
      print substr($0, index($0, "=") + 1); exit }' "$1"
}

# A Unix path as the program sees it (Z: is the root of the file system).
walk_winpath() {
  local p
  p=$(realpath -m "$1")
  printf 'Z:%s' "${p//\//\\}"
}

walk_need_tools() {
  local missing=()
  for tool in Xvfb openbox xdotool import wine wineserver python3; do
    command -v "$tool" >/dev/null || missing+=("$tool")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  walk_log "fehlt: ${missing[*]} (scripts/setup.sh installiert es)"
  [ -n "${QUARVELIN_CI:-}" ] && exit 1
  exit 77
}

walk_cleanup() {
  [ -n "$WALK_PID" ] && kill -0 "$WALK_PID" 2>/dev/null && kill "$WALK_PID" 2>/dev/null
  [ -n "$WALK_HTTP" ] && kill "$WALK_HTTP" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  [ -n "$WALK_WM" ] && kill "$WALK_WM" 2>/dev/null
  [ -n "$WALK_XVFB" ] && kill "$WALK_XVFB" 2>/dev/null
  return 0
}

walk_begin() {
  local name=$1 install=$2
  WALK_OUT=$(realpath -m "$3")
  walk_need_tools
  # A prefix that draws on an X display, made as the gallery makes its own,
  # but whose windows the window manager frames and activates.
  local base="${WINEPREFIX:-$HOME/.wine-quarvelin}-walk"
  export WINEPREFIX="$base-x11"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
  export LC_ALL=C.UTF-8
  unset QUARVELIN_UI_SCRIPT QUARVELIN_UI_LOG
  # One walk at a time in the prefix: its Wine server is ended at exit.
  exec 9>"$WINEPREFIX.lock"
  flock -w 900 9 || walk_fail "der Wine-Präfix $WINEPREFIX bleibt belegt"
  trap walk_cleanup EXIT
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
  WINEPREFIX=$base bash "$WALK_ROOT/scripts/gallery.sh" --prepare 9>&- || walk_fail "kein Wine-Präfix $WINEPREFIX"
  if [ ! -f "$WINEPREFIX/.quarvelin-walk-wm" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d Y /f >/dev/null 2>&1 9>&- &&
      wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d Y /f >/dev/null 2>&1 9>&- &&
      wineserver -w && touch "$WINEPREFIX/.quarvelin-walk-wm" || walk_fail "kein Fenstermanager im Präfix $WINEPREFIX"
  fi
  rm -rf "$WALK_OUT"
  mkdir -p "$WALK_OUT"
  WALK_WORK="$WALK_OUT/work"
  WALK_INSTALL="$WALK_WORK/install"
  mkdir -p "$WALK_WORK"
  cp -r "$install" "$WALK_INSTALL" || walk_fail "kann $install nicht kopieren"
  # A display of its own; Xvfb names its number once it listens.
  local fd="$WALK_WORK/display"
  Xvfb -displayfd 8 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 8>"$fd" 2>"$WALK_WORK/xvfb.log" 9>&- &
  WALK_XVFB=$!
  local deadline=$((SECONDS + 30))
  until [ -s "$fd" ]; do
    [ $SECONDS -lt $deadline ] && kill -0 "$WALK_XVFB" 2>/dev/null || walk_fail "Xvfb startet nicht"
    sleep 0.1
  done
  export DISPLAY=":$(head -n1 "$fd")"
  walk_wm
  walk_log "$name: Anzeige $DISPLAY, Präfix $WINEPREFIX"
}

# openbox with its shipped settings (none of the user's), on the walk's
# display; it names itself ready by the file its start-up command leaves.
walk_wm() {
  local ready="$WALK_WORK/wm-ready"
  mkdir -p "$WALK_WORK/wm"
  XDG_CONFIG_HOME="$WALK_WORK/wm" XDG_CACHE_HOME="$WALK_WORK/wm" \
    openbox --sm-disable --startup "touch $ready" >"$WALK_WORK/wm.log" 2>&1 9>&- &
  WALK_WM=$!
  local deadline=$((SECONDS + 30))
  until [ -f "$ready" ]; do
    [ $SECONDS -lt $deadline ] && kill -0 "$WALK_WM" 2>/dev/null || walk_fail "openbox startet nicht"
    sleep 0.1
  done
}

# Starts a program of the install copy; it runs in its own folder.
walk_start() {
  local program="$WALK_INSTALL/$1"
  shift
  [ -f "$program" ] || walk_fail "$program fehlt"
  (cd "$(dirname "$program")" && exec wine "$program" "$@") >>"$WALK_WORK/program.log" 2>&1 9>&- &
  WALK_PID=$!
  walk_log "gestartet: $program $*"
}

walk_running() { [ -n "$WALK_PID" ] && kill -0 "$WALK_PID" 2>/dev/null; }

# WALK_WIN: the first visible top-level window whose title matches; fails
# the walk when none comes or the program ends first.
walk_wait() {
  local pattern=$1 timeout=${2:-$WALK_TIMEOUT}
  local deadline=$((SECONDS + timeout))
  while :; do
    WALK_WIN=$(timeout 2 xdotool search --sync --onlyvisible --name "$pattern" 2>/dev/null | head -n1)
    [ -n "$WALK_WIN" ] && return 0
    walk_running || walk_fail "das Programm endete, bevor ein Fenster \"$pattern\" erschien"
    [ $SECONDS -lt $deadline ] || walk_fail "kein Fenster \"$pattern\" nach $timeout s"
  done
}

# True while the window is shown.
walk_shown() { xdotool search --onlyvisible --name '' 2>/dev/null | grep -qx "$1"; }

# Waits until the window is no longer shown.
walk_wait_closed() {
  local win=$1 timeout=${2:-$WALK_TIMEOUT}
  local deadline=$((SECONDS + timeout))
  while walk_shown "$win"; do
    [ $SECONDS -lt $deadline ] || walk_fail "das Fenster $(xdotool getwindowname "$win") bleibt nach $timeout s"
    sleep 0.2
  done
}

# Waits until a command succeeds (what the program writes to disk).
walk_until() {
  local timeout=$1 what=$2
  shift 2
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    [ $SECONDS -lt $deadline ] || walk_fail "$what"
    sleep 0.2
  done
  walk_log "ok: $what"
}

# Waits for the window of the pattern as walk_wait does, answering No to each
# confirmation ("Bestätigen") that comes first, as a start asks about the
# tools it lacks; a picture of the first one when a step name is given.
walk_started() {
  local asked=0
  while :; do
    walk_wait "$1|^Bestätigen$"
    [ "$(xdotool getwindowname "$WALK_WIN")" = Bestätigen ] || return 0
    [ $asked -eq 0 ] && [ -n "${2:-}" ] && walk_shot "$2"
    asked=1
    walk_focus "$WALK_WIN"
    walk_keys n
    walk_wait_closed "$WALK_WIN"
  done
}

# A menu item of a window: alt and the menu's letter, then the item's.
walk_menu() {
  walk_focus "$1"
  walk_keys "alt+$2"
  walk_keys "$3"
}

# The keyboard goes to the window that has the focus; walk_focus gives it.
walk_focus() { xdotool windowfocus --sync "$1" 2>/dev/null || xdotool windowfocus "$1"; }
walk_active() { [ "$(xdotool getactivewindow 2>/dev/null)" = "$1" ]; }
walk_keys() { xdotool key --clearmodifiers --delay 80 "$@"; }
walk_type() { xdotool type --clearmodifiers --delay 40 -- "$1"; }
walk_click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

# A picture of what the screen shows, cut to the windows on it, once two
# pictures in a row agree (the program has painted).
walk_shot() {
  WALK_STEP=$((WALK_STEP + 1))
  local file
  file="$WALK_OUT/$(printf '%02d' "$WALK_STEP")-$1.png"
  local before="" now tries=0
  while :; do
    now=$(import -display "$DISPLAY" -window root rgb:- 2>/dev/null | md5sum)
    [ "$now" = "$before" ] && break
    before=$now
    tries=$((tries + 1))
    [ $tries -ge 20 ] && break
    sleep 0.15
  done
  import -display "$DISPLAY" -window root -trim +repage "$file" 2>/dev/null || walk_log "kein Bild: $file"
  walk_log "Bild: $file"
}

# Waits for the program to end; WALK_CODE: its exit code.
walk_exited() {
  local timeout=${1:-$WALK_TIMEOUT}
  local deadline=$((SECONDS + timeout))
  while walk_running; do
    [ $SECONDS -lt $deadline ] || walk_fail "das Programm endet nicht nach $timeout s"
    sleep 0.2
  done
  WALK_CODE=0
  wait "$WALK_PID" || WALK_CODE=$?
  WALK_PID=
}

# Serves a folder on 127.0.0.1; sets WALK_HTTP_BASE to its address.
walk_serve() {
  # On port 0 the system gives it a free port, which it names on its first
  # line; one looked for beforehand may be taken by another program meanwhile.
  local log port= deadline=$((SECONDS + 30))
  log=$(mktemp "$WALK_WORK/http.XXXXXX")
  python3 -u -m http.server 0 --bind 127.0.0.1 --directory "$1" >"$log" 2>&1 9>&- &
  WALK_HTTP=$!
  until port=$(sed -n 's/.* port \([0-9][0-9]*\) .*/\1/p' "$log" | head -n1); [ -n "$port" ]; do
    [ $SECONDS -lt $deadline ] && kill -0 "$WALK_HTTP" 2>/dev/null || walk_fail "der Web-Server startet nicht"
    sleep 0.1
  done
  WALK_HTTP_BASE="http://127.0.0.1:$port"
  until python3 -c "import urllib.request as u; u.urlopen('$WALK_HTTP_BASE/', timeout=2)" 2>/dev/null; do
    [ $SECONDS -lt $deadline ] && kill -0 "$WALK_HTTP" 2>/dev/null || walk_fail "der Web-Server startet nicht"
    sleep 0.2
  done
  walk_log "Web-Server: $WALK_HTTP_BASE"
}

# The search form in the folder, opened from disk in headless Chromium and
# searched for the word: exactly the addresses given must be found.
walk_search_form() {
  local folder=$1 word=$2
  shift 2
  if ! command -v node >/dev/null || ! command -v chromium >/dev/null; then
    [ -n "${QUARVELIN_CI:-}" ] && walk_fail "node oder chromium fehlt"
    walk_log "ohne node oder chromium: das Suchformular bleibt ungetestet"
    return 0
  fi
  WALK_STEP=$((WALK_STEP + 1))
  local picture
  picture="$WALK_OUT/$(printf '%02d' "$WALK_STEP")-suchformular.png"
  walk_check "Suchformular findet \"$word\"" \
    node "$WALK_ROOT/tests/walkthrough/search-form.js" "$folder" "$picture" "$word" "$@"
}
