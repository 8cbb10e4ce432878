#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# `make test-debian13`: the README's test command on Debian 13 (trixie) from any Debian
# machine. A minimal Debian 13 system is made once under build/debian13 with debootstrap
# (make and the package tools only, as a fresh installation has them; `make test` installs
# the rest there the first time, and they are kept); each run copies the tree as it is on
# disk into it and runs `make test` there, keeping that copy's build folder for the next run.
# `rm -rf build/debian13` starts again from a fresh system.
set -eu
cd "$(dirname "$0")/.."
. tools/chroot.sh
root=build/debian13/root
chroot_make "$root" trixie make,ca-certificates
chroot_copy_tree "$root" /src/quorvel
chroot_run "$root" "cd /src/quorvel && make test"
