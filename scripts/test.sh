#!/usr/bin/env bash
# Builds Plevo and runs every test on a fresh Debian 12 machine: the Linux build (logic, windows
# offscreen, tools), the logic under the address and undefined sanitizers, and the Windows leg
# (the shipped programs cross-built for 32-bit Windows and their imports checked; everything and
# its tests cross-built with MinGW-w64 and run under Wine: 32-bit Wine where this machine runs
# 32-bit programs, 64-bit Wine on x86_64 builds where it does not).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows --package
# Which Windows leg this machine runs, found out once (scripts/wine-leg.sh).
PLEVO_WINE_LEG=$(scripts/wine-leg.sh)
export PLEVO_WINE_LEG

jobs=$(nproc)
step() { printf '\n== %s\n' "$*"; }

step "Linux build and tests"
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
ctest --preset ci -j "$jobs"

step "Debian package: build, lintian, install, run, remove"
packaging/check-deb.sh ci  # the programs just tested, no second build

step "Logic under the sanitizers"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
ctest --preset asan -j "$jobs"

for extra in scripts/test-windows.sh scripts/fuzz.sh; do
  if [ -x "$extra" ]; then
    step "$extra"
    "$extra"
  fi
done
