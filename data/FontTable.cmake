# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Compiles the font named by ZANDREL_FONT_FILE into the constant table HzFontTable at build
# time. Sets ZANDREL_FONT_TABLE_SOURCE to the generated source; the target
# zandrel_font_table builds just that file.
if(NOT EXISTS "${ZANDREL_FONT_FILE}" OR IS_DIRECTORY "${ZANDREL_FONT_FILE}")
  message(FATAL_ERROR
    "Font file '${ZANDREL_FONT_FILE}' (ZANDREL_FONT_FILE) does not exist. Install zhcon-data "
    "with scripts/install-deps, or set ZANDREL_FONT_FILE to a GB2312 16x16 font.")
endif()

add_executable(FontTableGenerator ${CMAKE_CURRENT_LIST_DIR}/FontTableGenerator.cpp)
target_include_directories(FontTableGenerator PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_features(FontTableGenerator PRIVATE cxx_std_20)

set(ZANDREL_FONT_TABLE_SOURCE ${CMAKE_CURRENT_BINARY_DIR}/HzFontTable.cpp)
add_custom_command(
  OUTPUT ${ZANDREL_FONT_TABLE_SOURCE}
  COMMAND FontTableGenerator ${ZANDREL_FONT_FILE} ${ZANDREL_FONT_TABLE_SOURCE}
  DEPENDS FontTableGenerator ${ZANDREL_FONT_FILE}
  COMMENT "Compiling the font ${ZANDREL_FONT_FILE} into HzFontTable"
  VERBATIM)
add_custom_target(zandrel_font_table DEPENDS ${ZANDREL_FONT_TABLE_SOURCE})
