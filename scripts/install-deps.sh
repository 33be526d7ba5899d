#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Plevo.
# Idempotent: quiet and quick when everything is already there.
#   --windows   also the 32-bit MinGW-w64 cross compilers (win32 threads for the shipped programs,
#               posix threads for the tests), its objdump, 32-bit Wine (i386 architecture) with
#               its own fonts (Tahoma, MS Sans Serif, Marlett), and Xvfb for its windows
#   --gui       also Xvfb and ImageMagick for looking at the windows
#   --package   also what the Debian package's checks need: lintian, desktop-file-validate,
#               appstreamcli, dpkg-shlibdeps (which asks `file` which files are programs)
set -euo pipefail

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
      want+=(g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wine32:i386
             fonts-wine xvfb xauth) ;;
    --gui) want+=(xvfb xauth imagemagick fonts-dejavu-core) ;;
    --package) want+=(lintian desktop-file-utils appstream dpkg-dev file) ;;
    *) echo "install-deps: unknown option $arg" >&2; exit 2 ;;
  esac
done

missing=()
for p in "${want[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "install-deps: installing ${missing[*]}"
# wine32 comes from the i386 architecture, which a fresh machine has not enabled.
if [ "$windows" -eq 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
fi
$sudo apt-get -o DPkg::Lock::Timeout=600 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
