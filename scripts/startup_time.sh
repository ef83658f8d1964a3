#!/usr/bin/env bash
# Measures how long the calculator window takes to appear: the program reports the time
# from process start to its first shown frame; repeated runs give the median.
# Usage: scripts/startup_time.sh [BUILD_DIR] [RUNS]   (BUILD_DIR may be relative)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# Absolute before the runs move into their scratch folder.
build=$(realpath -m "${1:-$root/build}")
runs=${2:-10}
program="$build/src/corvanta"
[ -x "$program" ] || { echo "startup_time.sh: no program $program (build it first)" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/Federal08.dtt" "$work/"
cd "$work"
# A run counts only when the program reported its window shown.
xvfb-run -a bash -c '
    for i in $(seq "$1"); do
        start=$(date +%s%N)
        report=$("$2" --dir "$3" --startup-time 2>/dev/null || true)
        case "$report" in
            "shown after"*) ;;
            *) echo "startup_time.sh: $2 did not show its window" >&2; exit 1 ;;
        esac
        echo $(( ($(date +%s%N) - start) / 1000000 ))
    done' _ "$runs" "$program" "$work" >"$work/times"
sort -n "$work/times" | awk '{ v[NR] = $1 } END {
        printf "launch to window shown and program ended: median %d ms, min %d ms, max %d ms (%d runs)\n",
               v[int((NR + 1) / 2)], v[1], v[NR], NR }'
xvfb-run -a "$program" --dir "$work" --startup-time 2>/dev/null
