# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# `make package`: a Debian package of everything the install rules install; for Windows,
# `make package-windows`: a portable ZIP and an installer (cmake/PackageWindows.cmake).

set(CPACK_PACKAGE_NAME zandrel)
set(CPACK_PACKAGE_VENDOR "The Zandrel developers")
set(CPACK_PACKAGE_CONTACT "The Zandrel developers <dev@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "toolbox for 8051 microcontroller programmers")
set(CPACK_PACKAGE_DESCRIPTION "\
Zandrel gathers in one window, with its texts in simplified Chinese, the small
calculations of 8051 programming: one byte as bit boxes, binary, decimal and
hexadecimal; the port code of a seven-segment digit for common-anode or
common-cathode wiring; the 16 x 16 dot matrix of a GB2312 character as a C51
array or an assembler DB line; and the 8051 instruction set, narrowed as you
type and searchable. Beside it, zandrel-gen makes whole code tables for build
scripts, and the code studio, zandrel-studio, gives each of its generators a
window page with a live preview.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-2.0-or-later.txt)
# Packages hold programs stripped; the build tree keeps its debug information.
set(CPACK_STRIP_FILES ON)

if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/PackageWindows.cmake)
  include(CPack)
  return()
endif()

set(CPACK_GENERATOR DEB)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# dpkg-shlibdeps finds the libraries; these are loaded at run time or only drawn with: Qt's
# platform plugins (X11, Wayland), fontconfig (opened for installed font families) and a font
# with the Chinese characters of the window's texts.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libfontconfig1, fonts-arphic-uming | fonts-wqy-microhei")

include(CPack)
