#!/usr/bin/env bash
# The Windows leg, for 32-bit Windows (XP SP3 to 11), built with MinGW-w64 for i686:
# - `windows`: the shipped programs (win32 thread model, -static), then the check of their import
#   tables (only the system's own DLLs, nothing Windows XP lacks);
# - `windows-tests`: everything and its tests, the real registry code and the Win32 windows
#   included, from the same sources with the posix thread model (GoogleTest needs std::mutex), run
#   under 32-bit Wine (a fresh Wine prefix for every test program, a virtual display for windows);
# - the download Plevo-VERSION-windows.zip, installed from in a fresh Wine prefix
#   (packaging/check-zip.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows

jobs=$(nproc)
for preset in windows windows-tests; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  ctest --preset "$preset" -j "$jobs"
done
packaging/check-zip.sh
