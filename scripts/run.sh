#!/usr/bin/env bash
# Builds Plevo and starts it in a folder of sample lists (try/ in this checkout), so that every
# step can be tried at once.
#   scripts/run.sh            the Linux program on Qt; it works on its own substitute registry,
#                             created from an embedded sample at the first start
#   scripts/run.sh --windows  "Plevo Trial.exe" under Wine, in a Wine prefix of its own
#                             (try/wine, or try/wine64 where this machine runs no 32-bit
#                             programs), whose registry is seeded with the sample identity once
set -euo pipefail
cd "$(dirname "$0")/.."
windows=0
[ "${1:-}" = "--windows" ] && windows=1

if [ "$windows" = 1 ]; then
  scripts/install-deps.sh --windows
else
  scripts/install-deps.sh
fi
cmake --preset release >/dev/null
cmake --build --preset release --target Plevo plevo-sample-registry -j "$(nproc)"
mkdir -p try
for f in samples/*.txt; do
  # A sample the user has changed is kept.
  [ -e "try/$(basename "$f")" ] || cp "$f" try/
done

if [ "$windows" = 0 ]; then
  cd try
  exec ../build/release/src/app/Plevo
fi

# "Plevo Trial.exe" as we ship it (i686) under 32-bit Wine; where this machine runs no 32-bit
# programs, its 64-bit twin under 64-bit Wine, in a prefix of its own.
preset=windows prefix=try/wine
if [ "$(scripts/wine-leg.sh)" != 32 ]; then
  echo "run: this machine runs no 32-bit programs: starting the 64-bit \"Plevo Trial.exe\" under 64-bit Wine."
  preset=windows-tests-64 prefix=try/wine64
  export PLEVO_WINE_ARCH=win64
fi
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target Plevo -j "$(nproc)"
. cmake/wine-env.sh
export WINEPREFIX="$PWD/$prefix"
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  # A prefix of our own, never the user's: the sample identity goes into its registry once.
  build/release/tools/plevo-sample-registry >try/sample.reg
  "$loader" wineboot -i >/dev/null 2>&1 || true
  # Debian's Wine does not look for its own fonts by itself.
  for font in /usr/share/wine/fonts/*; do
    [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  "$loader" regedit /S "Z:$(printf "%s" "$PWD/try/sample.reg" | tr / "\\\\")"
  "$server" -w
fi
cd try
exec "$loader" "../build/$preset/src/app/Plevo Trial.exe"
