#!/usr/bin/env bash
# Builds kwarel and runs every test, in order:
#   1. the default workflow: RelWithDebInfo build, unit, golden, JSON and
#      install tests, and the
#      Windows tests (32-bit DLL export table, 64-bit CLI under wine);
#   2. the sanitize workflow: the same tests (without the Windows ones) under
#      AddressSanitizer and UndefinedBehaviorSanitizer;
#   3. the tsan workflow: the thread tests (jobs on 1, 2 and 7 threads)
#      under ThreadSanitizer, each bounded to 10 minutes;
#   4. tools/fuzz.sh: every libFuzzer target on a fixed set of inputs.
# Every step runs even if an earlier one failed; the exit status is non-zero
# if any failed.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root" || exit 1

failed=()
summary=()
run_step() {
    local name=$1
    shift
    echo
    echo "=== $name: $*"
    local start=$SECONDS
    if "$@"; then
        summary+=("ok    $name ($((SECONDS - start))s)")
    else
        summary+=("FAIL  $name ($((SECONDS - start))s)")
        failed+=("$name")
    fi
}

run_step default cmake --workflow --preset default
run_step sanitize cmake --workflow --preset sanitize
run_step tsan cmake --workflow --preset tsan
run_step fuzz "$root/tools/fuzz.sh"

echo
echo "=== summary"
printf '%s\n' "${summary[@]}"
echo "total ${SECONDS}s"
[ ${#failed[@]} -eq 0 ]
