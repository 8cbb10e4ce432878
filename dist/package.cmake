# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package (`make package`, or cpack in a build folder): what `cmake --install`
# installs, under /usr, with the shared libraries' packages as dependencies.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvel)
set(CPACK_PACKAGE_VENDOR Zenbo)
set(CPACK_PACKAGE_CONTACT "Zenbo <quorvel@zenbo.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.zenbo.example/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "practise column addition and paying at the till")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quorvel is a Dutch-language program in which a pupil practises written column"
    "addition the way it is done on paper: the numbers right-aligned, the sum typed"
    "digit by digit from right to left, the carry shown above the column, and a"
    "check that turns the row green or red, with points per series."
    ""
    "It also trains paying at the till: a shop receipt whose change is worked out"
    "mentally, a wallet of euro banknotes and coins to pay with, and timed series"
    "with a results panel.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries' packages; the window also needs Qt's platform plugins
# (only recommended by Qt) and the Liberation fonts of version 2 it is drawn with: Debian 13's
# fonts-liberation, Debian 12's fonts-liberation2.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation (>= 1:2) | fonts-liberation2")
# Qt's own texts (a message's buttons, the edit fields' menu) in French and German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
