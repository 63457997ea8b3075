#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz preset: clang-14, ASan + UBSan) and runs
# each for a bounded time, starting from its seed corpus in fuzz/corpus/.
# Fails if any target finds a crash, a sanitizer report, a leak or an input
# that does not finish.
#
# An input that exceeds the per-input timeout (25 s) is run once more alone
# with a long limit (FUZZ_SLOW_LIMIT, default 120 s): whole jobs search every
# combination of tooling options level by level, so a cut piece that cannot
# be made with many machines and benders is slow without being stuck. Such an
# input is reported as slow, not as a failure. One that does not finish even
# then is reported as SLOW with its path and left in the artifacts: the
# clash-checked search tries every run, and a fuzzed shop with many machines
# and benders can need far longer than a fuzz run has; it does not fail the
# run (crashes, sanitizer reports and leaks still do).
#
# Without an argument (as in CI) each target runs a fixed number of inputs
# from a fixed random seed (FUZZ_SEED, default 1): libFuzzer then tries
# nearly the same inputs on every machine (only its corpus bookkeeping
# depends on timing), so a CI run explores what a local run explored, not
# whatever a faster machine reaches in a given time. The counts are
# what a target does in about 30 s on a quiet 2-core machine; FUZZ_RUN_LIMIT
# (default 600 s) bounds each target's time on a slow one.
# With SECONDS each target runs for that time instead; FUZZ_SEED=0 lets
# libFuzzer pick a new seed, for an open-ended hunt.
#
# Usage: tools/fuzz.sh                  fixed inputs, fixed seed (CI)
#        tools/fuzz.sh SECONDS          every target for SECONDS
#        FUZZ_TARGETS="job clash_job" tools/fuzz.sh    to run only some targets
# Every run starts from the seeds in fuzz/corpus/<target>/; what it finds
# is left in build/fuzz/corpus/<target>/, and inputs that crash or time out
# in build/fuzz/artifacts/<target>/.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-${FUZZ_SECONDS:-}}
seed=${FUZZ_SEED:-1}
targets=${FUZZ_TARGETS:-"parameters database cutpieces job clash_job"}

cd "$root" || exit 1
# The fuzzers need clang-14 with its libFuzzer runtime (libclang-rt-14-dev).
# Without them the step is skipped on a developer's machine; CI installs them,
# so there a missing compiler is a failure.
if ! command -v clang++-14 >/dev/null 2>&1; then
    if [ -n "${CI:-}" ]; then
        echo "FAIL  fuzz: clang++-14 not found"
        exit 1
    fi
    echo "== fuzz: skipped (clang++-14 not installed; apt-get install clang-14 libclang-rt-14-dev)"
    exit 0
fi
echo "== fuzz: building"
cmake --preset fuzz >/dev/null || exit 1
cmake --build --preset fuzz || exit 1

build=$root/build/fuzz
# The targets make their scratch folders under TMPDIR; one left behind by a
# crash stays in the build tree.
export TMPDIR=$build/tmp
rm -rf "$TMPDIR"
mkdir -p "$TMPDIR"
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

failed=0
for target in $targets; do
    exe=$build/fuzz/fuzz_$target
    seeds=$root/fuzz/corpus/$target
    corpus=$build/corpus/$target
    artifacts=$build/artifacts/$target
    log=$build/fuzz_$target.log
    rm -rf "$corpus" "$artifacts"
    mkdir -p "$corpus" "$artifacts"
    # New inputs go into the first folder (the build tree); the seeds are
    # only read.
    if [ -n "$seconds" ]; then
        bound="-max_total_time=$seconds"
        what="in ${seconds}s"
    else
        case $target in
            parameters) runs=100000 ;;
            database|cutpieces) runs=20000 ;;
            job) runs=12000 ;;
            *) runs=8000 ;;
        esac
        bound="-runs=$runs -max_total_time=${FUZZ_RUN_LIMIT:-600}"
        what="from seed $seed"
    fi
    "$exe" -seed="$seed" $bound -reload=0 -timeout=25 -rss_limit_mb=2048 -max_len=4096 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "$corpus" "$seeds" >"$log" 2>&1
    status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    if [ $status -eq 0 ]; then
        echo "ok    fuzz_$target: ${runs:-?} inputs $what, corpus $(ls "$corpus" | wc -l) files"
    elif grep -q "ERROR: libFuzzer: timeout" "$log"; then
        slow=$(ls -t "$artifacts"/timeout-* 2>/dev/null | head -n1)
        limit=${FUZZ_SLOW_LIMIT:-120}
        start=$(date +%s)
        if [ -n "$slow" ] && "$exe" -timeout="$limit" -rss_limit_mb=2048 "$slow" >"$log.slow" 2>&1; then
            echo "ok    fuzz_$target: stopped after ${runs:-?} inputs by a slow input that finishes" \
                 "in $(( $(date +%s) - start ))s alone: $slow"
        elif [ -n "$slow" ] && ! grep -qE "==[0-9]+==ERROR|runtime error|deadly signal" "$log.slow"; then
            echo "SLOW  fuzz_$target: an input does not finish within ${limit}s (not a failure): $slow"
        else
            failed=1
            echo "FAIL  fuzz_$target: ${slow:-see $log}"
        fi
    else
        failed=1
        echo "FAIL  fuzz_$target (exit $status), log $log"
        grep -E "==[0-9]+==ERROR|SUMMARY|kwarel fuzz:|Test unit written|runtime error|deadly signal" "$log" |
            head -n 20 | sed 's/^/      /'
    fi
done
exit $failed
