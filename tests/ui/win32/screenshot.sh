#!/bin/sh
# Shows the Win32 backend's demo window under Wine on a virtual display and saves a screenshot of
# the screen, to be looked at: nothing cut, nothing misplaced, the table's colours.
#   tests/ui/win32/screenshot.sh [--win64] <ui_win32_demo.exe> <out.png>
# --win64 for the demo built for x86_64 (windows-tests-64), under 64-bit Wine.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
[ "${1:-}" = "--win64" ] && { export PLEVO_WINE_ARCH=win64; shift; }
exe=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/plevo-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export PLEVO_EXE="$exe" PLEVO_OUT="$out" PLEVO_WORK="$work" PLEVO_WINE_ENV="$here/../../../cmake/wine-env.sh"
export PLEVO_READY="$(winpath "$work/ready")" PLEVO_DONE="$(winpath "$work/done")"
xvfb-run -a -s "-screen 0 800x480x24 -nolisten tcp" /bin/sh -c '
. "$PLEVO_WINE_ENV"
export WINEPREFIX="$PLEVO_WORK/prefix"
# No window manager: Wine draws the frames itself, with its own fonts from the prefix.
"$loader" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
for font in /usr/share/wine/fonts/*; do
  [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done
"$loader" "$PLEVO_EXE" "$PLEVO_READY" "$PLEVO_DONE" &
for i in $(seq 1 600); do [ -e "$PLEVO_WORK/ready" ] && break; sleep 0.2; done
[ -e "$PLEVO_WORK/ready" ] || { echo "screenshot: the window did not come up" >&2; exit 1; }
import -window root "$PLEVO_OUT"
touch "$PLEVO_WORK/done"
wait
"$server" -k 2>/dev/null || true
'
echo "screenshot: $out"
