#!/usr/bin/env bash
# The report command writes the same result file, byte for byte, and exits
# with the same status as the plain job, for every reference job and the
# example jobs; a job that ends with status 0 also gets its HTML report, the
# same (apart from the time taken) whether its runs are drawn on a thread of
# their own or after each cut piece.
#
# usage: same_result.sh KWAREL_CLI SOURCE_DIR
set -u
cli=$1
src=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/kwarel-report.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
checked=0

# check NAME FOLDER PARAMETER_FILE
check() {
    local name=$1 folder=$2 params=$3
    rm -rf "$work/plain" "$work/report"
    mkdir -p "$work/plain" "$work/report"
    for f in "$folder"/*; do
        case "$(basename "$f")" in
            expected.txt|expected_status|derivation.md|*.result|*.html) ;;
            *) cp -R "$f" "$work/plain/"; cp -R "$f" "$work/report/" ;;
        esac
    done
    (cd "$work/plain" && timeout 300 "$cli" "$params" >/dev/null 2>&1 </dev/null)
    local plain=$?
    (cd "$work/report" && KWAREL_THREADS=2 timeout 300 "$cli" report "$params" -o "$work/report.html" \
        >/dev/null 2>&1 </dev/null)
    local report=$?
    checked=$((checked + 1))
    if [ "$plain" != "$report" ]; then
        echo "$name: status $plain plain, $report with report"
        failures=$((failures + 1))
        return
    fi
    if ! diff -r "$work/plain" "$work/report" >/dev/null; then
        echo "$name: the job's files differ with report:"
        diff -r "$work/plain" "$work/report" | head -5
        failures=$((failures + 1))
    fi
    if [ "$plain" = 0 ] && ! grep -q 'id="kwarel-data"' "$work/report.html" 2>/dev/null; then
        echo "$name: no HTML report written"
        failures=$((failures + 1))
    fi
    # With clash checking on, a chosen run replayed for its drawing must stay
    # as clear as the search found it.
    if [ "$plain" = 0 ] && grep -q '"x":{' "$work/report.html"; then
        echo "$name: a chosen run clashed when replayed for drawing"
        failures=$((failures + 1))
    fi
    if [ "$plain" = 0 ]; then
        (cd "$work/report" && KWAREL_THREADS=1 timeout 300 "$cli" report "$params" -o "$work/serial.html" \
            >/dev/null 2>&1 </dev/null)
        local untimed='s#<div id="sum-time"><b>[^<]*</b>##'
        if ! cmp -s <(sed "$untimed" "$work/report.html") <(sed "$untimed" "$work/serial.html"); then
            echo "$name: the page differs when its runs are drawn on one thread"
            failures=$((failures + 1))
        fi
    fi
    rm -f "$work/report.html" "$work/serial.html"
}

for case_dir in "$src"/tests/golden/*/; do
    [ -f "$case_dir/expected_status" ] || continue
    [ -f "$case_dir/params.txt" ] || continue
    check "$(basename "$case_dir")" "$case_dir" params.txt
done
for params in "$src"/examples/*.par; do
    check "examples/$(basename "$params")" "$src/examples" "$(basename "$params")"
done

echo "$checked jobs checked, $failures differ"
[ "$failures" = 0 ]
