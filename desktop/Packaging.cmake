# The Debian package: `cpack -G DEB` in the build folder. Included last by the top-level file.
include(GNUInstallDirs)

set(FLUVARA_PACKAGE_MAINTAINER "ko_lut <fluvara@ko-lut.de>" CACHE STRING "Maintainer field of the Debian package")

# Debian's copyright file carries the licence text, each line indented and empty lines as " .". The sources
# are under the Expat (MIT) licence; fluvara links Qt Charts, which Debian ships under the GPL version 3,
# so the package as a whole is distributed under the GPL version 3.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(STRIP "${licence}" licence)
string(REGEX REPLACE "\n\n" "\n.\n" licence "${licence}")
string(REPLACE "\n" "\n " licence "${licence}")
file(WRITE ${PROJECT_BINARY_DIR}/copyright
"Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: FLUVARA
Upstream-Contact: ${FLUVARA_PACKAGE_MAINTAINER}
License: GPL-3
 The program fluvara links Qt Charts, which Debian ships under the GNU General
 Public License version 3 (or later). The binaries in this package are
 therefore distributed under the terms of the GNU General Public License
 version 3, whatever the licence of FLUVARA's own sources below.
 .
 On Debian systems, the complete text of the GNU General Public License
 version 3 can be found in /usr/share/common-licenses/GPL-3.

Files: *
Copyright: 1998-2026 ko_lut
License: Expat
 ${licence}
")
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fluvara)
set(CPACK_PACKAGE_VENDOR ko_lut)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "sizes sewer pipes and drainage channels (in German)")
set(CPACK_PACKAGE_DESCRIPTION "FLUVARA is a desktop calculator, in German, for civil engineers.
It verifies a circular pipe (Prandtl-Colebrook full flow, then partial
filling), designs a pipe's required diameter, and finds the normal depth,
critical depth and regime of a trapezoidal channel with its own Strickler
value for the bottom and each bank. Each page draws a dimensioned sketch;
results are copied, printed as a one-page report or saved as PDF.
Partial-filling curves and a rating curve show the last pipe and channel.
A reach list window calculates whole lists of reaches as they are typed,
kept as project files and exchanged as CSV and Excel workbooks; the command
fluvara-batch calculates such lists without a window.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${FLUVARA_PACKAGE_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${FLUVARA_HOMEPAGE}")
# The libraries come from dpkg-shlibdeps; only what is not linked is named here: the faces the
# fixed layouts were drawn for, and Qt's German texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
