#!/usr/bin/env bash
# Builds everything and runs the test suite under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-quarvelin}"
cd build
ctest --output-on-failure -j"$(nproc)"
