#!/usr/bin/env bash
# Prepares a machine to build and test the programs: installs what is missing
# (Debian packages only) and creates a headless Wine prefix. Safe to run again.
set -euo pipefail
# The gallery: a virtual X display, and the fonts the forms name (Wine's own
# for its default dialog font, metric twins of the common Windows fonts).
gallery_packages=(xvfb xauth fonts-wine fonts-liberation)
# The walk-throughs: a window manager, keystrokes from outside, pictures of
# the screen.
walk_packages=(openbox xdotool imagemagick)

packages=(wine64 wine g++-mingw-w64-x86-64-posix googletest cmake make clang libclang-rt-14-dev poppler-utils antiword catdoc tidy nodejs chromium)
missing=()
for p in "${packages[@]}" "${gallery_packages[@]}" "${walk_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  SUDO=""
  [ "$(id -u)" -eq 0 ] || SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The headless prefix, configured and settled.
bash "$(dirname "$0")/wine-prefix.sh"
# The gallery's own prefix, drawing on a virtual X display.
bash "$(dirname "$0")/gallery.sh" --prepare
