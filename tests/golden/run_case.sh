#!/usr/bin/env bash
# Runs one reference job and compares it with its expectation.
#
# usage: run_case.sh KWAREL_CLI CASE_DIR
#
# The job files of CASE_DIR (all but expected.txt, expected_status and
# derivation.md) are copied to a scratch folder and the job is run there as
# `kwarel params.txt`. The exit status must equal expected_status; the
# result.txt written must equal expected.txt byte for byte, or, when the case
# has no expected.txt, the job must leave no new file or folder behind.
set -u
cli=$1
case_dir=$2
name=$(basename "$case_dir")
want=$(tr -d ' \r\n' < "$case_dir/expected_status")

work=$(mktemp -d "${TMPDIR:-/tmp}/kwarel-golden.XXXXXX")
trap 'rm -rf "$work"' EXIT
for f in "$case_dir"/*; do
    case "$(basename "$f")" in
        expected.txt|expected_status|derivation.md) ;;
        *) cp -R "$f" "$work/" ;;
    esac
done
before=$(cd "$work" && find . | LC_ALL=C sort)
(cd "$work" && timeout 120 "$cli" params.txt >/dev/null 2>&1 </dev/null)
got=$?

if [ "$got" != "$want" ]; then
    echo "$name: status $got, expected $want"
    exit 1
fi
if [ -f "$case_dir/expected.txt" ]; then
    if [ ! -f "$work/result.txt" ]; then
        echo "$name: no result.txt written"
        exit 1
    fi
    if ! cmp -s "$case_dir/expected.txt" "$work/result.txt"; then
        echo "$name: result differs from the expectation:"
        diff "$case_dir/expected.txt" "$work/result.txt" | head -n 40
        exit 1
    fi
else
    after=$(cd "$work" && find . | LC_ALL=C sort)
    if [ "$before" != "$after" ]; then
        echo "$name: no file expected, but the job left: $(comm -13 <(echo "$before") <(echo "$after") | tr '\n' ' ')"
        exit 1
    fi
fi
echo "$name: ok"
