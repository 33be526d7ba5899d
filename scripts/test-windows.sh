#!/usr/bin/env bash
# The Windows leg: the Qt-free logic, the real registry code included, cross-built with
# MinGW-w64 and its tests run under Wine (a fresh Wine prefix for every test program).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --windows

jobs=$(nproc)
cmake --preset mingw >/dev/null
cmake --build --preset mingw -j "$jobs"
ctest --preset mingw -j "$jobs"
