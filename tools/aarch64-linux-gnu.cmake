# SPDX-License-Identifier: GPL-3.0-or-later
# Cross-building for arm64 on a Debian amd64 system (tools/arm64.sh): Debian's cross
# compiler, the arm64 Qt and libjpeg development packages installed beside the amd64 ones
# through multiarch, and Qt's tools (moc, rcc, lrelease) of the amd64 system. Tests and
# tools built here run under qemu-user (CMAKE_CROSSCOMPILING_EMULATOR), so ctest runs them.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)
set(CMAKE_LIBRARY_ARCHITECTURE aarch64-linux-gnu)
# Libraries and packages only of arm64, programs only of the machine building.
set(CMAKE_FIND_ROOT_PATH /usr/aarch64-linux-gnu)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE BOTH)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
# pkg-config reads the arm64 libraries' descriptions.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
find_program(QEMU_AARCH64 NAMES qemu-aarch64-static qemu-aarch64)
if(QEMU_AARCH64)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${QEMU_AARCH64})
endif()
# The Debian package is for arm64; dpkg-shlibdeps finds the arm64 libraries' packages.
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE arm64)
