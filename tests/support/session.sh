# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh
# Sourced by the tests that start an X server, a compositor or a bus of their own (sh and
# bash alike).
#
# start_xvfb <work dir> <width>x<height>: starts Xvfb on a free display, waits until it
# accepts clients, exports DISPLAY and sets xvfb_pid. Xvfb picks the display itself and
# writes its number once it is ready. The caller ends it (kill "$xvfb_pid").
start_xvfb() {
    rm -f "$1/display"
    Xvfb -displayfd 3 -screen 0 "${2}x24" -nolisten tcp 3>"$1/display" >"$1/xvfb.log" 2>&1 &
    xvfb_pid=$!
    xvfb_tries=0
    while [ ! -s "$1/display" ]; do
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            cat "$1/xvfb.log" >&2
            echo "Xvfb did not start" >&2
            return 1
        fi
        xvfb_tries=$((xvfb_tries + 1))
        if [ "$xvfb_tries" -gt 100 ]; then
            echo "Xvfb gave no display within 10 s" >&2
            return 1
        fi
        sleep 0.1
    done
    DISPLAY=":$(head -n1 "$1/display")"
    export DISPLAY
}

# stop_process <pid>: ends a process the test started, if any, and waits for it.
stop_process() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}

# stop_group <pid>: ends a process started in a process group of its own (setsid) with
# everything it started, and waits for it.
stop_group() {
    if [ -n "$1" ]; then
        kill -TERM -- "-$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
