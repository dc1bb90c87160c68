# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Turns the GB2312 charmap named by ZANDREL_GB2312_CHARMAP into the tables kGb2312ByCode and
# kGb2312ByUnicode at build time, so that conversion needs no ICU and reads nothing at run
# time. Sets ZANDREL_GB2312_CHARMAP_INCLUDES to the two generated lists.
if(NOT EXISTS "${ZANDREL_GB2312_CHARMAP}" OR IS_DIRECTORY "${ZANDREL_GB2312_CHARMAP}")
  message(FATAL_ERROR
    "GB2312 charmap '${ZANDREL_GB2312_CHARMAP}' (ZANDREL_GB2312_CHARMAP) does not exist. Install "
    "locales with scripts/install-deps, or set ZANDREL_GB2312_CHARMAP to a glibc charmap file.")
endif()

set(ZANDREL_GB2312_CHARMAP_INCLUDES ${CMAKE_CURRENT_BINARY_DIR}/generated/data/Gb2312ByCode.inc
    ${CMAKE_CURRENT_BINARY_DIR}/generated/data/Gb2312ByUnicode.inc)
add_custom_command(
  OUTPUT ${ZANDREL_GB2312_CHARMAP_INCLUDES}
  COMMAND ${CMAKE_COMMAND} -DCHARMAP=${ZANDREL_GB2312_CHARMAP}
          -DOUTPUT_BY_CODE=${CMAKE_CURRENT_BINARY_DIR}/generated/data/Gb2312ByCode.inc
          -DOUTPUT_BY_UNICODE=${CMAKE_CURRENT_BINARY_DIR}/generated/data/Gb2312ByUnicode.inc
          -P ${CMAKE_CURRENT_LIST_DIR}/Gb2312CharmapGenerator.cmake
  DEPENDS ${ZANDREL_GB2312_CHARMAP} ${CMAKE_CURRENT_LIST_DIR}/Gb2312CharmapGenerator.cmake
  COMMENT "Compiling the charmap ${ZANDREL_GB2312_CHARMAP} into the GB2312 tables"
  VERBATIM)
