#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Without a display, or with one that is named but does not answer (X11 or Wayland), the
# program says in one line what it needs (in Dutch, or in French or German where asked for)
# and fails with status 1, not Qt's abort; with a platform named (offscreen here) it starts
# and keeps running.
# usage: no_display_test.sh <quorvel program>
set -eu
program=$1
fail() {
    echo "FAIL: $*"
    exit 1
}

work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-no-display.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

# says_no_display <what> [VAR=value...]: the program, started so, says the line and ends
# with status 1.
says_no_display() {
    what=$1
    shift
    status=0
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_SESSION_TYPE \
        XDG_RUNTIME_DIR="$work/runtime" "$@" "$program" 2>&1) || status=$?
    [ "$status" -eq 1 ] || fail "$what: exit status $status"
    [ "$(printf '%s\n' "$said" | wc -l)" -eq 1 ] || fail "$what: not one line: $said"
    printf '%s\n' "$said" | grep -q 'grafische sessie' || fail "$what: does not say what it needs: $said"
}

# An X display number nobody serves, and a Wayland socket left by an ended session.
x=79
while [ -e "/tmp/.X11-unix/X$x" ]; do x=$((x + 1)); done
python3 -c 'import socket, sys; socket.socket(socket.AF_UNIX).bind(sys.argv[1])' \
    "$work/runtime/wayland-ended"

says_no_display "no display"
says_no_display "silent X display :$x" DISPLAY=":$x"
says_no_display "silent X display, xcb named" DISPLAY=":$x" QT_QPA_PLATFORM=xcb
says_no_display "no Wayland socket" WAYLAND_DISPLAY=wayland-none QT_QPA_PLATFORM=wayland
says_no_display "Wayland socket of an ended session" WAYLAND_DISPLAY=wayland-ended \
    QT_QPA_PLATFORM=wayland
says_no_display "Wayland session, nothing answers" WAYLAND_DISPLAY=wayland-ended \
    XDG_SESSION_TYPE=wayland DISPLAY=":$x"

# The line is in the language the program speaks, before there is any window to speak in.
for expected in "fr:session graphique" "de:grafische Sitzung" "es:grafische sessie"; do
    said=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LC_ALL \
        XDG_RUNTIME_DIR="$work/runtime" LANGUAGE="${expected%%:*}" "$program" 2>&1) || true
    printf '%s\n' "$said" | grep -q "${expected#*:}" ||
        fail "LANGUAGE=${expected%%:*}: not said in its language: $said"
done

# Still running after two seconds (timeout's 124) means the window came up.
starts() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >/dev/null 2>&1 || status=$?
    [ "$status" -eq 124 ] || fail "'$*' ended with status $status"
}
starts QT_QPA_PLATFORM=offscreen timeout 2 "$program"
starts timeout 2 "$program" -platform offscreen
echo "says what it needs, with no display and with silent ones; starts offscreen"
