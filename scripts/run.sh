#!/usr/bin/env bash
# Builds Plevo and starts it in a folder of sample lists (try/ in this checkout), so that every
# step can be tried at once.
#   scripts/run.sh            the Linux program on Qt; it works on its own substitute registry,
#                             created from an embedded sample at the first start
#   scripts/run.sh --windows  "Plevo Trial.exe" under Wine, in a Wine prefix of its own
#                             (try/wine), whose registry is seeded with the sample identity once
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

cmake --preset windows >/dev/null
cmake --build --preset windows --target Plevo -j "$(nproc)"
# The 32-bit loader of Debian's wine32 package.
wine=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver32
[ -x "$server" ] || server=/usr/lib/wine/wineserver
export WINEPREFIX="$PWD/try/wine" WINEARCH=win32 WINEDEBUG=-all WINESERVER="$server"
export WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -e "$WINEPREFIX/system.reg" ]; then
  # A prefix of our own, never the user's: the sample identity goes into its registry once.
  build/release/tools/plevo-sample-registry >try/sample.reg
  "$wine" wineboot -i >/dev/null 2>&1 || true
  # Debian's Wine does not look for its own fonts by itself.
  for font in /usr/share/wine/fonts/*; do
    [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
  done
  "$wine" regedit /S "Z:$(printf "%s" "$PWD/try/sample.reg" | tr / "\\\\")"
  "$server" -w
fi
cd try
exec "$wine" "../build/windows/src/app/Plevo Trial.exe"
