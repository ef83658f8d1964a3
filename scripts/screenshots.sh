#!/usr/bin/env bash
# Takes the README's screenshots under a virtual display: the calculator window after a
# sample calculation, the state dialog and the employee dialog, as PNG files in docs/.
# Usage: scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
[ -x "$build/src/corvanta" ] || scripts/build.sh "$build" >/dev/null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$root/data/Federal08.dtt" "$work/"
mkdir -p "$root/docs"
(cd "$work" && xvfb-run -a "$build/src/corvanta" --screenshot "$root/docs" 2>/dev/null)
ls "$root/docs"/*.png
