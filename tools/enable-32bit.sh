#!/usr/bin/env bash
# Lets this machine run 32-bit x86 Linux programs, which the DLL test needs:
# wine32's loader is one. Some x86-64 kernels are built with 32-bit support
# but boot with it switched off ("32-bit emulation disabled" in the kernel
# log); they refuse every 32-bit program with "Exec format error". There
# this registers qemu's user-mode i386 emulator (Debian's qemu-user, static
# binaries) with binfmt_misc, so the kernel hands 32-bit programs to it; the
# DLL then runs as the real 32-bit code, instruction by instruction, under
# emulation. qemu 8 or later is needed: under 7.2 (Debian 12's own) wine's
# start-up never ends, since that qemu treats wine's requests for memory at
# fixed addresses as mere hints; .ci/run takes qemu-user from
# bookworm-backports. A kernel that runs 32-bit programs itself is left
# alone. Needs root; can run again.
#
# Usage: enable-32bit.sh [PROBE]   PROBE: a 32-bit program that accepts
# --version (default: wine32's loader).
set -u

probe=${1:-/usr/lib/wine/wine}
name=kwarel-i386
binfmt=/proc/sys/fs/binfmt_misc
emulator=/usr/bin/qemu-i386

[ -x "$probe" ] || { echo "enable-32bit: $probe is not installed" >&2; exit 1; }
# A fresh entry each time, and the kernel's own answer first: with flag F
# the kernel keeps the emulator file it opened at registration, even after
# an upgrade replaced it.
if [ -e "$binfmt/$name" ]; then echo -1 >"$binfmt/$name"; fi
if "$probe" --version >/dev/null 2>&1; then
    echo "enable-32bit: 32-bit programs run ($probe --version)"
    exit 0
fi
[ -x "$emulator" ] || { echo "enable-32bit: $emulator is missing (Debian package qemu-user, 8 or later)" >&2; exit 1; }
version=$("$emulator" --version | sed -n 's/^qemu-i386 version \([0-9]*\)\..*/\1/p')
if [ -z "$version" ] || [ "$version" -lt 8 ]; then
    echo "enable-32bit: $emulator is version ${version:-unknown}; wine needs qemu 8 or later (bookworm-backports)" >&2
    exit 1
fi
if [ ! -e "$binfmt/register" ]; then
    mount -t binfmt_misc binfmt_misc "$binfmt" ||
        { echo "enable-32bit: cannot mount binfmt_misc on $binfmt" >&2; exit 1; }
fi
{
    # ELF, 32-bit, little-endian, executable or shared object, machine 3
    # (i386). Flag F: the kernel opens the emulator now, so it is found from
    # any mount namespace or root.
    magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    printf '%s' ":$name:M::$magic:$mask:$emulator:F" >"$binfmt/register" ||
        { echo "enable-32bit: binfmt_misc refused the i386 entry" >&2; exit 1; }
}
if ! out=$("$probe" --version 2>&1); then
    echo "enable-32bit: $probe still does not run under $emulator: $out" >&2
    exit 1
fi
echo "enable-32bit: the kernel runs no 32-bit program itself; they run under $emulator ($out)"
