#!/usr/bin/env bash
# Builds everything and runs every test: unit, window and command-line tests.
#   scripts/test.sh         the build and the tests (a few minutes)
#   scripts/test.sh --all   then the static analysers, the scripted desktop session under
#                           valgrind, every test again under AddressSanitizer and
#                           UndefinedBehaviorSanitizer, and a minute of fuzzing over every reader
set -euo pipefail
cd "$(dirname "$0")/.."
all=false
case "${1:-}" in
    --all) all=true ;;
    "") ;;
    *) echo "usage: scripts/test.sh [--all]" >&2; exit 2 ;;
esac

if $all; then scripts/setup.sh --checks; else scripts/setup.sh; fi
scripts/build.sh build
ctest --test-dir build --output-on-failure -j2
$all || exit 0

scripts/lint.sh build
scripts/gui_session.sh build

# -O1 and line tables only: the sanitizers report file and line, and the build takes half the
# time of -O2 with full debug information.
scripts/build.sh build-asan -DCORVANTA_SANITIZE=ON -DCORVANTA_BENCH=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1"
# The shared-folder stress test hammers for 30 s; the second round needs only a third of it.
# Leaks inside system libraries are suppressed by name (tests/lsan.supp), never ours.
CORVANTA_STRESS_SECONDS=10 LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp" \
    ctest --test-dir build-asan --output-on-failure -j2

# Five seconds per reader, eleven readers: about a minute.
scripts/fuzz.sh 5
