#!/usr/bin/env bash
# Builds everything and runs every test, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

scripts/build.sh build
ctest --test-dir build --output-on-failure -j2

scripts/build.sh build-asan -DCORVANTA_SANITIZE=ON -DCORVANTA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build-asan --output-on-failure -j2
