#!/bin/sh
# Installs the Debian packages the build, the tests, the benchmarks and the Debian package
# need, and nothing when all of them are already there. `deps.sh startup` adds what the
# start-up benchmark needs (the driver's X library), `deps.sh fuzz` clang and its
# libFuzzer and sanitizer runtimes for the fuzz targets, `deps.sh format` only clang-format.
set -eu
# The Liberation fonts of version 2, which the window is drawn with: fonts-liberation2 on
# Debian 12 (its fonts-liberation is version 1); from Debian 13 on fonts-liberation is
# version 2 itself and fonts-liberation2 only a transitional package for it.
fonts=fonts-liberation2
if dpkg --compare-versions "$(apt-cache show --no-all-versions fonts-liberation 2>/dev/null |
    sed -n 's/^Version: //p' | head -n 1)" ge 1:2 2>/dev/null; then
    fonts=fonts-liberation
fi
# Build and tests.
packages="g++ make cmake pkgconf qt6-base-dev libxcb1-dev libjpeg62-turbo-dev $fonts libbenchmark-dev"
# The translations: Qt's CMake functions for them (qt6-tools-dev, with the tools its targets
# name in qt6-tools-dev-tools), lupdate and lrelease (qt6-l10n-tools), and Qt's own texts in
# French and German (qt6-translations-l10n).
packages="$packages qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n"
# The screen-reader test: a headless X server (Qt's xcb platform, in libqt6gui6, is the
# one that talks AT-SPI), a session bus (dbus-run-session), the AT-SPI bus and registry,
# and Debian's AT-SPI client for python.
packages="$packages xvfb dbus-daemon at-spi2-core python3-pyatspi"
# The lesson heard through a real screen reader: Orca, speech-dispatcher with espeak-ng,
# xdotool for the keys, and the locale sources localedef compiles the pupil's language from.
packages="$packages orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng xdotool locales"
# The small-screen test: a real window manager that draws frames and keeps a panel's
# margin free, and the X tools that read where it put the window. The silent-display
# test starts Qt's Wayland platform, and the Wayland test a headless Weston.
packages="$packages openbox x11-utils qt6-wayland weston"
# The themes test: Qt's GTK platform theme and GNOME's extra themes (HighContrast), under
# which the window must look as under none.
packages="$packages qt6-gtk-platformtheme gnome-themes-extra"
if [ "${1:-}" = startup ]; then
    packages="$packages python3-xlib"
fi
# Packaging and its checks: dpkg-shlibdeps and file for CPack, the validators, lintian.
packages="$packages dpkg-dev file desktop-file-utils appstream lintian"
if [ "${1:-}" = fuzz ]; then
    packages="$packages clang libclang-rt-dev"
fi
if [ "${1:-}" = format ]; then
    packages="clang-format"
fi
missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0
echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
# A fresh machine may have no package lists yet: fetch them when the first try fails.
$sudo apt-get install -y -q $missing || { $sudo apt-get update -q && $sudo apt-get install -y -q $missing; }
