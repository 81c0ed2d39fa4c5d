#!/usr/bin/env bash
# Side-by-side benchmark on a real documentation tree: the HTML manual of
# Debian's python3.11-doc (531 pages, about 52 MB; installed here when
# missing).
#
# 1. Pellinova's batch run over the tree against the static-site indexer
#    "pagefind" from npm (installed into a scratch folder, never into the
#    project), both on the same files, each run ROUNDS times; wall time and
#    peak memory, best run of each.
# 2. Corvanta's batch run crawling the tree from `python3 -m http.server` on
#    127.0.0.1 against `wget -r -np` of the same tree from the same server;
#    pages per second (HTML pages fetched / wall time).
#
# Run by hand, not by CI:
#
#   bench/compare_bench.sh [BUILD_DIR] [ROUNDS]
#
# NO_BUILD=1 uses the programs as they are in BUILD_DIR; ONLY=pellinova or
# ONLY=corvanta runs one half; COLD_WINE=1 lets every run start Wine's server.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-3}
only=${ONLY:-}
if [ -z "${NO_BUILD:-}" ]; then
  cmake --build "$build" --target Pellinova Corvanta >/dev/null
fi

docs=/usr/share/doc/python3.11/html
if [ ! -d "$docs" ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends python3.11-doc >/dev/null
fi
for tool in wget python3 npm; do
  command -v "$tool" >/dev/null || { echo "needs $tool" >&2; exit 1; }
done

work=$(mktemp -d /tmp/compare_bench.XXXXXX)
server=
cleanup() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  exec 9>&- 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
win() { echo "Z:${1//\//\\}"; }

site=$work/site
cp -rL "$docs" "$site"
# One page ships compressed; the indexers read plain files.
find "$site" -name '*.html.gz' -exec gunzip -f {} +
pages=$(find "$site" -name '*.html' | wc -l)
mbytes=$(find "$site" -name '*.html' -printf '%s\n' | awk '{s += $1} END {printf "%.1f", s / 1048576}')
echo "tree: $docs, $pages HTML pages, $mbytes MB; load average $(cut -d' ' -f1-3 /proc/loadavg)"

prog=$work/prog
mkdir -p "$prog/projekte"
cp "$build/install/Pellinova/Pellinova.exe" "$build/install/Corvanta/Corvanta.exe" "$prog/"
cp -r "$build/install/Pellinova/vorlage" "$prog/"
for p in Pellinova Corvanta; do
  # Tools that exist, so that loading the settings asks nothing.
  printf '[Environment]\r\nTextEditor=%s\r\nWWWBrowser=%s\r\nLastProject=0\r\n' \
    "$(win "$prog/$p.exe")" "$(win "$prog/$p.exe")" > "$prog/$p.INI"
done
: > "$work/answers.txt"

# Wine's server and its services stop a few seconds after the last program of
# the prefix, sooner than a pagefind run ends, and starting them again costs a
# run seconds: a program waiting on its input (a pipe held open until the end)
# keeps them up, so that no run pays for them. COLD_WINE=1 leaves them to stop.
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}"
if [ -z "${COLD_WINE:-}" ]; then
  mkfifo "$work/keep"
  "$root/scripts/wine-run" cmd /c pause < "$work/keep" >/dev/null 2>&1 &
  exec 9> "$work/keep"
fi
"$root/scripts/wine-run" cmd /c exit >/dev/null 2>&1 || true

# wall seconds and peak KB of a command, as "S KB"
measure() {
  local out
  out=$( { /usr/bin/time -f '%e %M' "$@" 2>&1 >/dev/null; } ) || true
  echo "$out" | tail -1
}

best() {  # "S KB" lines on stdin -> the line with the least seconds
  sort -n | head -1
}

if [ -z "$only" ] || [ "$only" = pellinova ]; then
  target=$work/ziel-pellinova
  mkdir -p "$target"
  printf '[Einstellungen]\r\nHTMLVerzeichnis=%s\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nDateiendungen=html\r\n' \
    "$(win "$site")" "$(win "$target")" "$(win "$prog/vorlage/Search_StandardFrame")" > "$prog/projekte/bench.lvq"

  npmdir=$work/npm
  mkdir -p "$npmdir"
  (cd "$npmdir" && npm init -y >/dev/null && npm install --silent --no-audit --no-fund pagefind >/dev/null)
  pagefind=$npmdir/node_modules/.bin/pagefind
  version=$("$pagefind" --version 2>/dev/null | tr -d '\n')

  pel=() pf=()
  for ((i = 0; i < rounds; i++)); do
    rm -rf "$target"/* "$work/pagefind"
    pel+=("$(cd "$prog" && QUARVELIN_UI_SCRIPT="$(win "$work/answers.txt")" \
      measure "$root/scripts/wine-run" Pellinova.exe /B bench)")
    pf+=("$(measure "$pagefind" --site "$site" --output-path "$work/pagefind" --silent)")
  done
  read -r ps pk <<< "$(printf '%s\n' "${pel[@]}" | best)"
  read -r fs fk <<< "$(printf '%s\n' "${pf[@]}" | best)"
  echo "pellinova runs (s KB): ${pel[*]}"
  echo "$version runs (s KB): ${pf[*]}"
  awk -v ps="$ps" -v pk="$pk" -v fs="$fs" -v fk="$fk" -v n="$pages" -v db="$(stat -c %s "$target/suche.js")" \
      -v v="$version" 'BEGIN {
    printf "Pellinova batch: %.2f s, %.0f MB peak, %.0f pages/s (database %d B)\n", ps, pk / 1024, n / ps, db
    printf "%s:   %.2f s, %.0f MB peak\n", v, fs, fk / 1024
    printf "ratio: Pellinova %.1f times as fast, %.1f times less memory\n", fs / ps, fk / pk }'
fi

if [ -z "$only" ] || [ "$only" = corvanta ]; then
  port=$((20000 + RANDOM % 20000))
  log=$work/server.log
  (cd "$site" && exec python3 -m http.server "$port" --bind 127.0.0.1 >/dev/null 2>"$log") &
  server=$!
  for _ in $(seq 50); do
    wget -q -O /dev/null "http://127.0.0.1:$port/index.html" && break
    sleep 0.1
  done
  start=http://127.0.0.1:$port/index.html
  target=$work/ziel-corvanta
  mkdir -p "$target"

  # requests in the server's log since line $1: "HTML-requests distinct-HTML-pages all-requests"
  requests() {
    tail -n +"$1" "$log" | grep '"GET ' | awk '{ split($0, q, "\""); split(q[2], r, " ");
      all++; if (r[2] ~ /\.html$/) { html++; seen[r[2]] = 1 } }
      END { n = 0; for (k in seen) n++; print html + 0, n, all + 0 }'
  }

  cor=() wg=()
  for ((i = 0; i < rounds; i++)); do
    rm -rf "$target"/* "$work/wget"
    printf '[Einstellungen]\r\nWebSite=%s\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nDateiendungen=html\r\n' \
      "$start" "$(win "$target")" "$(win "$prog/vorlage/Search_StandardFrame")" > "$prog/projekte/bench.ovk"
    from=$(($(wc -l < "$log") + 1))
    cor+=("$(cd "$prog" && QUARVELIN_UI_SCRIPT="$(win "$work/answers.txt")" \
      measure "$root/scripts/wine-run" Corvanta.exe /B bench)")
    read -r creq cpages _ <<< "$(requests "$from")"
    from=$(($(wc -l < "$log") + 1))
    wg+=("$(cd "$work" && measure wget -r -np -q -P "$work/wget" "$start")")
    read -r wreq wpages wall <<< "$(requests "$from")"
  done
  read -r cs ck <<< "$(printf '%s\n' "${cor[@]}" | best)"
  read -r ws wk <<< "$(printf '%s\n' "${wg[@]}" | best)"
  echo "corvanta runs (s KB): ${cor[*]}"
  echo "wget runs (s KB): ${wg[*]}"
  awk -v cs="$cs" -v ck="$ck" -v ws="$ws" -v cp="$cpages" -v cr="$creq" -v wp="$wpages" -v wr="$wreq" -v wa="$wall" \
      -v db="$(stat -c %s "$target/suche.js" 2>/dev/null || echo 0)" 'BEGIN {
    printf "Corvanta batch: %d pages (%d requests for them) walked and indexed in %.2f s = %.0f pages/s, %.0f MB peak (database %d B)\n", cp, cr, cs, cp / cs, ck / 1024, db
    printf "wget -r -np:    %d pages (%d requests for them, %d requests in all) in %.2f s = %.0f pages/s\n", wp, wr, wa, ws, wp / ws
    printf "ratio: Corvanta %.2f times the pages per second of wget\n", (cp / cs) / (wp / ws) }'
fi
