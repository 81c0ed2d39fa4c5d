#!/usr/bin/env bash
# Builds the native sanitizer build (build-native/: every unit that needs no
# window, clang with AddressSanitizer, UndefinedBehaviorSanitizer and
# libFuzzer) and runs each fuzz target for a short, fixed number of inputs.
# Longer runs: bench/fuzz.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
CC=clang CXX=clang++ cmake -S fuzz -B build-native -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-native -j"$(nproc)"
cd build-native
ctest --output-on-failure -j"$(nproc)"
