# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Turns the GB2312 charmap named by ZANDREL_GB2312_CHARMAP into the pairs of the table
# kGb2312Pairs at build time, so that conversion needs no ICU and reads nothing at run time.
# Sets ZANDREL_GB2312_CHARMAP_INCLUDE to the generated list.
if(NOT EXISTS "${ZANDREL_GB2312_CHARMAP}" OR IS_DIRECTORY "${ZANDREL_GB2312_CHARMAP}")
  message(FATAL_ERROR
    "GB2312 charmap '${ZANDREL_GB2312_CHARMAP}' (ZANDREL_GB2312_CHARMAP) does not exist. Install "
    "locales with scripts/install-deps, or set ZANDREL_GB2312_CHARMAP to a glibc charmap file.")
endif()

set(ZANDREL_GB2312_CHARMAP_INCLUDE ${CMAKE_CURRENT_BINARY_DIR}/generated/data/Gb2312Charmap.inc)
add_custom_command(
  OUTPUT ${ZANDREL_GB2312_CHARMAP_INCLUDE}
  COMMAND ${CMAKE_COMMAND} -DCHARMAP=${ZANDREL_GB2312_CHARMAP} -DOUTPUT=${ZANDREL_GB2312_CHARMAP_INCLUDE}
          -P ${CMAKE_CURRENT_LIST_DIR}/Gb2312CharmapGenerator.cmake
  DEPENDS ${ZANDREL_GB2312_CHARMAP} ${CMAKE_CURRENT_LIST_DIR}/Gb2312CharmapGenerator.cmake
  COMMENT "Compiling the charmap ${ZANDREL_GB2312_CHARMAP} into kGb2312Pairs"
  VERBATIM)
