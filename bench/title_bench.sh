#!/usr/bin/env bash
# Pages that hold many title tags (icons carry one each): Pellinova's batch run
# over one such page at a time, wall time each. The pages: 5,000, 10,000 and
# 20,000 icons with a title each, the 10,000-icon page with <desc> in place of
# <title>, and a page of about 710 KB whose first title runs unclosed for
# 400 KB before 5,000 title tags follow. Run by hand, not by CI.
#
#   bench/title_bench.sh [PELLINOVA_EXE] [TIMEOUT_SECONDS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
exe=${1:-$root/build/install/Pellinova/Pellinova.exe}
limit=${2:-600}
work=$(mktemp -d /tmp/title_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
win() { echo "Z:${1//\//\\}"; }

mkdir -p "$work/prog/projekte" "$work/ziel"
cp "$exe" "$work/prog/Pellinova.exe"
cp -r "$(dirname "$exe")/vorlage" "$work/prog/"
printf '[Environment]\r\nTextEditor=%s\r\nWWWBrowser=%s\r\nLastProject=0\r\n' \
  "$(win "$work/prog/Pellinova.exe")" "$(win "$work/prog/Pellinova.exe")" > "$work/prog/Pellinova.INI"
: > "$work/answers.txt"

python3 - "$work" <<'EOF'
import os, sys
work = sys.argv[1]
def icons(n, tag):
    body = ''.join(f'<p>Absatz {i} mit Text</p><svg viewBox="0 0 8 8"><{tag}>Symbol {i % 97}</{tag}>'
                   f'<path d="M0 0h8v8z"/></svg>\n' for i in range(n))
    return f'<html><head><title>Seite mit Symbolen</title></head><body>{body}</body></html>'
pages = {
    'icons5000': icons(5000, 'title'),
    'icons10000': icons(10000, 'title'),
    'icons20000': icons(20000, 'title'),
    'desc10000': icons(10000, 'desc'),
}
unclosed = '<html><head><title>' + ('Lange Zeile ohne Ende &amp; mehr ' * 13000)[:400000]
unclosed += ''.join(f'<svg><title>Symbol {i}</title></svg>' for i in range(5000))
unclosed += ('Text ' * 70000)[:max(0, 710000 - len(unclosed) - 20)] + '</body></html>'
pages['unclosed'] = unclosed
for name, html in pages.items():
    os.makedirs(f'{work}/{name}')
    with open(f'{work}/{name}/seite.html', 'w', encoding='latin-1') as f:
        f.write(html)
EOF

for name in icons5000 icons10000 icons20000 desc10000 unclosed; do
  printf '[Einstellungen]\r\nHTMLVerzeichnis=%s\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nDateiendungen=html\r\n' \
    "$(win "$work/$name")" "$(win "$work/ziel")" "$(win "$work/prog/vorlage/Search_StandardFrame")" \
    > "$work/prog/projekte/bench.lvq"
  size=$(stat -c %s "$work/$name/seite.html")
  start=$(date +%s.%N)
  code=0
  (cd "$work/prog" && QUARVELIN_UI_SCRIPT="$(win "$work/answers.txt")" \
    timeout "$limit" "$root/scripts/wine-run" Pellinova.exe /B bench >/dev/null 2>&1) || code=$?
  end=$(date +%s.%N)
  if [ "$code" = 124 ]; then
    printf '%-11s %7d bytes  not finished in %d s\n' "$name" "$size" "$limit"
    # The run is gone with its Wine process; the server may still hold it.
    WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}" wineserver -k 2>/dev/null || true
  else
    description=$(grep -ao 'beschreibung = "[^"]\{0,60\}' "$work/ziel/suche.js" | head -1 | cut -c17-) || true
    awk -v n="$name" -v s="$size" -v a="$start" -v b="$end" -v c="$code" -v d="$description" \
      'BEGIN { printf "%-11s %7d bytes  %7.2f s  exit %d  title %s...\n", n, s, b - a, c, d }'
  fi
done
