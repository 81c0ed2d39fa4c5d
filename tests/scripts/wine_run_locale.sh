#!/usr/bin/env bash
# The README's commands run the programs in the user's locale: under a German
# one, made here in a folder of the test's own (the machine need have none),
# a program started by scripts/wine-run writes German dates.
#   wine_run_locale.sh <source folder>
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
localedef -i de_DE -f UTF-8 "$work/de_DE.UTF-8" 2>/dev/null || { echo "no German locale data: skipped"; exit 77; }
# A prefix of its own: Wine writes the locale into the prefix's registry, and
# the test programs in the shared prefix run in another one meanwhile.
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}-locale"
date=$(LOCPATH="$work" LC_ALL=de_DE.UTF-8 "$root/scripts/wine-run" cmd /c date /t | tr -d '\r')
echo "$date"
[[ "$date" =~ [0-3][0-9]\.[01][0-9]\.[0-9]{4} ]] || { echo "wine-run did not pass the German locale on"; exit 1; }
