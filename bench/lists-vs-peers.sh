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

# Half addresses, half bare domains, drawn from a quarter as many domains (so there are repeats
# and addresses covered by their domain); 1% of the entries are of one of 1000 safe domains.
# Lines end with CR LF, as the tool writes them.
awk -v n="$entries" -v safeOut="$work/safe.txt" -v listOut="$work/list.txt" '
function label(lo, hi,   len, s, k) {
    len = lo + int(rand() * (hi - lo + 1)); s = substr(letters, 1 + int(rand() * 26), 1)
    for (k = 1; k < len; k++) s = s substr(letters, 1 + int(rand() * 36), 1)
    return s
}
function domain(   d, k) {
    d = ""
    for (k = int(rand() * 3); k > 0; k--) d = d label(2, 6) "."
    return d label(4, 10) "." tops[1 + int(rand() * 6)]
}
BEGIN {
    srand(20261208)
    letters = "abcdefghijklmnopqrstuvwxyz0123456789"
    split("com net org example info co.uk", tops, " ")
    pool = int(n / 4)
    for (k = 0; k < pool; k++) domains[k] = domain()
    for (k = 0; k < 1000; k++) { safe[k] = domain(); printf "%s\r\n", safe[k] > safeOut }
    for (k = 0; k < n; k++) {
        d = rand() < 0.01 ? safe[int(rand() * 1000)] : domains[int(rand() * pool)]
        if (rand() < 0.5) d = label(3, 12) "@" d
        printf "%s\r\n", d > listOut
    }
}'
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
