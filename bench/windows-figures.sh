#!/usr/bin/env bash
# The Windows figures under 32-bit Wine, each in a fresh Wine prefix on a virtual display:
# - the main window's list box against the bare EDIT control (bench_box_load: open and
#   Sort Alphabetically of LINES lines against loading them into the bare control);
# - the shipped "Plevo Trial.exe" (from the download zip): its size, and its start-up time from
#   CreateProcess to the main window (bench_startup).
# Needs scripts/install-deps.sh --windows.    bench/windows-figures.sh [LINES] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-100000}
runs=${2:-5}
for preset in windows windows-tests; do
  cmake --preset "$preset" >/dev/null
done
cmake --build --preset windows -j "$(nproc)" >/dev/null
cmake --build --preset windows-tests -j "$(nproc)" --target bench_box_load bench_startup >/dev/null
version=$(sed -n 's/^project(Plevo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="Plevo-$version-windows"
(cd build/windows && cpack >/dev/null)

echo "== machine: $(nproc) cores, $(/usr/lib/wine/wine --version)"
echo "== \"Plevo Trial.exe\": $(stat -c %s "build/windows/src/app/Plevo Trial.exe") bytes as built," \
  "$(cmake -E tar tvf "build/windows/$name.zip" | awk '/Plevo Trial.exe/ {print $5}') bytes stripped in $name.zip"
echo "== the list box against the bare control"
cmake/wine-desktop-run.sh build/windows-tests/bench/windows/bench_box_load.exe "$lines" "$runs"
echo "== start-up of the shipped program"
PLEVO_WINE_UNPACK="$(pwd)/build/windows/$name.zip" cmake/wine-desktop-run.sh \
  build/windows-tests/bench/windows/bench_startup.exe "C:\\Download\\$name\\Plevo Trial.exe" "$runs"
