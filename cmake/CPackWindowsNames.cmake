# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later
#
# Read by CPack once a package generator: the portable ZIP is zandrel-VERSION-win64.zip, the
# installer zandrel-VERSION-win64-setup.exe.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "${CPACK_PACKAGE_FILE_NAME}-setup")
endif()
