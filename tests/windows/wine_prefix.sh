# Sourced by the Windows tests that run programs under wine. Expects `work`
# (the test's work folder), `wine` and `wineserver` (empty when not found).
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
