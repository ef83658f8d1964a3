#!/usr/bin/env bash
# Runs the same commands with two builds of the command-line program on two copies of a
# folder of employees and compares what they print, their exit status and the folders left.
#   scripts/compare_cli.sh OLD-CLI NEW-CLI FOLDER   (copies into A and B in the current folder)
old=$1; new=$2; src=$3
rm -rf A B; cp -a "$src" A; cp -a "$src" B
n=0; diffs=0
run() {
    n=$((n+1))
    (cd A && "$old" "$@" > ../o.out 2> ../o.err; echo "rc=$?" >> ../o.out)
    (cd B && "$new" "$@" > ../n.out 2> ../n.err; echo "rc=$?" >> ../n.out)
    if ! cmp -s o.out n.out || ! cmp -s o.err n.err; then
        diffs=$((diffs+1)); echo "DIFF: $*"; diff o.out n.out | head -5; diff o.err n.err | head -5
    fi
}
for e in $(ls "$src" | sed -n 's/\.use$//p'); do
    run calc --dir . --user "$e" --straight 40 --ot 3 --week 1/5/2008 --no-save
    run calc --dir . --user "$e" --straight 38.5 --holiday 8 --2x --ot 2 --tips 5 --dollars 12.34 --week 2/9/2008
    run calc --dir . --user "$e" --straight 99999999999999999999 --week 2/9/2008 --no-save
    run ledger --dir . --user "$e"
    run stub --dir . --user "$e" --straight 40 --vacation 4 --week 1/5/2008 --text
    run check --dir . --user "$e" --straight 40 --ot15 2 --week 1/5/2008 --date 1/5/2008 --text
    run report --dir . --user "$e" --text
    run calc --dir . --user "$e" --straight 41 --week 3/1/2008 --post 5
done
run register --dir . --year 2008 --json
run register --dir . --quarter 2008Q1 --text
run register --dir . --week 3/1/2008 --text
if ! diff -r A B > /dev/null; then diffs=$((diffs+1)); echo "FOLDERS DIFFER"; diff -rq A B | head; fi
echo "$n commands, $diffs differences"
