#!/usr/bin/env bash
# Builds everything and runs every test, then the static analysers, the same tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, and a minute of fuzzing over every reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh --checks

scripts/build.sh build
ctest --test-dir build --output-on-failure -j2

scripts/lint.sh build
scripts/gui_session.sh build

scripts/build.sh build-asan -DCORVANTA_SANITIZE=ON -DCORVANTA_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo
ctest --test-dir build-asan --output-on-failure -j2

# Five seconds per reader, eleven readers: about a minute.
scripts/fuzz.sh 5
