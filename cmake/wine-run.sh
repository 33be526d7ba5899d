#!/bin/sh
# Runs a Windows program under Wine in a fresh Wine prefix that is removed afterwards, so that no
# test sees what an earlier one left behind.
#   wine-run.sh [--win64] [--desktop] [--dpi N] <program.exe> [arguments...]
# --win64      64-bit Wine and a win64 prefix (machines that run no 32-bit programs); 32-bit
#              Wine otherwise (cmake/wine-env.sh)
# --desktop    for programs that open windows: on a virtual X display of its own (Xvfb), so none
#              needs the desktop of the machine it runs on. There is no window manager: Wine
#              places the windows itself and draws their frames ("Managed"=N), so that hiding a
#              window does not wait two seconds for a window manager to answer. Wine's own fonts
#              (Tahoma, MS Sans Serif, Marlett for the frame's buttons) go into the prefix's font
#              folder, where Wine finds them (Debian's Wine does not look in /usr/share/wine/fonts
#              by itself).
# --dpi N      the screen at N dots per inch (120: the "large fonts" of Windows XP), set where
#              Windows XP keeps it and where Wine reads it (the user's "LogPixels")
# With PLEVO_WINE_UNPACK=archive the archive (a .zip, say) is unpacked into "C:\Download" first.
set -u
here=$(cd "$(dirname "$0")" && pwd)
desktop=0
while [ $# -gt 0 ]; do
  case "$1" in
    --win64) export PLEVO_WINE_ARCH=win64; shift ;;
    --desktop) desktop=1; shift ;;
    --dpi) export PLEVO_WINE_DPI="$2"; shift 2 ;;
    *) break ;;
  esac
done
if [ "$desktop" = 1 ] && [ -z "${PLEVO_WINE_ON_DISPLAY:-}" ]; then
  PLEVO_WINE_ON_DISPLAY=1 exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$here/wine-run.sh" --desktop "$@"
fi
[ "$desktop" = 1 ] || unset DISPLAY WAYLAND_DISPLAY
. "$here/wine-env.sh"
prefix=$(mktemp -d "${TMPDIR:-/tmp}/plevo-wine.XXXXXX")
export WINEPREFIX="$prefix"
status=0
if [ "$desktop" = 1 ]; then
  "$loader" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
  for font in /usr/share/wine/fonts/*; do
    [ -e "$font" ] && ln -sf "$font" "$prefix/drive_c/windows/Fonts/"
  done
fi
if [ -n "${PLEVO_WINE_DPI:-}" ]; then
  for key in "HKCU\\Control Panel\\Desktop" \
    "HKLM\\System\\CurrentControlSet\\Hardware Profiles\\Current\\Software\\Fonts"; do
    "$loader" reg add "$key" /v LogPixels /t REG_DWORD /d "$PLEVO_WINE_DPI" /f >/dev/null 2>&1
  done
fi
if [ -n "${PLEVO_WINE_UNPACK:-}" ]; then
  mkdir -p "$prefix/drive_c/Download" &&
    (cd "$prefix/drive_c/Download" && cmake -E tar xf "$PLEVO_WINE_UNPACK") || status=$?
fi
if [ $status -eq 0 ]; then
  "$loader" "$@"
  status=$?
fi
"$server" -k 2>/dev/null
"$server" -w 2>/dev/null
rm -rf "$prefix"
exit $status
