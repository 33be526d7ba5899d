#!/usr/bin/env bash
# The Windows download: `cpack` in build/windows makes Plevo-VERSION-windows.zip, which must hold
# exactly the installer, the program, its icon, the read-me and plevo-lists.exe in one folder.
# Unpacked into "C:\Download" of a fresh Wine prefix, Setup's own window test
# (test_setup_on_windows, from build/windows-tests) installs from it with the system's drive C,
# shortcuts and shell, the installed program starts and shows its window, and Uninstall removes
# it again. Run after both Windows builds (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
version=$(sed -n 's/^project(Plevo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name="Plevo-$version-windows"
zip="$root/build/windows/$name.zip"
rm -f "$zip"
(cd build/windows && cpack >/dev/null)

listed=$(cmake -E tar tf "$zip" | grep -v '/$' | LC_ALL=C sort)
expected=$(printf '%s\n' "$name/Plevo Trial.exe" "$name/Plevo.ICO" "$name/Read Me.txt" \
  "$name/Setup.exe" "$name/plevo-lists.exe" | LC_ALL=C sort)
if [ "$listed" != "$expected" ]; then
  printf 'The zip holds:\n%s\nexpected:\n%s\n' "$listed" "$expected" >&2
  exit 1
fi
echo "$name.zip: $(wc -c <"$zip") bytes, the five files"

PLEVO_WINE_UNPACK="$zip" PLEVO_SETUP_SOURCE="C:\\Download\\$name" \
  cmake/wine-desktop-run.sh build/windows-tests/tests/setup/test_setup_on_windows.exe
