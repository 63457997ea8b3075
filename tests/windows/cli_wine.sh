#!/usr/bin/env bash
# Builds the 64-bit kwarel.exe with the windows-cli preset, runs jobs with it
# under wine and with the Linux CLI, and checks for every job that
#   - both exit with the same status,
#   - both leave the same files behind,
#   - the Windows result file has CRLF line ends only (text-mode stream) and,
#     with CRLF turned into LF, equals the Linux result file byte for byte.
# Jobs: examples/demo.par (run inside a copy of examples/), every folder of
# tests/windows/jobs and of tests/golden (each run as "kwarel params.txt").
#
# Usage: cli_wine.sh SOURCE_DIR WORK_DIR LINUX_CLI   (exit 77: toolchain or wine missing)
# WINE_INIT_TIMEOUT (seconds, default 900) bounds the first start of wine.
set -u

src=$1
work=$2
linux_cli=$3
triple=x86_64-w64-mingw32

if ! command -v $triple-g++ >/dev/null 2>&1; then
    echo "SKIP: $triple-g++ not found"
    exit 77
fi
wine=""
for candidate in "$(command -v wine64 2>/dev/null)" /usr/lib/wine/wine64 /opt/wine-stable/bin/wine64; do
    if [ -n "$candidate" ] && [ -x "$candidate" ]; then wine=$candidate; break; fi
done
if [ -z "$wine" ]; then
    echo "SKIP: wine64 not found"
    exit 77
fi
wineserver=$(dirname "$wine")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver 2>/dev/null || true)
command -v perl >/dev/null 2>&1 || { echo "FAIL: perl is needed to compare line ends"; exit 1; }

# --- build ---------------------------------------------------------------
build=$work/build
mkdir -p "$build"
echo "== building kwarel.exe in $build"
(cd "$src" && cmake --preset windows-cli -B "$build" >"$build/configure.log" 2>&1) || {
    cat "$build/configure.log"; echo "FAIL: configure"; exit 1; }
cmake --build "$build" --target kwarel_cli -j2 || { echo "FAIL: build"; exit 1; }
exe=$build/kwarel.exe
[ -f "$exe" ] || { echo "FAIL: $exe was not built"; exit 1; }

# --- wine ------------------------------------------------------------------
export WINEARCH=win64
. "$(dirname "${BASH_SOURCE[0]}")/wine_prefix.sh"
smoke_test() {
    local out
    out=$(cd "$work" && timeout 300 "$wine" "$exe" --version 2>/dev/null | tr -d '\r')
    [ "$out" = "kwarel 1.0.0" ]
}
if ! prepare_wine_prefix smoke_test; then
    cat "$work/wineboot.log"
    echo "FAIL: kwarel.exe --version does not run under $wine"
    exit 1
fi

# --- jobs ------------------------------------------------------------------
labels=() dirs=() params=()
add_job() { labels+=("$1"); dirs+=("$2"); params+=("$3"); }
if [ -f "$src/examples/demo.par" ]; then add_job examples "$src/examples" demo.par; fi
for group in tests/windows/jobs tests/golden; do
    for dir in "$src/$group"/*/; do
        [ -d "$dir" ] || continue
        add_job "$(basename "$group")/$(basename "$dir")" "${dir%/}" params.txt
    done
done
if [ ${#labels[@]} -eq 0 ]; then echo "FAIL: no jobs found"; exit 1; fi

count_lf()      { perl -0777 -ne 'print scalar(() = /\n/g)' "$1"; }
count_bare_lf() { perl -0777 -ne 'print scalar(() = /(?<!\r)\n/g)' "$1"; }
listing()       { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort); }

runs=$work/runs
rm -rf "$runs"
failures=0
for i in "${!labels[@]}"; do
    label=${labels[$i]} dir=${dirs[$i]} par=${params[$i]}
    case_dir=$runs/${label//\//_}
    mkdir -p "$case_dir/linux" "$case_dir/windows"
    cp -R "$dir/." "$case_dir/linux/"
    cp -R "$dir/." "$case_dir/windows/"

    (cd "$case_dir/linux" && timeout 300 "$linux_cli" "$par" >"$case_dir/linux.out" 2>&1)
    linux_status=$?
    (cd "$case_dir/windows" && timeout 600 "$wine" "$exe" "$par" >"$case_dir/windows.out" 2>&1)
    windows_status=$?
    # A run that failed without a word and left nothing behind never got as
    # far as kwarel (which writes a result file or an error whenever it
    # runs): wine did not start it. It is run once more, and said so.
    relaunched=""
    if [ $windows_status -ne 0 ] && [ $windows_status -ne 124 ] && [ ! -s "$case_dir/windows.out" ] &&
        [ "$(listing "$case_dir/windows")" = "$(listing "$dir")" ]; then
        relaunched="note: wine did not start the program (exit $windows_status, nothing printed, no file left); run again"
        wait_for_wineserver
        (cd "$case_dir/windows" && timeout 600 "$wine" "$exe" "$par" >"$case_dir/windows.out" 2>&1)
        windows_status=$?
    fi

    problems=()
    [ $linux_status -ne 124 ] || problems+=("the Linux run timed out")
    [ $windows_status -ne 124 ] || problems+=("the Windows run timed out")
    [ $linux_status -eq $windows_status ] ||
        problems+=("exit status: Linux $linux_status, Windows $windows_status")

    lines_checked=0
    if [ "$(listing "$case_dir/linux")" != "$(listing "$case_dir/windows")" ]; then
        problems+=("the runs left different files: $(diff <(listing "$case_dir/linux") <(listing "$case_dir/windows") | grep '^[<>]' | tr '\n' ' ')")
    fi
    result=""
    if [ -f "$dir/$par" ]; then
        result=$(sed -n 2p "$dir/$par" | tr -d '\r' | awk '{print $1}')
    fi
    if [ -n "$result" ] && [ -f "$case_dir/linux/$result" ] && [ -f "$case_dir/windows/$result" ]; then
        linux_file=$case_dir/linux/$result
        windows_file=$case_dir/windows/$result
        lines_checked=$(count_lf "$linux_file")
        if [ "$(count_bare_lf "$windows_file")" -ne 0 ]; then
            problems+=("the Windows result file has $(count_bare_lf "$windows_file") line ends without CR")
        fi
        if [ "$(count_lf "$windows_file")" -ne "$lines_checked" ]; then
            problems+=("line ends: Linux $lines_checked, Windows $(count_lf "$windows_file")")
        fi
        perl -0777 -pe 's/\r\n/\n/g' "$windows_file" >"$case_dir/windows-as-lf.txt"
        if ! cmp -s "$linux_file" "$case_dir/windows-as-lf.txt"; then
            problems+=("result files differ after CRLF -> LF:
$(diff "$linux_file" "$case_dir/windows-as-lf.txt" | head -n 20)")
        fi
    fi

    [ -z "$relaunched" ] || echo "$relaunched: $label"
    if [ ${#problems[@]} -eq 0 ]; then
        echo "ok    $label: status $linux_status, $lines_checked result lines equal"
    else
        failures=$((failures + 1))
        echo "FAIL  $label"
        for p in "${problems[@]}"; do echo "      $p"; done
        echo "      Linux output:";   sed 's/^/        /' "$case_dir/linux.out"
        echo "      Windows output:"; sed 's/^/        /' "$case_dir/windows.out"
    fi
done
wait_for_wineserver

echo "windows cli: $(( ${#labels[@]} - failures )) jobs match, $failures differ"
[ $failures -eq 0 ]
