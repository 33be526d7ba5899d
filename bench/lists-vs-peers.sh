#!/usr/bin/env bash
# Times plevo-lists against the usual shell tools on one million random entries, side by side in
# one run: sort against `LC_ALL=C sort -f`, dedupe against `awk '!seen[$0]++'`, and reduce alone.
# Goals: sort and dedupe at most twice the time of their peer, reduce under one second.
#
#   bench/lists-vs-peers.sh [BUILD_DIR]     (default build/release; build plevo-lists there first)
#
# Uses hyperfine when it is installed (apt-get install hyperfine), /usr/bin/time otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
tool=$(realpath -m "$build/tools/plevo-lists/plevo-lists")
[ -x "$tool" ] || { echo "lists-vs-peers: no plevo-lists in $build" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entries=1000000

bench/make-list.sh "$entries" "$work"
echo "input: $(wc -l <"$work/list.txt") entries, $(du -h "$work/list.txt" | cut -f1)," \
     "$(wc -l <"$work/safe.txt") safe domains; $(nproc) cores"
cd "$work"

if command -v hyperfine >/dev/null; then
    race() { hyperfine --warmup 1 --runs 5 --style basic "$@"; }
    race -n "plevo-lists sort" "'$tool' sort list.txt -o out-plevo.txt" \
         -n "LC_ALL=C sort -f" "LC_ALL=C sort -f list.txt -o out-sort.txt"
    race -n "plevo-lists dedupe" "'$tool' dedupe --safe safe.txt list.txt -o out-plevo.txt" \
         -n "awk '!seen[\$0]++'" "awk '!seen[\$0]++' list.txt > out-awk.txt"
    race -n "plevo-lists reduce" "'$tool' reduce --safe safe.txt list.txt -o out-plevo.txt"
else
    clock() { printf '%-22s' "$1"; shift; /usr/bin/time -f '%e s, %M KiB' bash -c "$*" 2>&1; }
    clock "plevo-lists sort" "'$tool' sort list.txt -o out-plevo.txt"
    clock "LC_ALL=C sort -f" "LC_ALL=C sort -f list.txt -o out-sort.txt"
    clock "plevo-lists dedupe" "'$tool' dedupe --safe safe.txt list.txt -o out-plevo.txt"
    clock "awk '!seen[\$0]++'" "awk '!seen[\$0]++' list.txt > out-awk.txt"
    clock "plevo-lists reduce" "'$tool' reduce --safe safe.txt list.txt -o out-plevo.txt"
fi
