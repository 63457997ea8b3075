#!/usr/bin/env bash
# Builds the 32-bit kwarel.dll with the windows-dll preset and checks what a
# host sees of it:
#   - the export table holds exactly TORVEX at ordinal 1 and
#     _TORVEXStdcall@4 at ordinal 2;
#   - it imports only system DLLs (the GCC and C++ runtimes are linked in),
#     and no math function, and its code computes none with the x87;
#   - it was compiled with SSE2 doubles and without fused multiply-add, fast
#     math or host-specific code, and linked without --kill-at.
# Usage: dll_exports.sh SOURCE_DIR BUILD_DIR     (exit 77: toolchain missing)
set -u

src=$1
build=$2
triple=i686-w64-mingw32

for tool in $triple-g++ $triple-gcc $triple-objdump; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool not found"
        exit 77
    fi
done

fail=0
problem() { echo "FAIL: $*"; fail=1; }

echo "== building kwarel.dll in $build"
mkdir -p "$build"
(cd "$src" && cmake --preset windows-dll -B "$build" >"$build/configure.log" 2>&1) || {
    cat "$build/configure.log"; echo "FAIL: configure"; exit 1; }
cmake --build "$build" --target kwarel_shared -j2 || { echo "FAIL: build"; exit 1; }

dll=$build/kwarel.dll
[ -f "$dll" ] || { echo "FAIL: $dll was not built"; exit 1; }

dump=$("$triple-objdump" -p "$dll") || { echo "FAIL: objdump"; exit 1; }

grep -q "file format pei-i386" <<<"$dump" || problem "not a 32-bit x86 PE image"

# Export table: "Ordinal Base N", then "[ i] NAME" lines in the name pointer
# table, where i is the index into the address table (ordinal = i + base).
base=$(sed -n 's/.*Ordinal Base[[:space:]]*\([0-9][0-9]*\).*/\1/p' <<<"$dump" | head -n1)
exports=$(awk -v base="${base:-0}" '
    /\[Ordinal\/Name Pointer\] Table/ { inside = 1; next }
    inside && /^[[:space:]]*$/ { inside = 0 }
    inside && match($0, /\[ *[0-9]+\]/) {
        index_text = substr($0, RSTART + 1, RLENGTH - 2); gsub(/ /, "", index_text)
        name = substr($0, RSTART + RLENGTH); gsub(/^[ \t]+|[ \t]+$/, "", name)
        print (index_text + base) " " name
    }' <<<"$dump" | sort -n)
expected_exports=$'1 TORVEX\n2 _TORVEXStdcall@4'
if [ "$exports" != "$expected_exports" ]; then
    problem "export table differs"
    echo "  expected:"; sed 's/^/    /' <<<"$expected_exports"
    echo "  found:";    sed 's/^/    /' <<<"${exports:-(none)}"
fi

# Imports: only DLLs that every Windows installation has.
imports=$(sed -n 's/.*DLL Name: *//p' <<<"$dump" | tr -d '\r')
[ -n "$imports" ] || problem "no import table found"
while IFS= read -r name; do
    [ -n "$name" ] || continue
    lower=$(tr '[:upper:]' '[:lower:]' <<<"$name")
    case "$lower" in
        libgcc*|libstdc++*|libwinpthread*|*mingw*)
            problem "imports the runtime DLL $name (static linking of the runtime is missing)";;
        kernel32.dll|msvcrt.dll|ucrtbase.dll|api-ms-win-*|user32.dll|advapi32.dll|ntdll.dll) ;;
        *) problem "imports $name, which is not a system DLL";;
    esac
done <<<"$imports"

# No math function from the C runtime and no x87 instruction that computes
# one: the elementary functions are the project's own, so every host's
# runtime gives the same numbers.
imported_functions=$(awk '
    /DLL Name:/ { inside = 1; next }
    inside && /^[[:space:]]*$/ { inside = 0 }
    inside && /^[[:space:]]+[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[A-Za-z_]/ { print $3 }' <<<"$dump")
[ -n "$imported_functions" ] || problem "no imported function found"
math_imports=$(grep -E -x '_?_?(sin|cos|tan|asin|acos|atan|atan2|sincos|sinh|cosh|tanh|exp|exp2|expm1|log|log2|log10|log1p|pow|sqrt|cbrt|hypot|fmod|remainder|floor|ceil|round|trunc|ldexp|frexp|modf)[fl]?|_CI[a-z0-9]+|_?matherr' \
    <<<"$imported_functions" | tr '\n' ' ')
[ -z "$math_imports" ] || problem "imports math functions from the C runtime: $math_imports"
# sqrt is the SSE2 instruction alone (-fno-math-errno): no fsqrt either.
x87=$("$triple-objdump" -d --no-show-raw-insn "$dll" | grep -c -E $'\t(fsin|fcos|fsincos|fptan|fpatan|fsqrt|f2xm1|fyl2x|fyl2xp1|fprem1?|fscale)( |$)')
[ "$x87" -eq 0 ] || problem "the code holds $x87 x87 instructions that compute math functions"

# The C example of docs/hosts.md builds (windows_dll_host runs it).
awk '/^```c$/ { inside = 1; next } /^```$/ { inside = 0 } inside' "$src/docs/hosts.md" >"$build/host_example.c"
if [ ! -s "$build/host_example.c" ]; then
    problem "docs/hosts.md holds no C example"
elif ! "$triple-gcc" -std=c11 -Wall -Wextra -Werror -o "$build/host_example.exe" "$build/host_example.c"; then
    problem "the C example of docs/hosts.md does not build"
fi

# Flags the objects were really compiled and linked with.
flags=$build/CMakeFiles/kwarel_shared.dir/flags.make
link=$build/CMakeFiles/kwarel_shared.dir/link.txt
if [ -f "$flags" ] && [ -f "$link" ]; then
    grep -q -- "-msse2 -mfpmath=sse" "$flags" || problem "compiled without -msse2 -mfpmath=sse"
    grep -q -- "-ffp-contract=off" "$flags" || problem "compiled without -ffp-contract=off"
    grep -q -E -- "-ffast-math|-Ofast|-march=native" "$flags" && problem "compiled with fast math or -march=native"
    grep -q -- "kill-at" "$link" && problem "linked with --kill-at"
    grep -q -- "kwarel.def" "$link" || problem "linked without kwarel.def"
else
    problem "cannot find the compile flags of kwarel_shared under $build"
fi

if [ $fail -ne 0 ]; then
    echo "--- objdump -p (exports and imports)"
    grep -E "DLL Name|Ordinal Base|^\s*\[ *[0-9]+\]" <<<"$dump"
    exit 1
fi
echo "PASS: kwarel.dll exports TORVEX @1 and _TORVEXStdcall@4 @2; imports: $(tr '\n' ' ' <<<"$imports")($(wc -l <<<"$imported_functions") functions, no math)"
