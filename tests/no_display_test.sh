#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display the program says in one Dutch line what it needs and fails; with a
# platform named (offscreen here) it starts and keeps running.
# usage: no_display_test.sh <quorvel program>
set -eu
program=$1
fail() {
    echo "FAIL: $*"
    exit 1
}

status=0
said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" 2>&1) || status=$?
[ "$status" -ne 0 ] || fail "exit status 0 without a display"
[ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] || fail "not one line: $said"
printf '%s\n' "$said" | grep -q 'grafische sessie' || fail "does not say what it needs: $said"

# Still running after two seconds (timeout's 124) means the window came up.
starts() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "'$*' ended with status $status"
}
starts QT_QPA_PLATFORM=offscreen timeout 2 "$program"
starts timeout 2 "$program" -platform offscreen
echo "says what it needs; starts offscreen"
