# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=sh
# Sourced by the tests that start an X server, a compositor or a bus of their own (sh and
# bash alike).
#
# start_xvfb <work dir> <width>x<height>: starts Xvfb on a display of its own, waits until
# it answers, exports DISPLAY and sets xvfb_pid. The caller ends it (stop_process
# "$xvfb_pid"). The display number comes from the test's process id and a count, so that
# tests running side by side never meet on one display, not even one that another test's
# server is just giving up; the next number is tried where one is taken.
xvfb_serial=0
start_xvfb() {
    for xvfb_attempt in 1 2 3 4 5; do
        xvfb_serial=$((xvfb_serial + 1))
        xvfb_display=$((100 + ($$ * 17 + xvfb_serial) % 5000))
        Xvfb ":$xvfb_display" -screen 0 "${2}x24" -nolisten tcp >"$1/xvfb.log" 2>&1 &
        xvfb_pid=$!
        DISPLAY=":$xvfb_display"
        export DISPLAY
        xvfb_tries=0
        while kill -0 "$xvfb_pid" 2>/dev/null && [ "$xvfb_tries" -lt 100 ]; do
            xprop -root -len 0 >/dev/null 2>&1 && return 0
            xvfb_tries=$((xvfb_tries + 1))
            sleep 0.1
        done
        echo "Xvfb on $DISPLAY did not start (attempt $xvfb_attempt):" >&2
        cat "$1/xvfb.log" >&2
        stop_process "$xvfb_pid"
    done
    return 1
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
