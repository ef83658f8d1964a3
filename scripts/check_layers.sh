#!/usr/bin/env bash
# Each engine layer includes only its own headers and those of the layers below it, and every
# engine header is named with its layer first. Prints each offending include; exits 1 if any.
set -uo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
layers=(base tax records session)
status=0
for i in "${!layers[@]}"; do
    layer=${layers[$i]}
    above=("${layers[@]:$((i + 1))}" app backup cli export payrun qtprint ui)
    pattern="#include \"($(IFS='|'; echo "${above[*]}"))/"
    if grep -rnE "$pattern" "$root/src/$layer"; then status=1; fi
done
# An engine header included without its layer's name would resolve only by accident.
for dir in core files local payroll print side state ytd; do
    if grep -rnE "#include \"$dir/" "$root/src" "$root/tests" "$root/bench" "$root/fuzz"; then
        status=1
    fi
done
[ "$status" = 0 ] && echo "layers: every include is named by its layer and points downward"
exit "$status"
