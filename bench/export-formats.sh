#!/usr/bin/env bash
# Times plevo-lists export to each format, with its peak memory, on lists of 100,000 and 1,000,000
# random entries (bench/make-list.sh) and the 1000 safe domains that come with them. The same
# peak memory at both lengths shows that the output streams: only the format's own grouping (one
# web mail filter) and a block of input are held. Goal: each format under 2 s for a million.
#
#   bench/export-formats.sh [BUILD_DIR]     (default build/release; build plevo-lists there first)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
tool=$(realpath -m "$build/tools/plevo-lists/plevo-lists")
[ -x "$tool" ] || { echo "export-formats: no plevo-lists in $build" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "export-formats: needs /usr/bin/time (apt-get install time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
echo "$(nproc) cores"
for entries in 100000 1000000; do
    mkdir -p "$work/$entries"
    bench/make-list.sh "$entries" "$work/$entries"
    list="$work/$entries/list.txt"
    echo "input: $entries entries, $(du -h "$list" | cut -f1)"
    for format in sieve spamassassin gmail; do
        printf '  %-13s' "$format"
        /usr/bin/time -f '%e s wall, %U s user, %M KiB peak' "$tool" export --to "$format" \
            --safe "$work/$entries/safe.txt" "$list" -o "$work/out" 2>&1 >/dev/null |
            grep -E 'KiB peak$'
        printf '  %-13s%s output\n' "" "$(du -h "$work/out" | cut -f1)"
    done
done
