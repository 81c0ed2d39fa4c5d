#!/usr/bin/env bash
# Runs every fuzz target of the native build (or those named) for as long as
# asked, side by side at the lowest priority, and reports per target the
# inputs executed and what was found. A target that finds something is
# started again until its time is spent; each finding stays in
# <build>/findings/ with the input that shows it.
#   bash bench/fuzz.sh SECONDS [TARGET...]
# QFUZZ_BUILD names another build folder (a copy, so that the native build
# can be rebuilt while a long run goes on).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?seconds per target}
shift
build=${QFUZZ_BUILD:-build-native}
if [ ! -f "$build/CMakeCache.txt" ]; then
  CC=clang CXX=clang++ cmake -S fuzz -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" >/dev/null
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  mapfile -t targets < <(cd fuzz && ls ./*_fuzz.cpp | sed 's|^\./||; s|\.cpp$||')
fi
out=$build/findings
mkdir -p "$out"

run_target() {
  local t=$1 end=$(( $(date +%s) + seconds )) runs=0 found=0 left
  local work=$build/corpus-work/$t
  mkdir -p "$work"
  while left=$(( end - $(date +%s) )); [ "$left" -gt 0 ]; do
    local log="$out/$t.log"
    nice -n 19 "$build/$t" -max_total_time="$left" -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="$out/$t-" "$work" "fuzz/corpus/$t" >"$log" 2>&1 || true
    runs=$(( runs + $(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1 | grep . || echo 0) ))
    if grep -q '^SUMMARY\|ERROR: libFuzzer\|check failed' "$log"; then
      found=$(( found + 1 ))
      cp "$log" "$out/$t-finding-$found.log"
    fi
  done
  echo "$t: $runs inputs in ${seconds} s, findings: $found"
}

for t in "${targets[@]}"; do run_target "$t" & done | sort
wait
ls "$out" | grep -E -- '-(crash|leak|timeout|oom)-' || echo "no inputs kept: nothing found"
