#!/usr/bin/env bash
# Every test of the given test programs has a readable name that is the same on every run:
# lists each program's tests twice and fails on a name that is only an index ("Case/3") or on
# two listings that differ, the printed parameters included. Prints what is wrong; exits 1 if
# anything is.
set -uo pipefail
export QT_QPA_PLATFORM=offscreen
status=0
for program in "$@"; do
    name=$(basename "$program")
    if ! first=$("$program" --gtest_list_tests) || ! second=$("$program" --gtest_list_tests); then
        echo "$name: its tests could not be listed"
        status=1
        continue
    fi
    # A suite line ends with "." (typed suites are numbered there too); a test line is indented.
    numbered=$(awk '/^[^ ]/ { suite = $1; sub(/\.$/, "", $1) }
                    { if ($1 ~ /\/[0-9]+$/) print (/^ / ? suite $1 : suite) }' <<<"$first")
    if [ -n "$numbered" ]; then
        echo "$name: named only by an index:"
        sed 's/^/  /' <<<"$numbered"
        status=1
    fi
    if [ "$first" != "$second" ]; then
        echo "$name: the listing differs from one run to the next:"
        diff <(echo "$first") <(echo "$second") | head -n 20
        status=1
    fi
done
[ "$status" = 0 ] && echo "test names: every case is named, the same on every run"
exit "$status"
