#!/usr/bin/env bash
# Builds the Debian package corvanta_<version>_amd64.deb in build-package/ with CPack
# (dependencies found by dpkg-shlibdeps).
#   scripts/package.sh           build the package
#   scripts/package.sh --check   then list it, unpack it into a scratch folder and run the
#                                unpacked corvanta-cli on the unpacked federal table
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
"$root/scripts/setup.sh" >/dev/null
"$root/scripts/build.sh" "$build" -DCORVANTA_BENCH=OFF >/dev/null
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/corvanta_*_amd64.deb | head -n1)
echo "$deb"
[ "${1:-}" = "--check" ] || exit 0

echo "== contents"
dpkg-deb -c "$deb" | awk '{print $6}'
echo "== depends: $(dpkg-deb -f "$deb" Depends)"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root"
mkdir "$scratch/work"
cp "$scratch/root/usr/share/corvanta/Federal08.dtt" "$scratch/work/"
echo "== unpacked corvanta-cli calc"
QT_QPA_PLATFORM=offscreen "$scratch/root/usr/bin/corvanta-cli" calc --dir "$scratch/work" \
    --straight 40 --week 1/4/2008 --no-save >"$scratch/calc.json"
grep -q '"GrossPay"' "$scratch/calc.json" || { cat "$scratch/calc.json"; exit 1; }
head -c 300 "$scratch/calc.json"; echo
echo "package ok"
