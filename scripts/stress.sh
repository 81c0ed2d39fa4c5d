#!/usr/bin/env bash
# Runs the whole test suite many times, several suites side by side, as a
# busy CI machine would, and reports every failure with its test and output:
#
#   scripts/stress.sh [-r rounds] [-s suites] [-j jobs] [-o folder] [-R regex] [--no-build]
#
# Defaults: 10 rounds of 2 suites at once, each `ctest -j16`. Each suite has a
# build folder of its own (build-stress-N, built from this work tree, with the
# compiler cache where there is one) and a Wine prefix of its own
# ($WINEPREFIX-stressN, with the gallery's and the walk-throughs' beside it),
# as two CI runs on one machine would. Logs and the report go to the folder
# (default build-stress-report); the exit code is 1 when anything failed.
set -uo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
rounds=10 suites=2 jobs=16 out=build-stress-report regex= build=1
while [ $# -gt 0 ]; do
  case $1 in
    -r) rounds=$2; shift 2 ;;
    -s) suites=$2; shift 2 ;;
    -j) jobs=$2; shift 2 ;;
    -j*) jobs=${1#-j}; shift ;;
    -o) out=$2; shift 2 ;;
    -R) regex=$2; shift 2 ;;
    --no-build) build=0; shift ;;
    *) echo "usage: scripts/stress.sh [-r rounds] [-s suites] [-j jobs] [-o folder] [-R regex] [--no-build]" >&2; exit 2 ;;
  esac
done
base="${WINEPREFIX:-$HOME/.wine-quarvelin}"
mkdir -p "$out"
out=$(cd "$out" && pwd)
report="$out/report.txt"
: >"$report"
say() { echo "$*" | tee -a "$report"; }

if [ "$build" = 1 ]; then
  for s in $(seq "$suites"); do
    dir="build-stress-$s"
    if [ ! -f "$dir/CMakeCache.txt" ]; then
      cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null ||
        { echo "stress.sh: configuring $dir failed" >&2; exit 1; }
    fi
    cmake --build "$dir" -j"$(nproc)" >"$out/build-$s.log" 2>&1 ||
      { tail -30 "$out/build-$s.log"; echo "stress.sh: building $dir failed" >&2; exit 1; }
  done
fi
for s in $(seq "$suites"); do
  WINEPREFIX="$base-stress$s" bash scripts/wine-prefix.sh &&
    WINEPREFIX="$base-stress$s" bash scripts/gallery.sh --prepare ||
    { echo "stress.sh: preparing $base-stress$s failed" >&2; exit 1; }
done

# The output of one failed test in a ctest log (--output-on-failure prints
# it below the test's result line, up to the next test's line).
failure_output() {
  awk -v name="$2" '
    $0 ~ /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / { show = ($4 == name) }
    $0 ~ /^ *Start +[0-9]+: / { show = 0 }
    /^[0-9]+% tests passed/ { show = 0 }
    show' "$1"
}

failures=0
say "$(date +%T) $rounds rounds of $suites suites side by side, each ctest -j$jobs${regex:+ -R $regex}"
for r in $(seq "$rounds"); do
  pids=()
  start=$SECONDS
  for s in $(seq "$suites"); do
    log="$out/round$r-suite$s.log"
    (cd "build-stress-$s" && WINEPREFIX="$base-stress$s" ctest -j"$jobs" --output-on-failure \
       ${regex:+-R "$regex"} >"$log" 2>&1) &
    pids+=($!)
  done
  for p in "${pids[@]}"; do wait "$p"; done
  line="$(date +%T) round $r ($((SECONDS - start)) s):"
  for s in $(seq "$suites"); do
    log="$out/round$r-suite$s.log"
    summary=$(grep -E '^[0-9]+% tests passed' "$log" || echo "no summary")
    line+=" suite $s: $summary;"
  done
  say "$line"
  for s in $(seq "$suites"); do
    log="$out/round$r-suite$s.log"
    for t in $(sed -n '/^The following tests FAILED:/,$p' "$log" | sed -nE 's/^\s+[0-9]+ - ([^ ]+) .*/\1/p'); do
      failures=$((failures + 1))
      say "  FAILED round $r suite $s: $t"
      failure_output "$log" "$t" | sed 's/^/    /' | tee -a "$report" | tail -40
    done
  done
done
say "$(date +%T) failures: $failures (logs: $out)"
[ "$failures" -eq 0 ]
