#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Plevo.
# Idempotent: quiet and quick when everything is already there.
#   --windows   also the MinGW-w64 cross compiler for the shipped programs (i686, win32 threads)
#               and its objdump, Wine's own fonts (Tahoma, MS Sans Serif, Marlett) and Xvfb for
#               its windows, and what this machine's Windows leg needs (scripts/wine-leg.sh):
#               where it runs 32-bit programs, 32-bit Wine (i386 architecture) and the i686
#               compiler with posix threads for the tests; where it does not, 64-bit Wine and the
#               x86_64 compiler with posix threads
#   --gui       also Xvfb and ImageMagick for looking at the windows
#   --package   also what the Debian package's checks need: lintian, desktop-file-validate,
#               appstreamcli, dpkg-shlibdeps (which asks `file` which files are programs)
set -euo pipefail
cd "$(dirname "$0")/.."

windows=0
# xvfb, xauth and x11-utils: a test reads the window names on a virtual X display.
# dovecot-sieve, spamassassin and libxml2-utils: the tests of plevo-lists export run sievec,
# sieve-test, spamassassin and xmllint on what it writes.
want=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
      libbenchmark-dev clang clang-format libclang-rt-14-dev fonts-dejavu-core xvfb xauth x11-utils
      dovecot-sieve spamassassin libxml2-utils)
for arg in "$@"; do
  case "$arg" in
    --windows)
      windows=1
      want+=(g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 fonts-wine xvfb xauth) ;;
    --gui) want+=(xvfb xauth imagemagick fonts-dejavu-core) ;;
    --package) want+=(lintian desktop-file-utils appstream dpkg-dev file) ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done
leg32=(wine32:i386 g++-mingw-w64-i686-posix)
leg64=(wine64 g++-mingw-w64-x86-64-posix)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
updated=0
install() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "install-deps: installing ${missing[*]}"
  # wine32 comes from the i386 architecture, which a fresh machine has not enabled.
  if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
    updated=0
  fi
  if [ "$updated" -eq 0 ]; then
    $sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
    updated=1
  fi
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq \
    --no-install-recommends "${missing[@]}" >/dev/null
}

if [ "$windows" -eq 1 ]; then
  leg=${PLEVO_WINE_LEG:-$(scripts/wine-leg.sh)}
  if [ "$leg" = 32 ]; then
    install "${want[@]}" "${leg32[@]}"
    # The loader itself has the last word: where it does not start after all, take the other leg.
    [ -n "${PLEVO_WINE_LEG:-}" ] || [ "$(scripts/wine-leg.sh)" = 32 ] || install "${leg64[@]}"
  else
    install "${want[@]}" "${leg64[@]}"
  fi
else
  install "${want[@]}"
fi
