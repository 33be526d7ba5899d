#!/usr/bin/env bash
# Each program calls itself by its own application title: its message boxes are captioned with it,
# and the window system knows the program by it (the class of its windows; the accessibility bus
# shows the same application name). Runs the program on a virtual X display until its first
# message box is up beside its window (Plevo's welcome, Setup's terms), then reads the names and
# classes of the top-level windows.
#   program-titles.sh PROGRAM TITLE
set -euo pipefail
program=$(realpath "$1")
title=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
unset QT_QPA_PLATFORM
cd "$tmp"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" >/dev/null 2>&1 &
  pid=$!
  # Windows with a class: ("instance" "class").
  for _ in $(seq 100); do
    xwininfo -root -tree | grep -E "^ *0x[0-9a-f]+ \"[^\"]*\": \(\"" > windows.txt || true
    [ "$(wc -l < windows.txt)" -ge 2 ] && break
    sleep 0.1
  done
  sleep 0.5
  xwininfo -root -tree | grep -E "^ *0x[0-9a-f]+ \"[^\"]*\": \(\"" > windows.txt || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' bash "$program"

echo "windows seen:"
sed 's/^ */  /' windows.txt
[ "$(wc -l < windows.txt)" -ge 2 ] || { echo "FAIL: no window and message box came up"; exit 1; }
grep -qF "\"$title\": (" windows.txt ||
  { echo "FAIL: no message box is captioned \"$title\""; exit 1; }
if grep -vF "\"$title\")" windows.txt; then
  echo "FAIL: a window of the program is known by another name than \"$title\""; exit 1
fi
echo "the program calls itself \"$title\""
