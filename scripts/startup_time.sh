#!/usr/bin/env bash
# Measures how long the calculator window takes to appear: the program reports the time
# from process start to its first shown frame; repeated runs give the median.
# Usage: scripts/startup_time.sh [BUILD_DIR] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
runs=${2:-10}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/Federal08.dtt" "$work/"
cd "$work"
xvfb-run -a bash -c '
    for i in $(seq "$1"); do
        start=$(date +%s%N)
        "$2/src/corvanta" --startup-time >/dev/null 2>&1
        echo $(( ($(date +%s%N) - start) / 1000000 ))
    done' _ "$runs" "$build" | sort -n | awk '{ v[NR] = $1 } END {
        printf "launch to window shown and program ended: median %d ms, min %d ms, max %d ms (%d runs)\n",
               v[int((NR + 1) / 2)], v[1], v[NR], NR }'
xvfb-run -a "$build/src/corvanta" --startup-time 2>/dev/null
