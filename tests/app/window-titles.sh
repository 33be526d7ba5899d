#!/usr/bin/env bash
# The captions the window system shows for Plevo's windows are the windows' own, with nothing
# added: runs Plevo on a virtual X display and reads the names of its top-level windows.
#   window-titles.sh PLEVO
set -euo pipefail
plevo=$(realpath "$1")
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export HOME=$tmp XDG_DATA_HOME=$tmp/data XDG_CONFIG_HOME=$tmp/config
unset QT_QPA_PLATFORM
cd "$tmp"

xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$1" >/dev/null 2>&1 &
  pid=$!
  names=""
  for _ in $(seq 100); do
    names=$(xwininfo -root -tree | grep -o "\"[^\"]*\":" || true)
    case "$names" in *"Blocked Senders List"*) break ;; esac
    sleep 0.1
  done
  sleep 0.5  # the welcome message follows the main window
  xwininfo -root -tree | grep -o "\"[^\"]*\":" > names.txt || true
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
' bash "$plevo"

echo "window names seen:"
sed 's/^/  /' names.txt
grep -qxF '"Outlook Express - Blocked Senders List":' names.txt ||
  { echo "FAIL: the main window is not captioned exactly as it should be"; exit 1; }
# The toolkit adds " - NAME" (or " — NAME") when the program sets a display name.
if grep -E '(-|—) Plevo":$' names.txt; then
  echo "FAIL: a window caption carries an added name"; exit 1
fi
echo "the captions are the windows' own"
