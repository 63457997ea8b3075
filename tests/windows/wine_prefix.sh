# Sourced by the Windows tests that run programs under wine. Expects `work`
# (the test's work folder); `wine` and `wineserver` (empty when not found)
# are set by the test or by find_wine32.
#
# A private prefix in the work folder; no display, no debug output, and no
# offer to install Mono or Gecko (which would wait for a download).
export WINEPREFIX=$work/wineprefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY

wait_for_wineserver() {
    if [ -n "$wineserver" ]; then timeout 300 "$wineserver" -w >/dev/null 2>&1 || true; fi
}

# A prefix takes about 1.3 GB (wine copies its DLLs into it), and a test run
# makes one for each test that runs under wine. It is removed when the test
# ends, passed or not, unless KWAREL_KEEP_WINE_PREFIX is set (to look into it,
# or to save making it again on the next run); wineboot.log stays.
remove_wine_prefix() {
    [ -n "${KWAREL_KEEP_WINE_PREFIX:-}" ] && return 0
    [ -d "$WINEPREFIX" ] || return 0
    if [ -n "${wineserver:-}" ]; then timeout 60 "$wineserver" -k >/dev/null 2>&1 || true; fi
    rm -rf "$WINEPREFIX"
}
trap remove_wine_prefix EXIT

# prepare_wine_prefix CHECK: the first start creates the prefix, which can
# take minutes on a slow machine. A prefix counts as ready only once CHECK (a
# command that runs the program under test in it) has passed; a half-made one
# (an interrupted earlier run) is made again, once more on failure. Fails when
# the prefix is not ready; $work/wineboot.log then tells why.
prepare_wine_prefix() {
    local ready=$WINEPREFIX/.kwarel-ready attempt
    [ -f "$ready" ] && return 0
    for attempt in 1 2; do
        echo "== preparing wine prefix $WINEPREFIX (attempt $attempt)"
        rm -rf "$WINEPREFIX"
        (cd "$work" && timeout "${WINE_INIT_TIMEOUT:-900}" "$wine" wineboot --init >"$work/wineboot.log" 2>&1)
        wait_for_wineserver
        if "$1"; then
            touch "$ready"
            return 0
        fi
    done
    return 1
}

# missing WHAT: something the test needs is not on this machine. Under CI (CI
# set) that is a failure, never a skip; elsewhere the test is skipped.
missing() {
    if [ -n "${CI:-}" ]; then
        echo "FAIL: $* (needed in CI)"
        exit 1
    fi
    echo "SKIP: $*"
    exit 77
}

# find_wine32: sets `wine` and `wineserver`, or calls missing when wine, its
# 32-bit part, or a way to run 32-bit programs at all is not there.
find_wine32() {
    wine=$(command -v wine 2>/dev/null) || missing "wine not found"
    wineserver=$(command -v wineserver 2>/dev/null || true)
    # wine32's loader is a 32-bit Linux program: on a kernel built without
    # 32-bit support it cannot start at all, installed or not.
    local loader="" candidate
    for candidate in /usr/lib/wine/wine /usr/lib/i386-linux-gnu/wine/wine /opt/wine-stable/bin/wine; do
        if [ -x "$candidate" ]; then loader=$candidate; break; fi
    done
    [ -n "$loader" ] || missing "32-bit wine (wine32) is not installed"
    # A kernel that boots with 32-bit support off refuses the loader ("Exec
    # format error"); tools/enable-32bit.sh (run by .ci/run) then hands
    # 32-bit programs to qemu's i386 emulator.
    "$loader" --version >/dev/null 2>&1
    if [ $? -eq 126 ]; then
        missing "this machine's kernel runs no 32-bit program ($loader: exec format error) and no emulator is registered for them: run tools/enable-32bit.sh as root"
    fi
    if [ -e /proc/sys/fs/binfmt_misc/kwarel-i386 ] && grep -q '^enabled' /proc/sys/fs/binfmt_misc/kwarel-i386; then
        echo "note: 32-bit programs run under $(sed -n 's/^interpreter //p' /proc/sys/fs/binfmt_misc/kwarel-i386) (the kernel runs none itself)"
    fi
}

# prepare_wine32_prefix CHECK SHOW FAILURE: prepare_wine_prefix CHECK; when
# the prefix is not ready, SHOW runs the program under test once more. No
# output at all means this wine runs no 32-bit program (missing); otherwise
# the output is shown and the test fails with FAILURE.
prepare_wine32_prefix() {
    prepare_wine_prefix "$1" && return 0
    local out
    out=$("$2")
    [ -n "$out" ] || missing "wine runs no 32-bit program (is wine32 installed?)"
    echo "$out"
    echo "FAIL: $3"
    exit 1
}
