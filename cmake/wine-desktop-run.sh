#!/bin/sh
# Runs a Windows program that opens windows: under 32-bit Wine, in a fresh Wine prefix that is
# removed afterwards, on a virtual X display of its own (Xvfb), so that no test sees what an
# earlier one left behind and none needs the desktop of the machine it runs on.
#   wine-desktop-run.sh <program.exe> [arguments...]
set -u
exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" /bin/sh -c '
loader=/usr/lib/wine/wine
server=/usr/lib/wine/wineserver32
[ -x "$server" ] || server=/usr/lib/wine/wineserver
prefix=$(mktemp -d "${TMPDIR:-/tmp}/plevo-wine.XXXXXX")
export WINEPREFIX="$prefix" WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINESERVER="$server"
"$loader" "$@"
status=$?
"$server" -k 2>/dev/null
"$server" -w 2>/dev/null
rm -rf "$prefix"
exit $status
' wine-desktop-run "$@"
