#!/usr/bin/env bash
# Kill benchmark: Pellinova's and Corvanta's batch runs over a large site are
# killed (SIGKILL of the Wine process) at random moments, some of them while
# the database is written or the template files are copied, and after each
# kill the target folder must hold the previous output or a complete new one:
# every .js passes `node --check`, the XML export is well-formed, the letter
# files belong to their main file, each copied template file is whole; then
# the next run must succeed and leave no temporary file behind.
#
#   bench/kill_bench.sh [BUILD_DIR] [KILLS] [PAGES]
#
# KILLS per program (default 20; Pellinova's are shared between a project in
# per-letter mode and one writing the XML export), PAGES of the synthetic
# site of bench/pellinova_sitegen (default 10000). Corvanta walks the first
# WALKED pages of the same site (default 2000), served by `python3 -m
# http.server`. SEED fixes the kill moments. NO_BUILD=1 uses the programs as
# they are in BUILD_DIR. Run by hand; exits 1 when a check fails.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
kills=${2:-20}
pages=${3:-10000}
walked=${WALKED:-2000}
RANDOM=${SEED:-2026}
if [ -z "${NO_BUILD:-}" ]; then
  cmake --build "$build" --target Pellinova Corvanta pellinova_sitegen >/dev/null
fi
for tool in node xmllint python3; do
  command -v "$tool" >/dev/null || { echo "kill_bench: needs $tool"; exit 2; }
done

work=$(mktemp -d /tmp/kill_bench.XXXXXX)
server= running=
cleanup() {
  [ -n "$running" ] && kill -9 "$running" 2>/dev/null || true
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  exec 9>&- 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
win() { echo "Z:${1//\//\\}"; }
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}"
# Wine's server stays up between the runs (see compare_bench.sh).
mkfifo "$work/keep"
"$root/scripts/wine-run" cmd /c pause < "$work/keep" >/dev/null 2>&1 &
exec 9> "$work/keep"

prog=$work/prog
mkdir -p "$prog/projekte"
cp "$build/install/Pellinova/Pellinova.exe" "$build/install/Corvanta/Corvanta.exe" "$prog/"
cp -r "$build/install/Pellinova/vorlage" "$prog/"
for p in Pellinova Corvanta; do
  printf '[Environment]\r\nTextEditor=%s\r\nWWWBrowser=%s\r\nLastProject=0\r\n' \
    "$(win "$prog/$p.exe")" "$(win "$prog/$p.exe")" > "$prog/$p.INI"
done
: > "$work/answers.txt"
# A large template file, copied anew by every run (the target's copy is
# removed before it), so that kills find the copy step under way.
head -c $((48 << 20)) /dev/urandom > "$work/bild.gif"
for t in Search_Standard Search_StandardMega; do cp "$work/bild.gif" "$prog/vorlage/$t/"; done

site=$work/site
"$root/scripts/wine-run" "$build/bench/pellinova_sitegen.exe" "$(win "$site")" "$pages" >/dev/null
last=$(cd "$site" && ls -d bereich* | sort | tail -1)
{
  printf '<html><head><title>Index</title></head><body>\r\n'
  (cd "$site" && find . -name 'seite*.htm' | sort | awk -v n="$walked" 'NR <= n' | sed 's|^\./\(.*\)$|<a href="\1">Seite</a>\r|')
  printf '</body></html>\r\n'
} > "$site/index.htm"
# Every other Pellinova run sees one folder fewer, so that the previous and
# the new output differ.
toggle() {
  if [ -d "$site/$last" ]; then mv "$site/$last" "$site/.$last"; else mv "$site/.$last" "$site/$last"; fi
}

port=$((20000 + RANDOM % 20000))
python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site" >/dev/null 2>&1 &
server=$!
for _ in $(seq 50); do
  python3 -c "import urllib.request; urllib.request.urlopen('http://127.0.0.1:$port/index.htm')" 2>/dev/null && break
  sleep 0.1
done

declare -A exe target templ
project() {  # name exe template extra-settings
  local name=$1
  exe[$name]=$2
  target[$name]=$work/ziel_$name
  templ[$name]=$prog/vorlage/$3
  mkdir -p "${target[$name]}"
  if [ "$2" = Corvanta ]; then
    printf '[Einstellungen]\r\nWebSite=http://127.0.0.1:%s/index.htm\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nStopwortListeVerwenden=0\r\n%s' \
      "$port" "$(win "${target[$name]}")" "$(win "${templ[$name]}")" "$4" > "$prog/projekte/$name.ovk"
  else
    printf '[Einstellungen]\r\nHTMLVerzeichnis=%s\r\nZielVerzeichnis=%s\r\nVorlagenVerzeichnis=%s\r\nDateiendungen=htm\r\n%s' \
      "$(win "$site")" "$(win "${target[$name]}")" "$(win "${templ[$name]}")" "$4" > "$prog/projekte/$name.lvq"
  fi
}
project letters Pellinova Search_StandardMega ''
project xml Pellinova Search_Standard $'XML=1\r\n'
project crawl Corvanta Search_Standard ''

start_run() {  # name
  rm -f "${target[$1]}/bild.gif"
  (cd "$prog" && QUARVELIN_UI_SCRIPT="$(win "$work/answers.txt")" QUARVELIN_UI_LOG="$(win "$work/ui.log")" \
    exec "$root/scripts/wine-run" "${exe[$1]}.exe" /B "$1") >/dev/null 2>&1 &
  running=$!
}
finish_run() {  # -> exit code of the run started last
  local code=0
  wait "$running" || code=$?
  running=
  return "$code"
}
now() { date +%s.%N; }

# The number of entries of the output in the target folder, after checking
# it; "" and the fault on stderr when it is not whole.
entries() {  # name
  local dir=${target[$1]} n f lines
  for f in "$dir"/*.js; do
    [ -e "$f" ] || continue
    node --check "$f" 2>/dev/null || { echo "$(basename "$f"): not valid JavaScript" >&2; return 1; }
  done
  for f in "${templ[$1]}"/*.htm "${templ[$1]}"/*.html "${templ[$1]}"/*.gif "${templ[$1]}"/*.jpg "${templ[$1]}"/*.js; do
    [ -e "$f" ] && [ "$(basename "$f")" != suche.js ] || continue
    if [ -e "$dir/$(basename "$f")" ] && ! cmp -s "$f" "$dir/$(basename "$f")"; then
      echo "$(basename "$f"): copy not whole" >&2
      return 1
    fi
  done
  if [ "$1" = xml ]; then
    [ -e "$dir/suche.xml" ] || { echo 0; return 0; }
    xmllint --noout "$dir/suche.xml" 2>/dev/null || { echo "suche.xml: not well-formed" >&2; return 1; }
    grep -c '^    <Document>' "$dir/suche.xml" || true
    return 0
  fi
  [ -e "$dir/suche.js" ] || { echo 0; return 0; }
  n=$(grep -m1 -o 'var index_max = [0-9-]*' "$dir/suche.js" | grep -o '[0-9-]*$')
  n=$((n + 1))
  if [ "$1" = letters ]; then
    for f in "$dir"/suche_*.js; do
      lines=$(wc -l < "$f")
      if [ "$lines" -ne "$n" ] || [[ "$(tail -1 "$f")" != "megaBegriff[$((n - 1))] = "* ]]; then
        echo "$(basename "$f"): $lines lines beside a main file of $n entries" >&2
        return 1
      fi
    done
  fi
  echo "$n"
}

# The step the run was in when killed, from the files it was writing.
phase() {  # name
  local dir=${target[$1]}
  if compgen -G "$dir/qv~suche*.tmp" >/dev/null; then echo database
  elif compgen -G "$dir/qv~*.tmp" >/dev/null; then echo template-copy
  elif compgen -G "$prog/projekte/qv~*.tmp" >/dev/null; then echo project-save
  elif [ -e "$dir/bild.gif" ]; then echo after-copy
  else echo analysis
  fi
}
leftovers() {  # name -> temporary files in the target folder and projekte
  find "${target[$1]}" "$prog/projekte" -maxdepth 1 -name 'qv~*.tmp' | wc -l
}

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
declare -A full counts

# Full runs first: each project's duration and its outputs for both states
# of the site.
for name in letters xml crawl; do
  for state in 0 1; do
    [ "${exe[$name]}" = Corvanta ] && [ "$state" = 1 ] && continue
    t0=$(now)
    start_run "$name"
    code=0; finish_run || code=$?
    [ "$code" = 0 ] || fail "$name: full run exit code $code"
    full[$name]=$(awk -v a="$t0" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }')
    n=$(entries "$name") || fail "$name: full run output"
    counts[$name]="${counts[$name]:-} $n "
    [ "${exe[$name]}" = Pellinova ] && toggle
    echo "$name: full run ${full[$name]} s, $n entries, database $(du -sh "${target[$name]}" | cut -f1) with the copies"
  done
done

# kill number i of a program: about a fifth each while the database is
# written and while the template files are copied, the rest at random.
kill_one() {  # name mode
  local name=$1 mode=$2 dir=${target[$1]} t delay
  [ "${exe[$name]}" = Pellinova ] && toggle
  start_run "$name"
  case $mode in
    random)
      delay=$(awk -v t="${full[$name]}" -v r=$RANDOM 'BEGIN { printf "%.3f", t * (0.05 + 0.9 * r / 32768) }')
      sleep "$delay" ;;
    database|copy)
      local pattern='qv~suche*.tmp'
      [ "$mode" = copy ] && pattern='qv~bild.gif.tmp'
      while kill -0 "$running" 2>/dev/null && ! compgen -G "$dir/$pattern" >/dev/null; do sleep 0.002; done
      sleep "0.$(printf '%03d' $((RANDOM % 300)))" ;;
  esac
  if ! kill -9 "$running" 2>/dev/null; then
    finish_run || true
    echo "ended"
    return
  fi
  finish_run || true
  phase "$name"
}

declare -A seen
total_start=$(now)
for program in Pellinova Corvanta; do
  for ((i = 0; i < kills; i++)); do
    if [ "$program" = Corvanta ]; then name=crawl
    elif ((i % 3 == 2)); then name=xml
    else name=letters
    fi
    case $((i % 5)) in
      1) mode=database ;;
      3) mode=copy ;;
      *) mode=random ;;
    esac
    what=$(kill_one "$name" "$mode")
    seen[$program:$what]=$(( ${seen[$program:$what]:-0} + 1 ))
    left=$(leftovers "$name")
    n=$(entries "$name") || { fail "$name: kill $i ($mode, $what): output not whole"; n=?; }
    case "${counts[$name]}" in *" $n "*) ;; *) fail "$name: kill $i ($mode, $what): $n entries, expected one of${counts[$name]}" ;; esac
    code=0
    start_run "$name"; finish_run || code=$?
    [ "$code" = 0 ] || fail "$name: run after kill $i exit code $code"
    m=$(entries "$name") || fail "$name: run after kill $i: output not whole"
    case "${counts[$name]}" in *" $m "*) ;; *) fail "$name: run after kill $i: $m entries" ;; esac
    after=$(leftovers "$name")
    [ "$after" = 0 ] || fail "$name: $after temporary files after the run that followed kill $i"
    printf '%-9s kill %2d  %-8s -> killed in %-13s %s entries, %d temporary left; next run exit %d, %s entries, %d temporary\n' \
      "$name" "$i" "$mode" "$what" "$n" "$left" "$code" "$m" "$after"
  done
done

echo
for program in Pellinova Corvanta; do
  line="$program: $kills kills:"
  for what in analysis database template-copy after-copy project-save ended; do
    [ -n "${seen[$program:$what]:-}" ] && line+=" $what ${seen[$program:$what]},"
  done
  echo "${line%,}"
done
if [ -s "$work/ui.log" ]; then
  echo "questions asked (answered as No):"
  cut -f2- "$work/ui.log" | sort | uniq -c | awk 'NR <= 10'
fi
awk -v a="$total_start" -v b="$(now)" -v f="$failures" 'BEGIN { printf "%d failed checks; %.0f s\n", f, b - a }'
[ "$failures" = 0 ]
