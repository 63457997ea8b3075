#!/usr/bin/env bash
# Builds the 32-bit kwarel.dll with the windows-dll preset and checks what a
# host sees of it:
#   - the export table holds exactly TORVEX at ordinal 1 and
#     _TORVEXStdcall@4 at ordinal 2;
#   - it imports only system DLLs (the GCC and C++ runtimes are linked in);
#   - it was compiled with SSE2 doubles and without fused multiply-add, fast
#     math or host-specific code, and linked without --kill-at.
# Usage: dll_exports.sh SOURCE_DIR BUILD_DIR     (exit 77: toolchain missing)
set -u

src=$1
build=$2
triple=i686-w64-mingw32

for tool in $triple-g++ $triple-objdump; do
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
echo "PASS: kwarel.dll exports TORVEX @1 and _TORVEXStdcall@4 @2; imports: $(tr '\n' ' ' <<<"$imports")"
