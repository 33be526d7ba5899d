#!/usr/bin/env bash
# Takes the README's screenshots as a user sees the windows, on a virtual X display: the main
# window, the registry window after an open of the sample identity, the how-to window and Setup's
# window.
#   scripts/screenshots.sh [PRESET]      the Linux program (default ci; writes docs/*.png)
#   scripts/screenshots.sh --wine [DPI]  the Windows build of this machine's leg under Wine, on a
#                                        screen of DPI dots per inch (default 96): of its pictures
#                                        those the README shows go to docs/ as *-wine.png, or
#                                        *-wine-<DPI>dpi.png; all of them stay in the build folder
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" != --wine ]; then
  scripts/install-deps.sh --gui
  preset=${1:-ci}
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" --target take_screenshots -j "$(nproc)"
  PLEVO_SCREENSHOTS=$PWD/docs QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1024x768x24" "build/$preset/tests/app/take_screenshots"
  exit 0
fi

scripts/install-deps.sh --windows --gui
dpi=${2:-96}
suffix=-wine
[ "$dpi" = 96 ] || suffix=-wine-${dpi}dpi
if [ "$(scripts/wine-leg.sh)" = 32 ]; then preset=windows-tests; wine=(); else
  preset=windows-tests-64; wine=(--win64); fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target take_screenshots -j "$(nproc)"
out=$PWD/build/$preset/screenshots
mkdir -p "$out"
PLEVO_SCREENSHOTS=$out PLEVO_SCREENSHOTS_SUFFIX=$suffix \
  cmake/wine-run.sh "${wine[@]}" --desktop --dpi "$dpi" \
  "build/$preset/tests/app/take_screenshots.exe"
for picture in "$out"/*"$suffix".png; do
  name=$(basename "$picture")
  if grep -q "(docs/$name)" README.md; then cp "$picture" docs/; fi
done
