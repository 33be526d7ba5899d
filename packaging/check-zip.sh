#!/usr/bin/env bash
# The Windows download: `cpack` in build/windows makes Plevo-VERSION-windows.zip, which must hold
# exactly the installer, the program, its icon, the read-me and plevo-lists.exe in one folder.
# Unpacked into "C:\Download" of a fresh Wine prefix, Setup's own window test
# (test_setup_on_windows) installs from it with the system's drive C, shortcuts and shell, the
# installed program starts and shows its window, and Uninstall removes it again. Run after the
# Windows builds (scripts/test-windows.sh).
# Where this machine runs no 32-bit programs (PLEVO_WINE_LEG=64, see scripts/wine-leg.sh), the
# shipped zip is made and its files checked all the same, and the installer test runs on the same
# zip made from the 64-bit twins of its programs (build/windows-tests-64), under 64-bit Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=$(sed -n 's/^project(Plevo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="Plevo-$version-windows"
leg=${PLEVO_WINE_LEG:-$(scripts/wine-leg.sh)}

# make_zip BUILD_FOLDER: makes the zip there, checks its files and prints its path.
make_zip() {
  local zip="$root/$1/$name.zip" listed expected
  rm -f "$zip"
  (cd "$1" && cpack >/dev/null)
  listed=$(cmake -E tar tf "$zip" | grep -v '/$' | LC_ALL=C sort)
  expected=$(printf '%s\n' "$name/Plevo Trial.exe" "$name/Plevo.ICO" "$name/Read Me.txt" \
    "$name/Setup.exe" "$name/plevo-lists.exe" | LC_ALL=C sort)
  if [ "$listed" != "$expected" ]; then
    printf '%s holds:\n%s\nexpected:\n%s\n' "$zip" "$listed" "$expected" >&2
    return 1
  fi
  echo "$1/$name.zip: $(wc -c <"$zip") bytes, the five files" >&2
  echo "$zip"
}

zip=$(make_zip build/windows)
tests=build/windows-tests
run=(cmake/wine-run.sh --desktop)
if [ "$leg" != 32 ]; then
  echo "The installer test runs on the 64-bit twins of the zip's programs (this machine runs no 32-bit programs)."
  tests=build/windows-tests-64
  zip=$(make_zip "$tests")
  run=(cmake/wine-run.sh --win64 --desktop)
fi
PLEVO_WINE_UNPACK="$zip" PLEVO_SETUP_SOURCE="C:\\Download\\$name" \
  "${run[@]}" "$tests/tests/setup/test_setup_on_windows.exe"
