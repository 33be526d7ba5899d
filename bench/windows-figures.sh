#!/usr/bin/env bash
# The Windows figures under Wine, each in a fresh Wine prefix on a virtual display:
# - the main window's list box against the bare EDIT control (bench_box_load: open and
#   Sort Alphabetically of LINES lines against loading them into the bare control);
# - the shipped "Plevo Trial.exe" (from the download zip): its size, and its start-up time from
#   CreateProcess to the main window (bench_startup).
# Where this machine runs no 32-bit programs (scripts/wine-leg.sh), the figures are those of the
# 64-bit twins under 64-bit Wine, and say so; the sizes are always those of the shipped i686 files.
# Needs scripts/install-deps.sh --windows.    bench/windows-figures.sh [LINES] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
lines=${1:-100000}
runs=${2:-5}
tests=windows-tests arch=win32 run=(cmake/wine-run.sh --desktop)
if [ "$(scripts/wine-leg.sh)" != 32 ]; then
  tests=windows-tests-64 arch=win64 run=(cmake/wine-run.sh --win64 --desktop)
fi
for preset in windows "$tests"; do
  cmake --preset "$preset" >/dev/null
done
cmake --build --preset windows -j "$(nproc)" >/dev/null
cmake --build --preset "$tests" -j "$(nproc)" >/dev/null
version=$(sed -n 's/^project(Plevo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="Plevo-$version-windows"
(cd build/windows && cpack >/dev/null)
(cd "build/$tests" && cpack >/dev/null)

echo "== machine: $(nproc) cores, $(PLEVO_WINE_ARCH=$arch; . cmake/wine-env.sh; "$loader" --version), tests from $tests"
echo "== \"Plevo Trial.exe\": $(stat -c %s "build/windows/src/app/Plevo Trial.exe") bytes as built," \
  "$(cmake -E tar tvf "build/windows/$name.zip" | awk '/Plevo Trial.exe/ {print $5}') bytes stripped in $name.zip"
echo "== the list box against the bare control"
"${run[@]}" "build/$tests/bench/windows/bench_box_load.exe" "$lines" "$runs"
echo "== start-up of the program from the zip of build/$tests"
PLEVO_WINE_UNPACK="$(pwd)/build/$tests/$name.zip" "${run[@]}" \
  "build/$tests/bench/windows/bench_startup.exe" "C:\\Download\\$name\\Plevo Trial.exe" "$runs"
