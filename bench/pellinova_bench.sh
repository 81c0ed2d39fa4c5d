#!/usr/bin/env bash
# Benchmark of Pellinova's batch run: the whole process under Wine, over a
# synthetic site of 10,000 pages (fixed seed) and over a real documentation
# tree (the HTML manual pages of Debian's git-doc package, installed here when
# missing), each in the plain, glossary and per-letter modes with the shipped
# templates. Reports wall time, pages and MB per second, peak memory and the
# size of the generated database files. Run by hand, not by CI.
#
#   bench/pellinova_bench.sh [BUILD_DIR] [PAGES]
#
# NO_BUILD=1 uses the programs as they are in BUILD_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
pages=${2:-10000}
if [ -z "${NO_BUILD:-}" ]; then
  cmake --build "$build" --target Pellinova pellinova_sitegen >/dev/null
fi

work=$(mktemp -d /tmp/pellinova_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
win() { echo "Z:${1//\//\\}"; }

prog=$work/prog
mkdir -p "$prog/projekte"
cp "$build/install/Pellinova/Pellinova.exe" "$prog/"
cp -r "$build/install/Pellinova/vorlage" "$prog/"
# Tools that exist, so that loading the settings asks nothing.
printf '[Environment]\r\nTextEditor=%s\r\nWWWBrowser=%s\r\nLastProject=0\r\n' \
  "$(win "$prog/Pellinova.exe")" "$(win "$prog/Pellinova.exe")" > "$prog/Pellinova.INI"
: > "$work/answers.txt"

"$root/scripts/wine-run" "$build/bench/pellinova_sitegen.exe" "$(win "$work/synthetisch")" "$pages" >/dev/null

if [ ! -d /usr/share/doc/git/html ]; then
  apt-get install -y git-doc >/dev/null
fi
mkdir -p "$work/git"
cp -rL /usr/share/doc/git/html/. "$work/git"
# The manual pages may be compressed; the run reads plain files.
find "$work/git" -name '*.html.gz' -exec gunzip -f {} +

run() {  # site extensions mode
  local site=$1 extensions=$2 mode=$3
  local target=$work/ziel-$site-$mode template=Search_StandardFrame glossary=0
  rm -rf "$target" && mkdir -p "$target"
  case $mode in
    glossary) glossary=1 ;;
    letters) template=Search_StandardMega ;;
  esac
  printf '[Einstellungen]\r\nHTMLVerzeichnis=%s\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nDateiendungen=%s\r\nGlossarModus=%s\r\n' \
    "$(win "$work/$site")" "$(win "$target")" "$(win "$prog/vorlage/$template")" "$extensions" "$glossary" \
    > "$prog/projekte/bench.lvq"
  local bytes files
  files=$(find "$work/$site" -name "*.htm" -o -name "*.html" | wc -l)
  bytes=$(find "$work/$site" \( -name "*.htm" -o -name "*.html" \) -printf '%s\n' | awk '{s+=$1} END {print s}')
  local stats code=0
  stats=$( { cd "$prog" && QUARVELIN_UI_SCRIPT="$(win "$work/answers.txt")" \
    /usr/bin/time -f '%e %M' "$root/scripts/wine-run" Pellinova.exe /B bench 2>&1 >/dev/null; } ) || code=$?
  local seconds kb
  read -r seconds kb <<< "$(echo "$stats" | tail -1)"
  local database letters
  database=$(stat -c %s "$target/suche.js" 2>/dev/null || echo 0)
  letters=$(find "$target" -name 'suche_*.js' -printf '%s\n' | awk '{s+=$1} END {print s+0}')
  awk -v site="$site" -v mode="$mode" -v files="$files" -v bytes="$bytes" -v s="$seconds" -v kb="$kb" \
      -v db="$database" -v letters="$letters" -v code="$code" 'BEGIN {
    printf "%-12s %-9s %6d pages %7.1f MB %7.1f s %7.1f pages/s %5.2f MB/s %6.0f MB peak  database %9d B  letter files %9d B  exit %d\n",
      site, mode, files, bytes / 1048576, s, files / s, bytes / 1048576 / s, kb / 1024, db, letters, code }'
}

for mode in plain glossary letters; do run synthetisch htm "$mode"; done
for mode in plain glossary letters; do run git html "$mode"; done
