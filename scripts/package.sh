#!/usr/bin/env bash
# Builds the Debian package corvanta_<version>_amd64.deb in build-package/ with CPack
# (dependencies found by dpkg-shlibdeps).
#   scripts/package.sh               build the package
#   scripts/package.sh --check       then check it with lintian (any error or warning fails),
#                                    list it, unpack it into a scratch folder and run the
#                                    unpacked corvanta-cli on the unpacked federal table
#   scripts/package.sh --from DIR    package an existing Release build folder instead (CI
#                                    packages the build it has just tested)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"
check=false
while [ $# -gt 0 ]; do
    case "$1" in
        --check) check=true ;;
        --from) build=$(realpath -m "$2"); shift ;;
        *) echo "usage: scripts/package.sh [--check] [--from BUILD_DIR]" >&2; exit 2 ;;
    esac
    shift
done
if $check; then "$root/scripts/setup.sh" --checks >/dev/null; else "$root/scripts/setup.sh" >/dev/null; fi
if [ "$build" = "$root/build-package" ]; then
    "$root/scripts/build.sh" "$build" -DCORVANTA_BENCH=OFF >/dev/null
else
    cmake --build "$build" --parallel "${CORVANTA_JOBS:-2}" >/dev/null
fi
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls -t "$build"/corvanta_*_amd64.deb | head -n1)
echo "$deb"
$check || exit 0

echo "== lintian"
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
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
