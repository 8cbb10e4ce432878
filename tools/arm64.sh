#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Quorvel for arm64 (Raspberry Pi OS, the Linux of ARM Chromebooks), cross-built on an amd64
# Debian machine.
#
#   tools/arm64.sh package   `make package-arm64`: build/arm64/quorvel_<version>_arm64.deb,
#                            lintian-clean, checked against the amd64 package of the same
#                            tree: the same files and the same dependencies.
#   tools/arm64.sh test      `make test-arm64`: the package first, then under qemu-user the
#                            tests of the Qt-free libraries, a lesson by keys on the real
#                            window (tst_keyboard), the packaged program started offscreen,
#                            and the seeded screenshots compared with the amd64 ones.
#
# Everything happens in a Debian 12 system of its own under build/arm64 (made once with
# debootstrap, as root or through sudo; `rm -rf build/arm64/root` starts again): the arm64
# Qt development packages are installed there beside the amd64 ones through multiarch.
# This machine gets no foreign architecture: multiarch keeps every arm64 library at the
# version of its amd64 twin, which would hold back or block the machine's own updates of
# Qt, and cross-building needs nothing else of it.
set -eu
cd "$(dirname "$0")/.."

# The packages the cross-build needs, installed in the arm64 build system.
packages="make cmake pkgconf g++ g++-aarch64-linux-gnu binutils-aarch64-linux-gnu dpkg-dev file
    lintian qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libjpeg62-turbo-dev
    libxcb1-dev qt6-base-dev:arm64 qt6-tools-dev:arm64 libjpeg62-turbo-dev:arm64 libxcb1-dev:arm64
    qemu-user-static
    fonts-liberation2 python3"
# The tests run in it: those of the Qt-free libraries, and the keyboard lesson.
qt_free_tests="tst_amount tst_catalogue tst_exercise tst_setting_field tst_wallet tst_series
    tst_answer tst_lesson"
lesson_tests="tst_keyboard"

# ----------------------------------------------------------------- inside the build system
inside_setup() {
    if ! dpkg --print-foreign-architectures | grep -qx arm64; then
        dpkg --add-architecture arm64
        apt-get update -q
    fi
    missing=""
    for p in $packages; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" ||
            missing="$missing $p"
    done
    if [ -n "$missing" ]; then
        echo "Installing in the arm64 build system:$missing"
        DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
    fi
}

jobs=${JOBS:-$(nproc)}
arm64_config="-DCMAKE_TOOLCHAIN_FILE=$PWD/tools/aarch64-linux-gnu.cmake -DCMAKE_BUILD_TYPE=Release"

inside_package() {
    inside_setup
    rm -f build/amd64/quorvel_*.deb build/arm64/quorvel_*.deb
    cmake -S . -B build/amd64 -DCMAKE_BUILD_TYPE=Release -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF
    cmake --build build/amd64 -j "$jobs"
    (cd build/amd64 && cpack >/dev/null)
    cmake -S . -B build/arm64 $arm64_config -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF
    cmake --build build/arm64 -j "$jobs"
    # dpkg-shlibdeps looks for the libraries of the architecture the package is for.
    (cd build/arm64 && DEB_HOST_ARCH=arm64 cpack >/dev/null)
    amd64=$(echo build/amd64/quorvel_*_amd64.deb)
    arm64=$(echo build/arm64/quorvel_*_arm64.deb)
    [ -f "$arm64" ] || { echo "no arm64 package" >&2; return 1; }
    lintian --fail-on error,warning "$arm64"
    [ "$(dpkg-deb -f "$arm64" Architecture)" = arm64 ] || { echo "not an arm64 package" >&2; return 1; }
    rm -rf build/arm64/unpacked
    dpkg-deb -x "$arm64" build/arm64/unpacked
    file -b build/arm64/unpacked/usr/bin/quorvel | grep -q 'ARM aarch64' ||
        { echo "usr/bin/quorvel is no arm64 program" >&2; return 1; }
    # The same files, modes and owners (sizes differ with the machine code), the same
    # fields but the architecture and the size, and the same packages in Depends. Their
    # lowest versions may differ: dpkg-shlibdeps takes them from the library functions the
    # machine code calls (GCC calls libgcc's __divmodti4, of GCC 7, for a 128-bit division
    # on amd64, and __divti3 and __modti3, of GCC 3.0, on arm64).
    status=0
    diff -u <(dpkg-deb -c "$amd64" | awk '{print $1, $2, $6, $7, $8}') \
        <(dpkg-deb -c "$arm64" | awk '{print $1, $2, $6, $7, $8}') || status=1
    fields() {
        dpkg-deb -f "$1" | grep -v -e '^Architecture:' -e '^Installed-Size:' |
            sed '/^Depends:/s/ ([^)]*)//g'
    }
    diff -u <(fields "$amd64") <(fields "$arm64") || status=1
    [ "$status" -eq 0 ] || { echo "the arm64 package differs from the amd64 one (above)" >&2; return 1; }
    echo "arm64 package in order: $(basename "$arm64")"
    echo "  Depends (arm64): $(dpkg-deb -f "$arm64" Depends)"
    echo "  Depends (amd64): $(dpkg-deb -f "$amd64" Depends)"
}

inside_test() {
    inside_package
    cmake -S . -B build/arm64-test $arm64_config -DQUORVEL_BENCH=OFF -DQUORVEL_WERROR=ON
    cmake --build build/arm64-test -j "$jobs" --target $qt_free_tests $lesson_tests quorvel-screenshots
    pattern="^($(echo $qt_free_tests $lesson_tests | tr ' ' '|'))\$"
    ctest --test-dir build/arm64-test --output-on-failure -R "$pattern"

    # The packaged program starts offscreen and runs until it is ended: nothing missing,
    # no crash on its first frame.
    log=build/arm64/quorvel.log
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$(mktemp -d) \
        qemu-aarch64-static build/arm64/unpacked/usr/bin/quorvel >"$log" 2>&1 &
    pid=$!
    sleep 15
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" || true
        cat "$log"
        echo "the packaged arm64 program ended by itself" >&2
        return 1
    fi
    kill "$pid"
    wait "$pid" || true
    echo "the packaged arm64 program ran offscreen for 15 s; it said:"
    sed 's/^/    /' "$log"

    # The seeded screenshots, at 1x and at 2x, arm64 against amd64. They may differ by one
    # level of a colour in a few pixels, and no more: Qt's smooth scaling of a picture (the
    # purse at 2x, from 240 x 180 to 86 x 64) rounds a few pixels one level apart on the two
    # processors (its drawing has code of its own for each); the decoded pictures are the same.
    status=0
    for scale in 1 2; do
        for arch in amd64 arm64; do
            rm -rf "build/shots-$arch-$scale"
            mkdir -p "build/shots-$arch-$scale"
        done
        env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale LANGUAGE=nl LC_ALL=C.UTF-8 \
            build/amd64/app/quorvel-screenshots "build/shots-amd64-$scale" --seed 7 >/dev/null 2>&1
        env QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale LANGUAGE=nl LC_ALL=C.UTF-8 \
            qemu-aarch64-static build/arm64-test/app/quorvel-screenshots \
            "build/shots-arm64-$scale" --seed 7 >/dev/null 2>&1
        for picture in build/shots-amd64-$scale/*.png; do
            name=$(basename "$picture")
            if cmp -s "$picture" "build/shots-arm64-$scale/$name"; then
                echo "screenshot $name at ${scale}x: identical on arm64 and amd64"
            elif report=$(python3 tools/compare_pictures.py "$picture" \
                "build/shots-arm64-$scale/$name" 1 64); then
                echo "screenshot $name at ${scale}x: within rounding on arm64: $report"
            else
                echo "screenshot $name at ${scale}x: DIFFERS on arm64: $report"
                status=1
            fi
        done
    done
    return "$status"
}

case "${1:-}" in
inside)
    "inside_$2"
    exit
    ;;
package | test) ;;
*)
    echo "usage: $0 package|test" >&2
    exit 2
    ;;
esac

# ------------------------------------------------------------------------ on this machine
. tools/chroot.sh
root=build/arm64/root
chroot_make "$root" bookworm make,ca-certificates
chroot_copy_tree "$root" /src/quorvel
status=0
chroot_run "$root" "cd /src/quorvel && JOBS=${JOBS:-$(nproc)} tools/arm64.sh inside $1" || status=$?
# What was made, for a look whatever the outcome: the package, and the screenshots of both.
rm -rf build/arm64/screenshots build/arm64/quorvel_*_arm64.deb
for deb in "$root"/src/quorvel/build/arm64/quorvel_*_arm64.deb; do
    [ -f "$deb" ] && cp "$deb" build/arm64/ && echo "made build/arm64/$(basename "$deb")"
done
if [ "$1" = test ]; then
    mkdir -p build/arm64/screenshots
    cp -r "$root"/src/quorvel/build/shots-* build/arm64/screenshots/ 2>/dev/null || true
fi
exit "$status"
