#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing.
#   scripts/setup.sh          the build tools
#   scripts/setup.sh --checks also clang with its fuzzing runtime (scripts/fuzz.sh), the static
#                             analysers (scripts/lint.sh), valgrind (scripts/gui_session.sh) and
#                             the checkers of the install tree and the package
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev libbenchmark-dev
          qt6-base-dev libxlsxwriter-dev fonts-liberation2
          xvfb xauth imagemagick poppler-utils unzip
          nlohmann-json3-dev libcli11-dev cmark-gfm librsvg2-bin
          libarchive-dev nettle-dev libcsv-dev ccache)
if [ "${1:-}" = "--checks" ] || [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-14-dev clang-tidy cppcheck valgrind
               desktop-file-utils appstream lintian man-db groff-base)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
