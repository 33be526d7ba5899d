#!/usr/bin/env bash
# Times plevo-lists against the usual shell tools on one million random entries, side by side in
# one run: sort against `LC_ALL=C sort -f`, dedupe against `awk '!seen[$0]++'`, reduce against
# `cp` of the file. Then sort on hard inputs: lines that all share their first 21 bytes, case-only
# ties, the list in reverse order, and one line of 100 MB.
# Goals: sort at most the time and memory of `sort -f`, dedupe at most 0.2 times awk, reduce at
# most 3 times cp with memory independent of the list's length. plevo-lists -o flushes the file
# to the disk before it replaces the target (fsync); the peers do not, so a plain `dd
# conv=fsync` of the list is timed too: it is the floor of any command that writes it that way.
#
#   bench/lists-vs-peers.sh [BUILD_DIR] [RUNS]  (default build/release and 5; build plevo-lists
#                                               there first)
#
# Each pair runs in turn (ours, peer, ours, peer ...), so that a machine that slows down during
# the run slows both; the table gives medians of wall time and peak memory (/usr/bin/time) and the
# median and range of the ratios taken pair by pair.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
runs=${2:-5}
tool=$(realpath -m "$build/tools/plevo-lists/plevo-lists")
[ -x "$tool" ] || { echo "lists-vs-peers: no plevo-lists in $build" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
entries=1000000

bench/make-list.sh "$entries" "$work"
echo "input: $(wc -l <"$work/list.txt") entries, $(du -h "$work/list.txt" | cut -f1)," \
     "$(wc -l <"$work/safe.txt") safe domains; $(nproc) cores"
cd "$work"

# The hard inputs for sort, from the same list.
awk '{ printf "shared-prefix-0123456%s\n", $0 }' list.txt >prefix.txt
awk 'BEGIN { srand(7) } { s = ""; for (i = 1; i <= length($0); i++) { c = substr($0, i, 1)
     s = s (rand() < 0.5 ? toupper(c) : c) }; print s }' list.txt >cases.txt
LC_ALL=C sort -r -f list.txt >reversed.txt
{ head -c 50000000 /dev/zero | tr '\0' x; printf @; head -c 50000000 /dev/zero | tr '\0' y; } \
    >oneline.txt
echo "hard inputs: prefix.txt, cases.txt, reversed.txt (1,000,000 lines each), oneline.txt" \
     "($(wc -c <oneline.txt) bytes)"

# One run of a command: "wall-seconds peak-KiB". The wall time is taken to the microsecond here
# (the centiseconds of time(1) are too coarse for a copy of the list).
measure() {
    local from=$EPOCHREALTIME to
    /usr/bin/time -f '%M' -o "$work/time" bash -c "$1" >/dev/null
    to=$EPOCHREALTIME
    echo "$(awk -v a="$from" -v b="$to" 'BEGIN { printf "%.4f", b - a }') $(cat "$work/time")"
}

# race NAME OURS PEER: runs the pair $runs times in turn and prints one table row.
race() {
    local name=$1 ours=$2 peer=$3 k
    : >"$work/pairs"
    measure "$ours" >/dev/null  # warm-up: the file in the page cache
    for ((k = 0; k < runs; k++)); do
        echo "$(measure "$ours") $(measure "$peer")" >>"$work/pairs"
    done
    awk -v name="$name" '
    function median(a, n,   i, j, t) {
        for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
        return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { n++; ow[n] = $1; om[n] = $2; pw[n] = $3; pm[n] = $4; r[n] = ($3 > 0 ? $1 / $3 : 0)
      if (n == 1 || r[n] < lo) lo = r[n]; if (n == 1 || r[n] > hi) hi = r[n] }
    END { printf "%-34s %7.3f s %6.0f MiB %8.3f s %6.0f MiB   %5.2fx (%.2f-%.2f)\n", name,
          median(ow, n), median(om, n) / 1024, median(pw, n), median(pm, n) / 1024, median(r, n), lo, hi }
    ' "$work/pairs"
}

printf '%-34s %19s %20s   %s\n' "command (peer)" "plevo-lists" "peer" "ratio, median (min-max)"
race "sort (LC_ALL=C sort -f)" "'$tool' sort list.txt -o out-plevo.txt" \
     "LC_ALL=C sort -f list.txt -o out-peer.txt"
race "dedupe (awk '!seen[\$0]++')" "'$tool' dedupe --safe safe.txt list.txt -o out-plevo.txt" \
     "awk '!seen[\$0]++' list.txt > out-peer.txt"
race "dedupe > file (awk)" "'$tool' dedupe --safe safe.txt list.txt > out-plevo.txt" \
     "awk '!seen[\$0]++' list.txt > out-peer.txt"
race "reduce (cp)" "'$tool' reduce --safe safe.txt list.txt -o out-plevo.txt" \
     "cp list.txt out-peer.txt"
race "reduce (dd conv=fsync)" "'$tool' reduce --safe safe.txt list.txt -o out-plevo.txt" \
     "dd if=list.txt of=out-peer.txt bs=1M conv=fsync status=none"
race "reduce > file (cp)" "'$tool' reduce --safe safe.txt list.txt > out-plevo.txt" \
     "cp list.txt out-peer.txt"
for hard in prefix cases reversed oneline; do
    race "sort $hard.txt (LC_ALL=C sort -f)" "'$tool' sort $hard.txt -o out-plevo.txt" \
         "LC_ALL=C sort -f $hard.txt -o out-peer.txt"
done
# The single line of 100 MB is mostly writing: the same without the flush to the disk, and the
# flush's floor.
race "sort oneline.txt > file (sort -f)" "'$tool' sort oneline.txt > out-plevo.txt" \
     "LC_ALL=C sort -f oneline.txt -o out-peer.txt"
race "sort oneline.txt (dd conv=fsync)" "'$tool' sort oneline.txt -o out-plevo.txt" \
     "dd if=oneline.txt of=out-peer.txt bs=1M conv=fsync status=none"
