#!/usr/bin/env bash
# Builds kwarel with KWAREL_NO_SHORTCUTS (every run of every cut piece
# simulated step by step from its load: no replay, no resume, no rotation
# taken up where an earlier one got to, no block of runs skipped, no pruned
# pieces or tests, no early end of a level) and compares its result files,
# stderr and exit statuses with those of this build on generated
# clash-checking jobs; then the report's pages (its replays keep point turns
# and copies of the runs between pieces) of both builds, on one and on two
# threads, on a generated job without clash checking and one with it.
#
# usage: compare_shortcuts.sh SOURCE_DIR WORK_DIR MAKE_JOB KWAREL
set -u
src=$1
work=$2
make_job=$3
kwarel=$4

mkdir -p "$work"
if ! cmake -S "$src" -B "$work/build" -DCMAKE_BUILD_TYPE=Release -DKWAREL_NO_SHORTCUTS=ON \
    -DKWAREL_BUILD_TESTS=OFF -DKWAREL_BUILD_BENCH=OFF -DKWAREL_BUILD_FUZZ=OFF >"$work/configure.log" 2>&1 ||
   ! cmake --build "$work/build" --target kwarel_cli -j2 >"$work/build.log" 2>&1; then
    cat "$work/configure.log" "$work/build.log" 2>/dev/null
    echo "cannot build kwarel without shortcuts"
    exit 1
fi
literal=$work/build/kwarel

failed=0
# name, pieces drawn, most bends, seed, pieces written (indexes from 0, all
# when "-"); the generator's shop of 10 machines and 6 benders, 10 programs.
while read -r name pieces bends seed only; do
    job=$work/$name
    rm -rf "$job"
    [ "$only" = "-" ] && only=""
    if ! "$make_job" "$job" "$pieces" "$bends" 1 "$seed" 10 6 0 0 0 "$only" >/dev/null; then
        echo "$name: cannot write the job"
        failed=1
        continue
    fi
    start=$SECONDS
    "$kwarel" "$job/params.txt" 2>"$job/normal.err"
    normal=$?
    mv "$job/result.txt" "$job/normal.txt"
    middle=$SECONDS
    "$literal" "$job/params.txt" 2>"$job/literal.err"
    plain=$?
    mv "$job/result.txt" "$job/literal.txt"
    if [ "$normal" != "$plain" ] || ! cmp -s "$job/normal.txt" "$job/literal.txt" ||
       ! cmp -s "$job/normal.err" "$job/literal.err"; then
        echo "$name: the builds differ (status $normal / $plain)"
        diff "$job/normal.txt" "$job/literal.txt" | head -20
        failed=1
    else
        echo "$name: same bytes ($((middle - start)) s with shortcuts, $((SECONDS - middle)) s without)"
    fi
done <<'JOBS'
small-pieces 30 4 2 -
runaway-rotation 80 6 4 37
many-runs 80 6 3 9
JOBS
# name, pieces, most bends, clash checking, seed
untimed='s#<div id="sum-time"><b>[^<]*</b>##'
while read -r name pieces bends clash seed; do
    job=$work/report-$name
    rm -rf "$job"
    if ! "$make_job" "$job" "$pieces" "$bends" "$clash" "$seed" >/dev/null; then
        echo "report-$name: cannot write the job"
        failed=1
        continue
    fi
    KWAREL_THREADS=2 "$kwarel" report "$job/params.txt" -o "$job/normal.html" >/dev/null 2>&1
    normal=$?
    KWAREL_THREADS=1 "$kwarel" report "$job/params.txt" -o "$job/serial.html" >/dev/null 2>&1
    serial=$?
    KWAREL_THREADS=2 "$literal" report "$job/params.txt" -o "$job/literal.html" >/dev/null 2>&1
    plain=$?
    if [ "$normal" != 0 ] || [ "$serial" != 0 ] || [ "$plain" != 0 ]; then
        echo "report-$name: status $normal / $serial on one thread / $plain without shortcuts"
        failed=1
    elif ! cmp -s <(sed "$untimed" "$job/normal.html") <(sed "$untimed" "$job/literal.html"); then
        echo "report-$name: the pages of the builds differ"
        failed=1
    elif ! cmp -s <(sed "$untimed" "$job/normal.html") <(sed "$untimed" "$job/serial.html"); then
        echo "report-$name: the page differs on one thread"
        failed=1
    else
        echo "report-$name: same pages"
    fi
done <<'JOBS'
no-clash 120 12 0 7
clash 12 5 1 2
JOBS
exit $failed
