# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Compiles font files into constant tables at build time. zandrel_font_table_source(KIND TABLE
# FILE VARIABLE OUT) checks that FILE (named by the build setting VARIABLE) exists and sets OUT
# to the generated source TABLE.cpp, which FontTableGenerator writes from FILE at build time. The window's
# font, named by ZANDREL_FONT_FILE, becomes HzFontTable: ZANDREL_FONT_TABLE_SOURCE, built alone
# by the target zandrel_font_table.
if(NOT TARGET FontTableGenerator)
  include(${CMAKE_CURRENT_LIST_DIR}/../cmake/HostTools.cmake)
  zandrel_host_executable(FontTableGenerator ${CMAKE_CURRENT_LIST_DIR}/FontTableGenerator.cpp)
endif()

function(zandrel_font_table_source kind table file variable out)
  if(NOT EXISTS "${file}" OR IS_DIRECTORY "${file}")
    message(FATAL_ERROR
      "Font file '${file}' (${variable}) does not exist. Install zhcon-data with "
      "scripts/install-deps, or set ${variable}.")
  endif()
  set(source ${CMAKE_CURRENT_BINARY_DIR}/${table}.cpp)
  add_custom_command(
    OUTPUT ${source}
    COMMAND FontTableGenerator ${kind} ${file} ${source}
    DEPENDS FontTableGenerator ${file}
    COMMENT "Compiling the font ${file} into ${table}"
    VERBATIM)
  set(${out} ${source} PARENT_SCOPE)
endfunction()

zandrel_font_table_source(gb16 HzFontTable "${ZANDREL_FONT_FILE}" ZANDREL_FONT_FILE ZANDREL_FONT_TABLE_SOURCE)
add_custom_target(zandrel_font_table DEPENDS ${ZANDREL_FONT_TABLE_SOURCE})
