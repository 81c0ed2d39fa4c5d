#!/usr/bin/env bash
# Builds Pellinova and runs its batch mode on the shipped sample: the pages in
# build/install/Pellinova/beispiel are searched and indexed, and the search
# form is written to build/install/Pellinova/beispiel/suche. BUILD_DIR names
# another build folder. Nothing waits for a user: a question the run would ask
# (there is none when all goes well) is answered by giving up.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build="${BUILD_DIR:-build}"
cmake -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-posix.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target Pellinova

cd "$build/install/Pellinova"
answers=$(mktemp)
trap 'rm -f "$answers"' EXIT
# The sample project names its folders relative to the folder Pellinova is
# started in: this one, beside the program.
code=0
QUARVELIN_UI_SCRIPT="Z:${answers//\//\\}" "$OLDPWD/scripts/wine-run" Pellinova.exe /B beispiel || code=$?
if [ "$code" -ne 0 ]; then
  echo "Pellinova ended with exit code $code." >&2
  exit "$code"
fi
echo "Search form: $(pwd)/beispiel/suche/suche.htm (project: $(pwd)/projekte/beispiel.lvq)"
