#!/bin/sh
# Runs a command of ours and a peer command (grep, a pipeline of standard
# tools) on the same input in one run, and prints both times and the ratio.
#   scripts/bench-vs-peer.sh OURS PEER [RUNS]
# OURS and PEER are shell command lines; each runs RUNS times (default 5) and
# the best time counts.
set -eu
[ $# -ge 2 ] || { echo "usage: $0 OURS PEER [RUNS]" >&2; exit 2; }
OURS=$1
PEER=$2
RUNS=${3:-5}

best_time() {
    best=""
    i=0
    while [ "$i" -lt "$RUNS" ]; do
        start=$(date +%s.%N)
        sh -c "$1" >/dev/null
        end=$(date +%s.%N)
        t=$(awk "BEGIN { print $end - $start }")
        if [ -z "$best" ] || awk "BEGIN { exit !($t < $best) }"; then best=$t; fi
        i=$((i + 1))
    done
    echo "$best"
}

ours=$(best_time "$OURS")
peer=$(best_time "$PEER")
printf 'ours: %.4f s  (%s)\n' "$ours" "$OURS"
printf 'peer: %.4f s  (%s)\n' "$peer" "$PEER"
awk "BEGIN { printf \"ratio ours/peer: %.2f\\n\", $ours / $peer }"
