#!/usr/bin/env bash
# Takes the README's pictures under a virtual display: the calculator window after a sample
# calculation, the state, employee and company dialogs, the year-to-date ledger with two weeks
# posted, the check window, the leave dialog, the overtime sheet, the payroll register, the
# employee list, the pay run window, the check register, the help window, the state dialog on a whole 1024x768 screen, and the first page of the
# stub, check and ledger report printed from the windows into PDFs, as PNG files in docs/.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
[ -x "$build/src/corvanta" ] || scripts/build.sh "$build" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/Federal08.dtt" "$work/"
cli="$build/src/corvanta-cli"
# An employer in Iowa, as "Getting started" sets one up.
"$cli" company --dir "$work" --name "Prairie Feed & Seed" --street "12 Grand Avenue" \
    --city "Des Moines" --state IA --zip 50309 --ein 42-1234567 --home-state Iowa --local none \
    --contact-name "Ruth Olsen" --contact-phone "515-555-0142" >/dev/null
# Four employees paid for three weeks, for the register's picture.
for name in Adams Baker Chen Diaz; do
    "$cli" new "$name" --dir "$work" >/dev/null
    "$cli" calc --dir "$work" --user "$name" --straight 40 >/dev/null
done
printf 'employee,straight,ot\nAdams,40,2\nBaker,38,\nChen,40,5\nDiaz,32,\n' >"$work/hours.csv"
for week in 1/4/2008 1/11/2008 1/18/2008; do
    "$cli" run --dir "$work" --hours "$work/hours.csv" --week "$week" --post next \
        --checks "$work/checks.pdf" >/dev/null
done
rm "$work/hours.csv" "$work/checks.pdf"
mkdir -p "$root/docs"
# A 1024x768 screen, the smallest the windows are made for.
(cd "$work" && xvfb-run -a -s "-screen 0 1024x768x24" "$build/src/corvanta" --screenshot "$root/docs" \
    2>/dev/null)
for pdf in "$root/docs"/*.pdf; do
    pdftoppm -png -r 60 -singlefile "$pdf" "${pdf%.pdf}"
    rm "$pdf"
done
ls "$root/docs"/*.png
