#!/usr/bin/env bash
# Builds Plevo and starts it in a folder of sample lists (try/ in this checkout), so that every
# step can be tried at once. Off Windows the tool works on its own substitute registry, created
# from an embedded sample at the first start.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Plevo -j "$(nproc)"
mkdir -p try
for f in samples/*.txt; do
  # A sample the user has changed is kept.
  [ -e "try/$(basename "$f")" ] || cp "$f" try/
done
cd try
exec ../build/release/src/app/Plevo
