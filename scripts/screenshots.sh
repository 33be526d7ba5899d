#!/usr/bin/env bash
# Takes the README's screenshots as a user sees the windows: on a virtual X display, the main
# window, the registry window after an open of the sample identity, and the how-to window.
#   scripts/screenshots.sh [PRESET]   (default ci; writes docs/*.png)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --gui
preset=${1:-ci}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target take_screenshots -j "$(nproc)"
PLEVO_SCREENSHOTS=$PWD/docs QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1024x768x24" "build/$preset/tests/app/take_screenshots"
