#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The window's colours are its own: under a dark and a high-contrast system theme (Qt's GTK
# platform theme) the seeded pictures of the window come out byte for byte as under none.
# Runs on a private Xvfb, on the xcb platform a desktop uses; everything it starts ends with it.
# usage: themes_test.sh <quorvel-screenshots>
set -eu
tool=$1
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
command -v Xvfb >/dev/null || fail "Xvfb is missing (tools/deps.sh installs xvfb)"

# shellcheck source=support/session.sh
. "$(dirname "$0")/support/session.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-themes.XXXXXX")
xvfb_pid=""
cleanup() {
    stop_process "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Qt wants a private runtime dir (mode 0700); GTK reads no settings of the caller's.
mkdir -m 700 "$work/runtime" "$work/config"
export XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config"
# Nothing of the caller's desktop may choose a theme, a style, a scale or a bus for the runs.
unset QT_QPA_PLATFORMTHEME GTK_THEME QT_STYLE_OVERRIDE XDG_CURRENT_DESKTOP DESKTOP_SESSION \
    QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_FONT_DPI DBUS_SESSION_BUS_ADDRESS
export QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=1

start_xvfb "$work" 1280x1024 || fail "no X server"

# shoot <name> [VAR=value...]: the four seeded pictures into $work/<name>. Qt says which
# platform theme it made, so a theme that failed to load cannot pass unnoticed.
shoot() {
    name=$1
    shift
    if ! env QT_LOGGING_RULES=qt.qpa.theme.debug=true "$@" "$tool" "$work/$name" --seed 7 \
        >"$work/$name.log" 2>&1; then
        cat "$work/$name.log" >&2
        fail "quorvel-screenshots failed under the $name theme"
    fi
}
shoot default
if grep -q 'created platform theme "gtk3"' "$work/default.log"; then
    fail "the default run took the GTK theme"
fi
set -- "$work/default"/*.png
[ "$#" -eq 4 ] || fail "not four pictures: $*"
status=0
for theme in Adwaita:dark HighContrast:dark; do
    name=$(echo "$theme" | tr ':' '-')
    shoot "$name" QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME="$theme"
    grep -q 'Successfully created platform theme "gtk3"' "$work/$name.log" ||
        fail "Qt's GTK theme did not load (tools/deps.sh installs qt6-gtk-platformtheme)"
    for picture in "$@"; do
        file=$(basename "$picture")
        if [ ! -f "$work/$name/$file" ]; then
            echo "missing under $theme: $file" >&2
            status=1
        elif ! cmp -s "$picture" "$work/$name/$file"; then
            echo "differs under $theme: $file" >&2
            status=1
        fi
    done
done
[ "$status" -eq 0 ] || fail "the window's look follows the system theme"
echo "four pictures alike under the default, Adwaita:dark and HighContrast:dark themes"
