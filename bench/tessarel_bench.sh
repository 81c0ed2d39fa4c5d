#!/usr/bin/env bash
# Benchmark of Tessarel's batch run with the keyword limits off: one text
# document of random words (fixed seed; almost every word distinct) of each
# size given in MB, and one of the same size drawn from 100 words. Reports
# wall time, distinct words and the size of the keyword page. Run by hand.
#
#   bench/tessarel_bench.sh [BUILD_DIR] [MB...]
#
# NO_BUILD=1 uses the program as it is in BUILD_DIR.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
shift || true
sizes=(1 8)
[ $# -gt 0 ] && sizes=("$@")
if [ -z "${NO_BUILD:-}" ]; then
  cmake --build "$build" --target Tessarel >/dev/null
fi

work=$(mktemp -d /tmp/tessarel_bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
win() { echo "Z:${1//\//\\}"; }

app=$work/app
mkdir -p "$app/projekte" "$app/vorlage"
cp "$build/install/Tessarel/Tessarel.exe" "$app/"
printf '[Environment]\r\nWWWBrowser=%s\r\n' "$(win "$app/Tessarel.exe")" > "$app/Tessarel.INI"
printf '<HTML>\r\n<!--Tessarel: Filename-->\r\n<!--Tessarel: Keywords-->\r\n<!--Tessarel: Date-->\r\n</HTML>\r\n' \
  > "$app/vorlage/extract.htm"
: > "$app/vorlage/stopword.lst"
: > "$app/vorlage/stopchars.lst"
: > "$work/answers.txt"

words() {  # MB distinct|few
  python3 - "$1" "$2" <<'PY'
import random, sys
mb, kind = float(sys.argv[1]), sys.argv[2]
rnd = random.Random(1)
letters = "abcdefghijklmnopqrstuvwxyz"
pool = ["".join(rnd.choice(letters) for _ in range(rnd.randint(4, 10))) for _ in range(100)]
out, size = [], 0
while size < mb * 1024 * 1024:
    w = rnd.choice(pool) if kind == "few" else "".join(rnd.choice(letters) for _ in range(rnd.randint(4, 10)))
    out.append(w)
    size += len(w) + 1
sys.stdout.write("\n".join(out))
PY
}

printf '%-24s %10s %12s %12s\n' document seconds distinct page_bytes
for mb in "${sizes[@]}"; do
  for kind in distinct few; do
    docs=$work/docs-$mb-$kind
    mkdir -p "$docs"
    words "$mb" "$kind" > "$docs/text.txt"
    printf '[Einstellungen]\r\nDokumenteVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nExcludeDateiendungen=bak\r\nAnzahlSchlagworteVerwenden=0\r\nUpdateHTMLDatei=1\r\n' \
      "$(win "$docs")" "$(win "$app/vorlage")" > "$app/projekte/bench.tzn"
    start=$(date +%s.%N)
    (cd "$app" && QUARVELIN_UI_SCRIPT="$work/answers.txt" "$root/scripts/wine-run" "$app/Tessarel.exe" /B bench \
      >/dev/null 2>&1) || echo "exit $?"
    end=$(date +%s.%N)
    page=$docs/text_txt.htm
    distinct=$(tr ' ' '\n' < "$docs/text.txt" | sort -fu | wc -l)
    printf '%-24s %10.1f %12s %12s\n' "$mb MB $kind" "$(echo "$end - $start" | bc)" "$distinct" \
      "$(stat -c %s "$page" 2>/dev/null || echo none)"
  done
done
