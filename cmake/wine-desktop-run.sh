#!/bin/sh
# Runs a Windows program that opens windows: under 32-bit Wine, in a fresh Wine prefix that is
# removed afterwards, on a virtual X display of its own (Xvfb), so that no test sees what an
# earlier one left behind and none needs the desktop of the machine it runs on. There is no window
# manager: Wine places the windows itself and draws their frames ("Managed"=N), so that hiding a
# window does not wait two seconds for a window manager to answer. Wine's own fonts (Tahoma,
# MS Sans Serif, Marlett for the frame's buttons) go into the prefix's font folder, where Wine
# finds them (Debian's Wine does not look in /usr/share/wine/fonts by itself).
#   [PLEVO_WINE_UNPACK=archive] wine-desktop-run.sh <program.exe> [arguments...]
# With PLEVO_WINE_UNPACK the archive (a .zip, say) is unpacked into "C:\Download" first.
set -u
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" /bin/sh -c '
loader=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver32
[ -x "$server" ] || server=/usr/lib/wine/wineserver
prefix=$(mktemp -d "${TMPDIR:-/tmp}/plevo-wine.XXXXXX")
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER="$server"
"$loader" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
for font in /usr/share/wine/fonts/*; do
  [ -e "$font" ] && ln -sf "$font" "$prefix/drive_c/windows/Fonts/"
done
status=0
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
' wine-desktop-run "$@"
