# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the scripts that build or test inside a Debian system of their own under the
# build folder (tools/test-debian13.sh, tools/arm64.sh). The system is made once with
# Debian's debootstrap and kept; what runs in it sees the kernel's /proc, /sys, /dev/pts
# and a /dev/shm of its own, mounted while it runs and taken away after, whatever the end.
#
# Making and entering a system needs root: the scripts go through sudo when not run as root.

if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
# The mirror the systems are made from: the machine's own Debian mirror unless
# DEBIAN_MIRROR names another.
chroot_mirror() {
    if [ -n "${DEBIAN_MIRROR:-}" ]; then
        echo "$DEBIAN_MIRROR"
        return
    fi
    local mirror
    mirror=$(cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources 2>/dev/null |
        sed -n 's,^\(deb\|URIs:\)[[:space:]]\+\(https\?://[^[:space:]]*/debian\)/\?\([[:space:]].*\)\?$,\2,p' |
        head -n 1)
    echo "${mirror:-http://deb.debian.org/debian}"
}

# chroot_make <root> <suite> <packages, comma-separated>: makes a Debian <suite> system
# for this machine's architecture in <root> with the given packages, unless one is there
# already (<root>/.made). The package lists of the suite, its updates and its security
# archive are fetched, as on a fresh installation.
chroot_make() {
    [ -f "$1/.made" ] && return 0
    local mirror security
    command -v debootstrap >/dev/null || {
        echo "Installing: debootstrap"
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q debootstrap
    }
    mirror=$(chroot_mirror)
    echo "Making a Debian $2 system in $1 from $mirror (once; it is kept)"
    # What is left of an earlier attempt goes, never anything of this machine mounted there.
    if [ -d "$1" ]; then
        chroot_unmount "$1"
        $sudo rm -rf --one-file-system "$1"
    fi
    mkdir -p "$(dirname "$1")"
    $sudo debootstrap --variant=minbase --include="$3" "$2" "$1" "$mirror"
    security=$(echo "$mirror" | sed 's,/debian$,/debian-security,')
    printf 'deb %s %s main\ndeb %s %s-updates main\ndeb %s %s-security main\n' \
        "$mirror" "$2" "$mirror" "$2" "$security" "$2" | $sudo tee "$1/etc/apt/sources.list" >/dev/null
    # Services are not started while packages are installed into the system.
    printf '#!/bin/sh\nexit 101\n' | $sudo tee "$1/usr/sbin/policy-rc.d" >/dev/null
    $sudo chmod 755 "$1/usr/sbin/policy-rc.d"
    chroot_run "$1" "apt-get update -q"
    $sudo touch "$1/.made"
}

# chroot_mount <root> / chroot_unmount <root>: what a program in the system needs of the
# kernel. chroot_unmount first ends the processes still running inside (a bus or a screen
# reader a test left behind), then takes the mounts away in the reverse order; it runs too
# when the script is interrupted or fails.
chroot_mount() {
    trap "chroot_unmount '$1'" EXIT
    trap 'exit 130' INT TERM HUP
    $sudo cp /etc/resolv.conf "$1/etc/resolv.conf"
    $sudo mount -t proc proc "$1/proc"
    $sudo mount -t sysfs sysfs "$1/sys"
    $sudo mount -t devpts -o newinstance,ptmxmode=0666 devpts "$1/dev/pts"
    $sudo mount -t tmpfs -o mode=1777 shm "$1/dev/shm"
}

chroot_unmount() {
    local root proc m
    root=$(cd "$1" && pwd -P)
    for proc in /proc/[0-9]*; do
        if [ "$($sudo readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
            $sudo kill -KILL "${proc#/proc/}" 2>/dev/null || true
        fi
    done
    for m in dev/shm dev/pts sys proc; do
        if mountpoint -q "$root/$m"; then
            $sudo umount "$root/$m" 2>/dev/null || $sudo umount -l "$root/$m"
        fi
    done
}

# chroot_run <root> <command>: runs the shell command inside the system as root, in a
# clean environment, with the system mounted for the time it runs.
chroot_run() {
    local status=0
    chroot_mount "$1"
    $sudo env -i HOME=/root TERM="${TERM:-dumb}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        LANG=C.UTF-8 chroot "$1" /bin/sh -c "$2" || status=$?
    chroot_unmount "$1"
    trap - EXIT INT TERM HUP
    return "$status"
}

# chroot_copy_tree <root> <dir in the system>: the source tree as it is on disk (tracked
# files and new ones git does not ignore, without the build folder) into the system. A
# build folder there is kept, so that a second run builds only what changed: a file is
# copied only where it differs from the copy there, and then takes the time of copying, so
# that make sees it newer than what was built from the last copy; files gone go there too.
chroot_copy_tree() {
    local dest="$1$2" staging
    staging=$(mktemp -d)
    git ls-files -z --cached --others --exclude-standard | while IFS= read -r -d '' f; do
        [ -e "$f" ] && printf '%s\0' "$f"
    done | tar --null -T - -cf - | tar -xmf - -C "$staging"
    $sudo mkdir -p "$dest"
    (cd "$dest" && $sudo find . -path ./build -prune -o -type f -print0) |
        while IFS= read -r -d '' f; do
            [ -e "$staging/$f" ] || $sudo rm -f "$dest/$f"
        done
    (cd "$staging" && find . -type f -print0) | while IFS= read -r -d '' f; do
        if ! cmp -s "$staging/$f" "$dest/$f"; then
            $sudo mkdir -p "$(dirname "$dest/$f")"
            $sudo cp --preserve=mode "$staging/$f" "$dest/$f"
        fi
    done
    rm -rf "$staging"
}
