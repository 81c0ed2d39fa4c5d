#!/usr/bin/env bash
# Draws every stored form on a virtual X display and saves a picture of each
# (see tests/gallery/Gallery.cpp):
#   scripts/gallery.sh <gallery.exe> <picture folder> <name>=<program> ...
# It runs in a Wine prefix of its own with the X11 display driver, beside the
# headless test prefix ($WINEPREFIX-x11); `scripts/gallery.sh --prepare`
# creates that prefix (setup.sh does).
set -euo pipefail
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}-x11"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LC_ALL=C.UTF-8

prepare() {
  # (A prefix made before the fonts were copied is made again.)
  [ -f "$WINEPREFIX/.quarvelin-x11" ] && [ -f "$WINEPREFIX/drive_c/windows/Fonts/tahoma.ttf" ] && return 0
  wineboot -i >/dev/null 2>&1 || true
  local reg
  reg=$(mktemp --suffix=.reg)
  # No window manager runs on the virtual display: Wine draws the frames and
  # captions itself. A crash must end the process, not wait on a dialog.
  printf '%s\r\n' 'REGEDIT4' '' \
    '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Graphics"="x11"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' '' \
    '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' '' >"$reg"
  wine regedit /S "Z:${reg//\//\\}" >/dev/null 2>&1
  wineserver -w
  rm -f "$reg"
  # Wine's own fonts (Tahoma for the default dialog font, Marlett for the
  # caption buttons, MS Sans Serif) are not found where Debian's Wine puts
  # them; in the prefix's font folder they are.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  touch "$WINEPREFIX/.quarvelin-x11"
}

if [ "${1:-}" = "--prepare" ]; then
  prepare
  exit 0
fi

gallery=$1
out=$2
shift 2
command -v Xvfb >/dev/null || { echo "Xvfb fehlt: scripts/setup.sh installiert es" >&2; exit 1; }
prepare
rm -rf "$out"
mkdir -p "$out"
# Windows paths for the program: Z: is the root of the Unix file system.
winpath() { local p; p=$(realpath -m "$1"); echo "Z:${p//\//\\}"; }
args=("$(winpath "$out")")
for source in "$@"; do args+=("${source%%=*}=$(winpath "${source#*=}")"); done
# A display of its own, whose number Xvfb names once it listens: galleries of
# other build folders may start at the same moment, and a free number looked
# for beforehand would be the same for both.
display_file=$(mktemp)
Xvfb -displayfd 8 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp 8>"$display_file" 2>/dev/null &
xvfb=$!
# The display lives as long as the Wine processes that use it: the prefix's
# server ends before the display does.
trap 'wineserver -k 2>/dev/null; wineserver -w; kill "$xvfb" 2>/dev/null; rm -f "$display_file"' EXIT
deadline=$((SECONDS + 60))
until [ -s "$display_file" ]; do
  if ! kill -0 "$xvfb" 2>/dev/null || [ $SECONDS -ge $deadline ]; then
    echo "Xvfb startet nicht" >&2
    exit 1
  fi
  sleep 0.1
done
export DISPLAY=":$(head -n1 "$display_file")"
code=0
wine "$gallery" "${args[@]}" || code=$?
exit $code
