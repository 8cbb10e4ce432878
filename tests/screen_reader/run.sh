#!/bin/bash
# Starts Xvfb on a free display and a private session bus, and runs a check (check_tree.py
# unless another script of this folder is named) in it against the real program.
# Everything it starts ends with it.
# Usage: run.sh <quorvel> <quorvel-a11y-map> [check script]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$1
map_tool=$2
check=${3:-check_tree.py}
# Debian's interpreter: pyatspi is a Debian package, not on another python's path.
python=/usr/bin/python3

fail() {
    echo "screen reader ($check): $*" >&2
    exit 1
}
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher "$python"; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done
"$python" -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (tools/deps.sh installs python3-pyatspi)"

# shellcheck source=../support/session.sh
. "$here/../support/session.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-screen-reader.XXXXXX")
xvfb_pid=""
check_pid=""
cleanup() {
    # The check runs in a process group of its own: the bus, the services it started
    # and the program go with it.
    stop_group "$check_pid"
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Qt wants a private runtime dir (mode 0700); the AT-SPI bus puts its socket there too.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"

QT_QPA_PLATFORM=offscreen "$map_tool" >"$work/map.tsv" || fail "quorvel-a11y-map failed"

start_xvfb "$work" 1280x1024 || fail "no X server"

# Nothing of the caller's desktop may leak in: a fresh session bus, no a11y bus address.
# -B: a check that imports another leaves no __pycache__ in the source tree.
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS NO_AT_BRIDGE QT_QPA_PLATFORM
setsid timeout --kill-after=5 150 dbus-run-session -- \
    "$python" -B "$here/$check" --program "$program" --map "$work/map.tsv" --log-dir "$work" &
check_pid=$!
status=0
wait "$check_pid" || status=$?
check_pid=""
exit "$status"
