#!/usr/bin/env bash
# Writes a random blocked list and safe list for the timings of plevo-lists:
#   bench/make-list.sh ENTRIES FOLDER      -> FOLDER/list.txt, FOLDER/safe.txt
# Half addresses, half bare domains, drawn from a quarter as many domains (so there are repeats
# and addresses covered by their domain); 1% of the entries are of one of 1000 safe domains.
# Lines end with CR LF, as the tool writes them.
set -euo pipefail
entries=$1
folder=$2
awk -v n="$entries" -v safeOut="$folder/safe.txt" -v listOut="$folder/list.txt" '
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
