#!/usr/bin/env bash
# The scripted desktop session (every window, a calculation, posting, printouts to PDF, the
# workbook, save and exit) under a virtual display: once as built, reporting its peak memory,
# then under valgrind memcheck, failing on a definite leak whose stack passes through the
# program's own code.
#   scripts/gui_session.sh [build folder]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
program="$build/src/corvanta"
[ -x "$program" ] || { echo "No $program: build first." >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

run_session() {  # folder, then the command that runs the program
    local dir=$1
    shift
    mkdir -p "$dir"
    cp "$root/data/Federal08.dtt" "$dir/"
    (cd "$dir" && xvfb-run -a "$@" --scripted-session "$dir")
}

echo "== session"
run_session "$work/plain" "$program"

echo "== session under valgrind memcheck"
log="$work/memcheck.log"
run_session "$work/memcheck" valgrind --leak-check=full --show-leak-kinds=definite \
    --num-callers=40 --log-file="$log" "$program" >/dev/null
grep -E "definitely lost:|ERROR SUMMARY" "$log" | sed "s/^==\([0-9]*\)== */  process \1: /"
# Leaks inside the windowing libraries are theirs (fontconfig, glib, dbus keep their caches);
# a leak is ours when the first frame past the allocator is the program's own code.
ours=$(awk '/definitely lost in/ {block=1; first=""; next}
            block && /^==[0-9]*== *$/ {if (first ~ /corvanta/) n++; block=0; next}
            block && first == "" && /(at|by) 0x/ &&
                !/vgpreload_memcheck|operator new|g_malloc|g_slice/ {first=$0}
            END {print n+0}' "$log")
echo "  definite leaks through the program's code: $ours"
[ "$ours" -eq 0 ]
