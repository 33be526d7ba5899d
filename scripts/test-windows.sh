#!/usr/bin/env bash
# The Windows leg, for Windows XP SP3 to 11, built with MinGW-w64:
# - `windows`: the shipped programs (i686, win32 thread model, -static), then the check of their
#   import tables (only the system's own DLLs, nothing Windows XP lacks);
# - the tests: everything and its tests, the real registry code and the Win32 windows included,
#   from the same sources with the posix thread model (GoogleTest needs std::mutex), run under Wine
#   (a fresh Wine prefix for every test program, a virtual display for windows). Where this machine
#   runs 32-bit programs they are built for i686 (`windows-tests`) and run under 32-bit Wine;
#   where it does not (scripts/wine-leg.sh), for x86_64 (`windows-tests-64`) under 64-bit Wine;
# - the download Plevo-VERSION-windows.zip, installed from in a fresh Wine prefix
#   (packaging/check-zip.sh).
# PLEVO_WINE_LEG=32 or 64 names the leg when the caller has found it out already.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows
leg=${PLEVO_WINE_LEG:-$(scripts/wine-leg.sh)}
if [ "$leg" = 32 ]; then
  echo "Windows leg: this machine runs 32-bit programs: the tests, built for i686, run under 32-bit Wine."
  tests=windows-tests
else
  echo "Windows leg: this machine runs no 32-bit programs: the tests and 64-bit twins of the shipped programs, built for x86_64, run under 64-bit Wine; the shipped i686 programs are checked by their import tables."
  tests=windows-tests-64
fi

jobs=$(nproc)
for preset in windows "$tests"; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
PLEVO_WINE_LEG=$leg packaging/check-zip.sh
