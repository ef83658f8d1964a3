#!/usr/bin/env bash
# Builds the program and runs a calculation for a sample employee in the working folder run/,
# which receives the federal tax table on first use.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build >/dev/null

mkdir -p run
[ -f run/Federal08.dtt ] || cp data/Federal08.dtt run/
args=("$@")
if [ ${#args[@]} -eq 0 ]; then
    args=(calc --user Sample --straight 40 --ot15 2 --week "$(date +%-m/%-d/%Y)")
fi
build/src/corvanta-cli "${args[@]}" --dir run
