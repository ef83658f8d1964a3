#!/usr/bin/env bash
# Builds the fuzzers with clang and runs each for a bounded time.
#   scripts/fuzz.sh [seconds per target] [build folder]
# Fails when any target finds a crash; the reproducer is left in the build folder's
# artifacts/ folder. Corpora grow in <build>/corpus and are reused by the next run.
set -euo pipefail

seconds="${1:-4}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${2:-$root/build-fuzz}"

if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root/fuzz" -B "$build" -G Ninja >/dev/null
fi
nice ninja -C "$build" -j"${FUZZ_JOBS:-2}" >/dev/null

corpus="$build/corpus"
"$build/seed_generator" "$corpus" "$root/data/Federal08.dtt"
mkdir -p "$corpus/numeric_text" "$build/artifacts"
cp -n "$root"/fuzz/seeds/numeric/* "$corpus/numeric_text/"

failed=0
for fuzzer in "$build"/*_fuzzer; do
    name="$(basename "$fuzzer" _fuzzer)"
    mkdir -p "$corpus/$name"
    log="$build/artifacts/$name.log"
    if nice "$fuzzer" -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$name-" "$corpus/$name" >"$log" 2>&1; then
        printf '%-16s ok   %s\n' "$name" "$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" \
            | sed 's/.*: /execs=/' || true)"
    else
        printf '%-16s FAIL see %s\n' "$name" "$log"
        failed=1
    fi
done
exit "$failed"
