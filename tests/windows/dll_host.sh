#!/usr/bin/env bash
# Runs jobs through the kwarel library the way a host does and compares them
# with the command-line tool.
#
# dll_host.c runs once, in one process, on a sequence of jobs: the example
# job, every folder of tests/windows/jobs and tests/golden (each once through
# the cdecl export and once through the stdcall one), and GENERATED generated
# jobs (half with clash checking, half without, the exports taken in turn).
# MODE windows: dll_host.c is built with i686-w64-mingw32-gcc and run under
# wine on the 32-bit kwarel.dll; MODE linux: HOST is dll_host.c built for
# Linux and runs on libkwarel.so. For every job:
#   - the host's printed status equals the tool's exit status (the host's own
#     output is checked line by line: under wine without its 32-bit part a
#     32-bit program exits 0 and prints nothing);
#   - both runs leave the same files, and the library's result file, with
#     CR LF turned into LF, equals the tool's byte for byte.
# The tool runs every job in a process of its own, so equal results also
# show that nothing carries over from one job to the next in the library.
# The one thing that does, the header texts of the cut-piece file, is checked
# with a copy of run_one_bend_mm whose cut-piece file has no header lines,
# run right after run_one_bend_mm: its result must be run_one_bend_mm's.
#
# Usage: dll_host.sh MODE SOURCE_DIR LIBRARY WORK_DIR LINUX_CLI MAKE_JOB GENERATED [HOST]
# Windows mode exits 77 (skipped) when the MinGW-w64 C compiler or 32-bit
# wine is missing, or the machine runs no 32-bit program at all, except
# under CI (CI set), where each of these is a failure.
set -u

absolute() { case $1 in /*) printf '%s' "$1" ;; *) printf '%s/%s' "$PWD" "$1" ;; esac; }
mode=$1
src=$(absolute "$2")
library=$(absolute "$3")
work=$(absolute "$4")
linux_cli=$(absolute "$5")
make_job=$(absolute "$6")
generated=$7
host=${8:+$(absolute "$8")}
triple=i686-w64-mingw32

command -v perl >/dev/null 2>&1 || { echo "FAIL: perl is needed to compare line ends"; exit 1; }
[ -f "$library" ] || { echo "FAIL: $library was not built"; exit 1; }
mkdir -p "$work"

if [ "$mode" = linux ]; then
    winpath() { printf '%s' "$1"; }
    host_command=("$host")
    cleanup() { :; }
    expected_exports="exports: TORVEX, TORVEXStdcall"
else
    . "$(dirname "${BASH_SOURCE[0]}")/wine_prefix.sh"
    command -v $triple-gcc >/dev/null 2>&1 || missing "$triple-gcc not found"
    find_wine32

    host=$work/dll_host.exe
    $triple-gcc -std=c11 -O2 -Wall -Wextra -Werror -o "$host" "$src/tests/windows/dll_host.c" ||
        { echo "FAIL: dll_host.c does not build"; exit 1; }
    dll_build=$(dirname "$library")  # windows_dll_exports built the DLL and the docs' example there
    cp "$library" "$work/kwarel.dll"
    library=$work/kwarel.dll

    winpath() { printf 'Z:%s' "${1//\//\\}"; }
    host_command=("$wine" "$host")
    cleanup() { wait_for_wineserver; }
    expected_exports="exports: TORVEX @1, _TORVEXStdcall@4 @2, no undecorated name"
    host_exports() {  # the export checks alone, no job
        (cd "$work" && timeout 300 "$wine" "$host" "$(winpath "$library")" 2>&1 | tr -d '\r')
    }
    host_output_ok() {
        local out
        out=$(cd "$work" && timeout 300 "$wine" "$host" "$(winpath "$library")" 2>/dev/null | tr -d '\r')
        [ "$out" = "$expected_exports"$'\n''host: 0 jobs run, 0 failures' ]
    }
    prepare_wine32_prefix host_output_ok host_exports "dll_host.exe does not pass its export checks under $wine"
fi

# --- jobs --------------------------------------------------------------------
runs=$work/runs
rm -rf "$runs"
mkdir -p "$runs"
labels=() exports=() params=() n=0
add_job() {  # LABEL EXPORT SOURCE_FOLDER PARAMETER_FILE
    n=$((n + 1))
    local case_dir=$runs/$n
    mkdir -p "$case_dir/linux" "$case_dir/library"
    cp -R "$3/." "$case_dir/linux/"
    cp -R "$3/." "$case_dir/library/"
    labels+=("$1") exports+=("$2") params+=("$4")
}

carry_over_jobs=()
headerless=$work/headerless
rm -rf "$headerless"
cp -R "$src/tests/golden/run_one_bend_mm" "$headerless"
sed -i -E '/^[[:space:]]*(PIPELINE|DATE|PIPING-SPEC)([[:space:]]|$)/d' "$headerless/cut.txt"

for export in cdecl stdcall; do
    add_job "examples/demo.par" $export "$src/examples" demo.par
    for group in tests/windows/jobs tests/golden; do
        for dir in "$src/$group"/*/; do
            [ -d "$dir" ] || continue
            add_job "$group/$(basename "$dir")" $export "${dir%/}" params.txt
            if [ "$group/$(basename "$dir")" = tests/golden/run_one_bend_mm ]; then
                add_job "run_one_bend_mm without header lines" $export "$headerless" params.txt
                carry_over_jobs+=("$n")
            fi
        done
    done
done
reference=$n
clash_jobs=0
for ((g = 1; g <= generated; g++)); do
    clash=$((g % 2))
    export=cdecl
    [ $(((g + 1) / 2 % 2)) -eq 0 ] && export=stdcall
    folder=$work/generated/$g
    rm -rf "$folder"
    # 3 cut pieces of 2 to 4 bends with clash checking (about 0.1 s each),
    # 4 of 2 to 6 bends without.
    if [ $clash -eq 1 ]; then pieces=3 bends=$((2 + g % 3)); else pieces=4 bends=$((2 + g % 5)); fi
    "$make_job" "$folder" $pieces $bends $clash $((1000 + g)) 4 4 >/dev/null ||
        { echo "FAIL: $make_job could not write job $g"; exit 1; }
    # The generator names the files by absolute paths; the copies name them
    # relative to their own folder.
    sed -i '1,3s|.*/||' "$folder/params.txt"
    add_job "generated seed $((1000 + g)) clash $clash" $export "$folder" params.txt
    clash_jobs=$((clash_jobs + clash))
done

# Linux: one process per job.
linux_status=()
for ((i = 1; i <= n; i++)); do
    (cd "$runs/$i/linux" && timeout 300 "$linux_cli" "${params[$((i - 1))]}" >/dev/null 2>&1 </dev/null)
    status=$?
    if [ $status -gt 16 ]; then
        echo "FAIL: the tool ended job $i (${labels[$((i - 1))]}) with $status, which is no job status"
        exit 1
    fi
    linux_status+=($status)
done

# The library: every job in one process.
host_args=()
for ((i = 1; i <= n; i++)); do
    host_args+=("${exports[$((i - 1))]}" "$(winpath "$runs/$i/library")" "${params[$((i - 1))]}")
done
(cd "$work" && timeout 1800 "${host_command[@]}" "$(winpath "$library")" "${host_args[@]}" \
    >"$work/host.out" 2>"$work/host.err")
host_exit=$?
cleanup
tr -d '\r' <"$work/host.out" >"$work/host.txt"

count_bare_lf() { perl -0777 -ne 'print scalar(() = /(?<!\r)\n/g)' "$1"; }
listing()       { (cd "$1" && find . -mindepth 1 | LC_ALL=C sort); }

failures=0
report() { failures=$((failures + 1)); echo "FAIL  $*"; }

expected_lines=$expected_exports
for ((i = 1; i <= n; i++)); do
    expected_lines+=$'\n'"job $i ${exports[$((i - 1))]} status ${linux_status[$((i - 1))]}"
done
expected_lines+=$'\n'"host: $n jobs run, 0 failures"
if [ $host_exit -ne 0 ] || [ "$(cat "$work/host.txt")" != "$expected_lines" ]; then
    report "the host's output (exit $host_exit) differs from what the tool's runs lead to expect:"
    diff <(echo "$expected_lines") "$work/host.txt" | head -n 40
    head -n 20 "$work/host.err"
fi

identical=0
for ((i = 1; i <= n; i++)); do
    label=${labels[$((i - 1))]}
    linux=$runs/$i/linux windows=$runs/$i/library
    # The headerless copy shows the header texts of the job before it.
    [[ " ${carry_over_jobs[*]} " == *" $i "* ]] && linux=$runs/$((i - 1))/linux
    problems=()
    if [ "$(listing "$linux")" != "$(listing "$windows")" ]; then
        problems+=("the runs left different files: $(diff <(listing "$linux") <(listing "$windows") | grep '^[<>]' | tr '\n' ' ')")
    fi
    result=""
    [ -f "$linux/${params[$((i - 1))]}" ] && result=$(sed -n 2p "$linux/${params[$((i - 1))]}" | tr -d '\r' | awk '{print $1}')
    if [ -n "$result" ] && [ -f "$linux/$result" ] && [ -f "$windows/$result" ]; then
        [ "$mode" = linux ] || [ "$(count_bare_lf "$windows/$result")" -eq 0 ] ||
            problems+=("the DLL's result file has line ends without CR")
        perl -0777 -pe 's/\r\n/\n/g' "$windows/$result" >"$runs/$i/library-as-lf.txt"
        cmp -s "$linux/$result" "$runs/$i/library-as-lf.txt" ||
            problems+=("result files differ after CR LF -> LF:
$(diff "$linux/$result" "$runs/$i/library-as-lf.txt" | head -n 20)")
    fi
    if [ ${#problems[@]} -eq 0 ]; then
        identical=$((identical + 1))
    else
        report "job $i ($label, ${exports[$((i - 1))]})"
        for p in "${problems[@]}"; do echo "      $p"; done
    fi
done

# The C example of docs/hosts.md (built by windows_dll_exports) on the
# example job, run from the job's folder with the DLL beside it.
if [ "$mode" = windows ]; then
    example=$work/host-example
    rm -rf "$example"
    mkdir -p "$example"
    cp -R "$src/examples/." "$example/"
    cp "$library" "$dll_build/host_example.exe" "$example/"
    out=$(cd "$example" && timeout 300 "$wine" host_example.exe demo.par 2>&1 | tr -d '\r')
    if [ "$out" != $'TORVEX: status 0\n_TORVEXStdcall@4: status 0' ]; then
        report "the C example of docs/hosts.md printed: $out"
    elif ! cmp -s <(perl -0777 -pe 's/\r\n/\n/g' "$example/demo.result") "$runs/1/linux/demo.result"; then
        report "the C example of docs/hosts.md wrote another demo.result than the Linux tool"
    else
        echo "ok    the C example of docs/hosts.md"
    fi
fi

# Run alone, the headerless copy must give another result than
# run_one_bend_mm, or the carry-over check above shows nothing.
for i in "${carry_over_jobs[@]}"; do
    previous=$((i - 1))
    if cmp -s "$runs/$previous/linux/result.txt" "$runs/$i/linux/result.txt"; then
        report "job $i: run alone, the job without header lines gives the same result (the check shows nothing)"
    fi
done

echo "$mode host: $n jobs in one process ($reference reference runs through both exports," \
     "$generated generated: $clash_jobs with clash checking), $identical identical to the tool, $failures failures"
[ $failures -eq 0 ]
