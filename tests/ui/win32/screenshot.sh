#!/bin/sh
# Shows the Win32 backend's demo window under 32-bit Wine on a virtual display and saves a
# screenshot of the screen, to be looked at: nothing cut, nothing misplaced, the table's colours.
#   tests/ui/win32/screenshot.sh <ui_win32_demo.exe> <out.png>
set -eu
exe=$(realpath "$1")
out=$(realpath -m "$2")
work=$(mktemp -d "${TMPDIR:-/tmp}/plevo-shot.XXXXXX")
trap 'rm -rf "$work"' EXIT
winpath() { printf 'Z:%s' "$1" | tr / '\\'; }
export PLEVO_EXE="$exe" PLEVO_OUT="$out" PLEVO_WORK="$work"
export PLEVO_READY="$(winpath "$work/ready")" PLEVO_DONE="$(winpath "$work/done")"
xvfb-run -a -s "-screen 0 800x480x24 -nolisten tcp" /bin/sh -c '
server=/usr/lib/wine/wineserver32
[ -x "$server" ] || server=/usr/lib/wine/wineserver
export WINEPREFIX="$PLEVO_WORK/prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER="$server"
# No window manager: Wine draws the frames itself, with its own fonts from the prefix.
/usr/lib/wine/wine reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
for font in /usr/share/wine/fonts/*; do
  [ -e "$font" ] && ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"
done
/usr/lib/wine/wine "$PLEVO_EXE" "$PLEVO_READY" "$PLEVO_DONE" &
for i in $(seq 1 600); do [ -e "$PLEVO_WORK/ready" ] && break; sleep 0.2; done
[ -e "$PLEVO_WORK/ready" ] || { echo "screenshot: the window did not come up" >&2; exit 1; }
import -window root "$PLEVO_OUT"
touch "$PLEVO_WORK/done"
wait
"$server" -k 2>/dev/null || true
'
echo "screenshot: $out"
