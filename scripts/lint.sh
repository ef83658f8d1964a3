#!/usr/bin/env bash
# Static analysis: clang-tidy over every folder of src with the checks of .clang-tidy (the
# analyzer's among them), clang-format over every folder, the layer and text-to-number checks,
# then cppcheck.
# Exits non-zero when any reports anything.
#   scripts/lint.sh [build folder with compile_commands.json]   (default: build)
set -uo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
if [ ! -f "$build/compile_commands.json" ]; then
    echo "No compile_commands.json in $build: configure a build there first." >&2
    exit 2
fi

# Every folder of src, so a new one is linted from its first file.
mapfile -t dirs < <(find "$root/src" -mindepth 1 -maxdepth 1 -type d -printf '%f\n' | sort)
mapfile -t sources < <(for d in "${dirs[@]}"; do find "$root/src/$d" -name '*.cpp'; done | sort)

status=0
echo "clang-tidy: ${#sources[@]} files"
# GCC-only warning flags in the compile commands are not clang's business. Two at a time, a
# few files each: one file takes several seconds.
if ! printf '%s\0' "${sources[@]}" |
    xargs -0 -n 4 -P "${CORVANTA_JOBS:-2}" nice clang-tidy -p "$build" --quiet \
        --warnings-as-errors='*' --extra-arg=-Wno-unknown-warning-option 2>/dev/null; then
    status=1
fi

echo "clang-format: every folder"
if ! find "$root/src" "$root/tests" "$root/bench" "$root/fuzz" \( -name '*.cpp' -o -name '*.h' \) \
    -print0 | xargs -0 clang-format --dry-run --Werror; then
    status=1
fi

echo "layers and text-to-number readers"
"$root/scripts/check_layers.sh" || status=1
"$root/scripts/check_text_numbers.sh" || status=1

echo "cppcheck"
if ! nice cppcheck --quiet --std=c++20 --language=c++ --enable=warning,performance,portability \
    --inline-suppr --error-exitcode=1 -I "$root/src" \
    --suppress=missingIncludeSystem "${dirs[@]/#/$root/src/}"; then
    status=1
fi
exit "$status"
