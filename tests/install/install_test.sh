#!/usr/bin/env bash
# Installs the build tree into a scratch prefix and uses what it installed:
# a C program built with find_package(kwarel) and one built with pkg-config
# both run the example job through the installed library, and the installed
# CLI runs it too; all three results must equal the build tree's.
#
# usage: install_test.sh BUILD_DIR SOURCE_DIR
set -eu
build=$(cd "$1" && pwd)
src=$(cd "$2" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/kwarel-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log"
for f in bin/kwarel include/kwarel.h lib/cmake/kwarel/kwarelConfig.cmake lib/pkgconfig/kwarel.pc \
         share/bash-completion/completions/kwarel; do
    [ -e "$prefix/$f" ] || { echo "not installed: $f"; cat "$work/install.log"; exit 1; }
done
ls "$prefix"/lib/libkwarel.so* >/dev/null

# The example job, once with the build tree's CLI for reference.
run_example() {  # FOLDER COMMAND...
    local folder=$1
    shift
    mkdir -p "$folder"
    cp "$src"/examples/demo.par "$src"/examples/pipeline.bend "$src"/examples/shop.db "$folder"/
    (cd "$folder" && "$@")
}
run_example "$work/reference" "$build/kwarel" demo.par

cmake -S "$src/tests/install/consumer" -B "$work/consumer" -DCMAKE_PREFIX_PATH="$prefix" >"$work/consumer.log" 2>&1 ||
    { cat "$work/consumer.log"; exit 1; }
cmake --build "$work/consumer" >>"$work/consumer.log" 2>&1 || { cat "$work/consumer.log"; exit 1; }
status=$(run_example "$work/cmake" env LD_LIBRARY_PATH="$prefix/lib" "$work/consumer/consumer" demo.par)
[ "$status" = 0 ] || { echo "find_package consumer: status $status"; exit 1; }
cmp "$work/reference/demo.result" "$work/cmake/demo.result"

if command -v pkg-config >/dev/null 2>&1; then
    flags=$(PKG_CONFIG_PATH="$prefix/lib/pkgconfig" pkg-config --cflags --libs kwarel)
    cc "$src/tests/install/consumer/main.c" $flags -o "$work/pkg-consumer"
    status=$(run_example "$work/pkgconfig" env LD_LIBRARY_PATH="$prefix/lib" "$work/pkg-consumer" demo.par)
    [ "$status" = 0 ] || { echo "pkg-config consumer: status $status"; exit 1; }
    cmp "$work/reference/demo.result" "$work/pkgconfig/demo.result"
else
    echo "pkg-config not found: its consumer is not built"
fi

run_example "$work/cli" "$prefix/bin/kwarel" demo.par
cmp "$work/reference/demo.result" "$work/cli/demo.result"
echo "install: ok"
