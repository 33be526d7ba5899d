#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build and test Plevo.
# Idempotent: quiet and quick when everything is already there.
#   --windows   also the MinGW-w64 cross compiler and Wine for the Windows leg
#   --gui       also Xvfb and ImageMagick for looking at the windows
set -euo pipefail

# dovecot-sieve, spamassassin and libxml2-utils: the tests of plevo-lists export run sievec,
# sieve-test, spamassassin and xmllint on what it writes.
want=(cmake ninja-build g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev googletest
      libbenchmark-dev clang clang-format libclang-rt-14-dev fonts-dejavu-core
      dovecot-sieve spamassassin libxml2-utils)
for arg in "$@"; do
  case "$arg" in
    --windows) want+=(g++-mingw-w64-x86-64-posix wine64) ;;
    --gui) want+=(xvfb xauth imagemagick fonts-dejavu-core) ;;
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
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
