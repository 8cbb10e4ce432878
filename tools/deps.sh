#!/bin/sh
# Installs the Debian packages the build, the tests and the benchmarks need,
# and nothing when all of them are already there. `tools/deps.sh fuzz` adds clang and
# its libFuzzer and sanitizer runtimes for the fuzz targets.
set -eu
packages="g++ make cmake qt6-base-dev libjpeg62-turbo-dev fonts-liberation2 libbenchmark-dev"
if [ "${1:-}" = fuzz ]; then
    packages="$packages clang libclang-rt-dev"
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
