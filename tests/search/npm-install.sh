#!/usr/bin/env bash
# Installs the Node packages of the search tests (npm registry only) into the
# folder $2 from the lock file in $1, unless that lock file is installed there
# already.
set -euo pipefail
source_dir=$1
target=$2
mkdir -p "$target"
if cmp -s "$source_dir/package-lock.json" "$target/node_modules/.installed-lock.json"; then
  exit 0
fi
cp "$source_dir/package.json" "$source_dir/package-lock.json" "$target/"
cd "$target"
npm ci --no-audit --no-fund --loglevel=error
cp package-lock.json node_modules/.installed-lock.json
