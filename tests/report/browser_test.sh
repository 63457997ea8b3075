#!/usr/bin/env bash
# Writes the HTML report of each example job and checks it in headless
# Chromium (browser_check.py). Exits 77 (skipped) when Chromium is missing,
# except under CI, where that is a failure.
#
# usage: browser_test.sh KWAREL_CLI SOURCE_DIR [SCREENSHOT_DIR]
# With SCREENSHOT_DIR the screenshots are kept there: report-NAME.png of the
# page's top and report-NAME-piece.png of its first piece with a clash, or
# else its first piece that passed.
set -u
cli=$1
src=$2
shots=${3:-}
if ! command -v chromium >/dev/null 2>&1 && ! command -v chromium-browser >/dev/null 2>&1; then
    if [ -n "${CI:-}" ]; then
        echo "FAIL: chromium is not installed"
        exit 1
    fi
    echo "SKIP: chromium is not installed"
    exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/kwarel-browser.XXXXXX")
trap 'rm -rf "$work"' EXIT
status=0
for params in "$src"/examples/*.par; do
    name=$(basename "$params" .par)
    rm -rf "$work/job"
    mkdir -p "$work/job"
    cp "$src"/examples/* "$work/job/"
    rm -f "$work"/job/*.result "$work"/job/*.html
    if ! (cd "$work/job" && "$cli" report "$name.par" -o "$work/$name.html"); then
        echo "$name: kwarel report failed"
        status=1
        continue
    fi
    result=$(awk 'NR == 2 {print $1}' "$params")
    piece=$(grep -o 'data-piece="[0-9]*" data-status="PASS" data-runs="[0-9]*" data-clash="1"' "$work/$name.html" |
            head -1 | sed 's/data-piece="\([0-9]*\)".*/\1/')
    [ -z "$piece" ] && piece=$(grep -o 'data-piece="[0-9]*" data-status="PASS"' "$work/$name.html" | head -1 |
                               sed 's/data-piece="\([0-9]*\)".*/\1/')
    extra=()
    [ -n "$shots" ] && extra=(--screenshot "$shots/report-$name.png" --piece-screenshot "$shots/report-$name-piece.png")
    echo "== $name (piece $piece shot on its own)"
    python3 "$src/tests/report/browser_check.py" "$work/$name.html" "$work/job/$result" --piece "$piece" "${extra[@]}" ||
        status=1
done
exit $status
