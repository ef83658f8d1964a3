#!/usr/bin/env bash
# Installs a build into a scratch tree and checks it as a desktop would see it: every file in
# its place, the menu entry (desktop-file-validate), the software-centre metadata (appstreamcli)
# and the manual pages (man, failing on any warning).
#   scripts/check_install.sh [build folder]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$root/build}")
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
DESTDIR="$tree" cmake --install "$build" --prefix /usr >/dev/null
usr="$tree/usr"
id=com.quorvell.Corvanta

status=0
for f in bin/corvanta bin/corvanta-cli share/corvanta/Federal08.dtt \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/icons/hicolor/48x48/apps/$id.png \
         share/man/man1/corvanta.1.gz share/man/man1/corvanta-cli.1.gz \
         share/doc/corvanta/copyright share/doc/corvanta/changelog.gz \
         share/corvanta/help/index.html share/corvanta/help/state-dialog.png; do
    [ -e "$usr/$f" ] || { echo "missing: $f"; status=1; }
done
echo "desktop-file-validate"
desktop-file-validate "$usr/share/applications/$id.desktop" || status=1
echo "appstreamcli validate"
appstreamcli validate --no-net --explain "$usr/share/metainfo/$id.metainfo.xml" >/dev/null || {
    appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml"; status=1; }
for page in "$usr"/share/man/man1/*.1.gz; do
    echo "man -l $(basename "$page")"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
    [ -z "$warnings" ] || { echo "$warnings"; status=1; }
done
# The help pages link only to pages and pictures that are there.
for link in $(grep -ho 'href="[a-z0-9-]*\.html"\|src="[a-z0-9-]*\.png"' "$usr"/share/corvanta/help/*.html \
              | sed 's/.*="\(.*\)"/\1/' | sort -u); do
    [ -e "$usr/share/corvanta/help/$link" ] || { echo "help links to missing $link"; status=1; }
done
[ "$status" -eq 0 ] && echo "install tree ok"
exit "$status"
