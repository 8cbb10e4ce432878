#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of a build with CPack into a temporary folder and checks its
# metadata and contents with dpkg-deb, then lintian (no errors, no warnings).
# usage: package_test.sh <build folder> <program id>
set -eu
build=$1
id=$2
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

cpack --config "$build/CPackConfig.cmake" -B "$out" >"$out/cpack.log" 2>&1 ||
    { cat "$out/cpack.log"; fail "cpack"; }
set -- "$out"/quorvel_*_*.deb
[ -f "$1" ] || fail "no quorvel_<version>_<arch>.deb"
deb=$1

[ "$(dpkg-deb -f "$deb" Package)" = quorvel ] || fail "package name"
[ "$(dpkg-deb -f "$deb" Section)" = education ] || fail "section"
depends=$(dpkg-deb -f "$deb" Depends)
for needed in qt6-qpa-plugins fonts-liberation2; do
    echo "$depends" | grep -q "\b$needed\b" || fail "Depends lacks $needed: $depends"
done
# Every library the packaged program loads, by the package this system holds it in
# (Qt's core is libqt6core6 on Debian 12, libqt6core6t64 on Debian 13).
dpkg-deb -x "$deb" "$out/root"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
libraries=$(readelf -d "$out/root/usr/bin/quorvel" | sed -n 's/.*(NEEDED).*\[\(.*\)\]$/\1/p')
[ -n "$libraries" ] || fail "the packaged program names no libraries"
for library in $libraries; do
    owners=$(dpkg-query -S "$multiarch/$library" 2>/dev/null |
        awk -F': ' -v a="/lib/$multiarch/$library" -v b="/usr/lib/$multiarch/$library" \
            '$1 !~ /^diversion / && ($2 == a || $2 == b) {print $1}' |
        tr ',' '\n' | sed 's/^ *//; s/:.*//' | sort -u)
    [ -n "$owners" ] || fail "no package of this system holds $library"
    for owner in $owners; do
        echo "$depends" | grep -q "\(^\|, \)$owner\b" ||
            fail "Depends lacks $owner (for $library): $depends"
    done
done

# Qt's own texts in French and German (a message's buttons, the edit fields' menu).
dpkg-deb -f "$deb" Recommends | grep -q '\bqt6-translations-l10n\b' ||
    fail "Recommends lacks qt6-translations-l10n"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/quorvel "./usr/share/applications/$id.desktop" \
    "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/16x16/apps/$id.png" \
    "./usr/share/icons/hicolor/256x256/apps/$id.png" \
    "./usr/share/icons/hicolor/scalable/apps/$id.svg" ./usr/share/man/man1/quorvel.1.gz \
    ./usr/share/man/fr/man1/quorvel.1.gz ./usr/share/man/de/man1/quorvel.1.gz \
    ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz \
    ./usr/share/doc/quorvel/examples/quorvel.conf; do
    echo "$contents" | grep -qx "$path" || fail "$path not in the package"
done
outside=$(echo "$contents" | grep -v '^\./usr/' | grep -vx '\./' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"
owners=$(dpkg-deb -c "$deb" | awk '$2 != "root/root"')
[ -z "$owners" ] || fail "files not owned by root: $owners"

# Lintian's complaint about running as root is not about the package.
status=0
report=$(lintian --fail-on error,warning "$deb" 2>&1) || status=$?
printf '%s\n' "$report" | grep -v 'root privileges' || true
[ "$status" -eq 0 ] || fail "lintian"
echo "package in order: $(basename "$deb")"
