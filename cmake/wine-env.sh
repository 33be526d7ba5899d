# Sourced by the scripts that start Windows programs: sets `loader` and `server` to Debian's Wine
# of the width PLEVO_WINE_ARCH names and exports what every run of it needs.
#   PLEVO_WINE_ARCH=win32 (the default)  32-bit Wine (wine32): /usr/lib/wine/wine, or
#                                        PLEVO_WINE32_LOADER where that names another loader
#   PLEVO_WINE_ARCH=win64                64-bit Wine (wine64), for machines that run no 32-bit
#                                        programs
# Debian's /usr/bin/wine picks a loader by guessing; we name it, so that a run never silently
# takes the other width.
case "${PLEVO_WINE_ARCH:-win32}" in
  win64)
    loader=/usr/lib/wine/wine64
    server=/usr/lib/wine/wineserver64 ;;
  *)
    loader=${PLEVO_WINE32_LOADER:-/usr/lib/wine/wine}
    server=/usr/lib/wine/wineserver32 ;;
esac
[ -x "$server" ] || server=/usr/lib/wine/wineserver
export WINEARCH="${PLEVO_WINE_ARCH:-win32}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" \
  WINESERVER="$server"
