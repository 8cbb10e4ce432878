#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on Wayland: a headless Weston with its own runtime folder and socket,
# which never gives the window the keyboard, a private session bus, and
# check_first_exercise.py. Everything it starts ends with it.
# Usage: run.sh <quorvel> <quorvel-a11y-map>
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$1
map_tool=$2
fail() {
    echo "wayland: $*" >&2
    exit 1
}
for tool in weston dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done

# shellcheck source=../support/session.sh
. "$here/../support/session.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-wayland.XXXXXX")
weston_pid=""
check_pid=""
cleanup() {
    stop_group "$check_pid"
    stop_process "$weston_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
QT_QPA_PLATFORM=offscreen "$map_tool" >"$work/map.tsv" || fail "quorvel-a11y-map failed"
unset DISPLAY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS NO_AT_BRIDGE QT_QPA_PLATFORM \
    QT_SCALE_FACTOR
export WAYLAND_DISPLAY=quorvel-test
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 \
    --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$weston_pid" 2>/dev/null || { cat "$work/weston.log" >&2; fail "weston did not start"; }
    sleep 0.1
done
[ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] || fail "weston gave no socket within 10 s"

setsid timeout --kill-after=5 90 dbus-run-session -- /usr/bin/python3 \
    "$here/check_first_exercise.py" --program "$program" --map "$work/map.tsv" \
    --log "$work/program.log" &
check_pid=$!
status=0
wait "$check_pid" || status=$?
check_pid=""
[ "$status" -eq 0 ] || { echo "--- the program's output"; tail -20 "$work/program.log"; }
exit "$status"
