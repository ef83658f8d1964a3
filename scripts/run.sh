#!/usr/bin/env bash
# Builds the program and starts the calculator window in the working folder run/, which
# receives the federal tax table on first use. With a command (calc, ledger, stub, check,
# report, export, session, register, backup, run) it runs the command-line calculator there
# instead, or in the folder its own --dir names:
#   scripts/run.sh calc --user Smith --straight 40
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh build >/dev/null

mkdir -p run
[ -f run/Federal08.dtt ] || cp data/Federal08.dtt run/
if [ $# -gt 0 ] && [[ "$1" != -* ]]; then
    for arg in "$@"; do
        [ "$arg" = --dir ] && exec build/src/corvanta-cli "$@"
    done
    exec build/src/corvanta-cli "$@" --dir run
fi
exec build/src/corvanta --dir run "$@"
