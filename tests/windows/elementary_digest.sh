#!/usr/bin/env bash
# The elementary functions of the 32-bit Windows build give the bits of the
# Linux build: elementary_digest.cpp, built in the DLL's build tree (its
# compiler and flags, the elementary functions linked in statically) and run
# under wine, must print the digests the same program prints on Linux, for
# sin, cos, sinCos, tan, atan and acos on the arguments of the MPFR check.
# The program's own lines are checked, never only its exit status: under wine
# without its 32-bit part a 32-bit program exits 0 and prints nothing.
# On a difference, the first differing arguments are listed.
#
# Usage: elementary_digest.sh SOURCE_DIR DLL_BUILD_DIR WORK_DIR LINUX_DIGEST [COUNT]
# Exits 77 (skipped) when the MinGW-w64 toolchain or 32-bit wine is missing,
# except under CI (CI set), where that is a failure.
set -u

absolute() { case $1 in /*) printf '%s' "$1" ;; *) printf '%s/%s' "$PWD" "$1" ;; esac; }
src=$(absolute "$1")
build=$(absolute "$2")
work=$(absolute "$3")
linux_digest=$(absolute "$4")
count=${5:-200000}
triple=i686-w64-mingw32

mkdir -p "$work"
. "$(dirname "${BASH_SOURCE[0]}")/wine_prefix.sh"
for tool in $triple-g++ $triple-gcc; do
    command -v "$tool" >/dev/null 2>&1 || missing "$tool not found"
done
find_wine32

# The program in the DLL's build tree (windows_dll_exports configures it).
if [ ! -f "$build/CMakeCache.txt" ]; then
    mkdir -p "$build"
    (cd "$src" && cmake --preset windows-dll -B "$build" >"$work/configure.log" 2>&1) || {
        cat "$work/configure.log"; echo "FAIL: configure"; exit 1; }
fi
cmake --build "$build" --target kwarel_elementary_digest -j2 >"$work/build.log" 2>&1 || {
    tail -n 30 "$work/build.log"; echo "FAIL: kwarel_elementary_digest does not build for Windows"; exit 1; }
program=$work/kwarel_elementary_digest.exe
cp "$build/kwarel_elementary_digest.exe" "$program"

run_windows() { (cd "$work" && timeout 900 "$wine" "$program" "$@" 2>/dev/null | tr -d '\r'); }
program_runs() { [ "$(run_windows 1 | tail -n 1)" = "elementary digest: 8 functions" ]; }
show_program() { run_windows 1; }
prepare_wine32_prefix program_runs show_program "kwarel_elementary_digest.exe does not run under $wine"

"$linux_digest" "$count" >"$work/linux.txt" || { echo "FAIL: $linux_digest"; exit 1; }
run_windows "$count" >"$work/windows.txt"
wait_for_wineserver

lines=$(wc -l <"$work/linux.txt")
if [ "$lines" -ne 9 ] || [ "$(tail -n 1 "$work/linux.txt")" != "elementary digest: 8 functions" ]; then
    cat "$work/linux.txt"
    echo "FAIL: the Linux program printed something else than six digests"
    exit 1
fi
if cmp -s "$work/linux.txt" "$work/windows.txt"; then
    echo "PASS: the 32-bit Windows build gives the bits of the Linux build on $count arguments of each of:" \
         "$(head -n 8 "$work/linux.txt" | awk '{print $1}' | tr '\n' ' ')"
    sed 's/^/  /' "$work/linux.txt"
    exit 0
fi

echo "FAIL: the digests differ (Linux, then Windows):"
diff "$work/linux.txt" "$work/windows.txt"
while read -r name n digest; do
    [ "$n" = "$count" ] || continue
    grep -q -x "$name $n $digest" "$work/windows.txt" && continue
    "$linux_digest" --list "$name" "$count" >"$work/linux-$name.txt"
    run_windows --list "$name" "$count" >"$work/windows-$name.txt"
    echo "--- $name: argument, Linux result, Windows result (bits), first differences"
    paste -d ' ' "$work/linux-$name.txt" "$work/windows-$name.txt" | awk '{ h = NF / 2; for (i = 1; i <= h; i++) if ($i != $(i + h)) { print; next } }' | head -n 10
done <"$work/linux.txt"
wait_for_wineserver
exit 1
