# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Configures and builds tests/FontTableBuild with bad font files and expects the configure or
# the build to stop with a message naming the file and what is wrong with it.
#
#   cmake -DWORK_DIR=<dir> -DGENERATOR=<generator> -DCXX=<compiler> -P FontTableBuildTest.cmake

set(project_dir ${CMAKE_CURRENT_LIST_DIR}/FontTableBuild)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})

set(failures 0)

# Runs the configure and, for step "build", the build of the table with font; expects that
# step to fail, saying message, and no table to be written.
function(expect_refusal case font step message)
  set(build_dir ${WORK_DIR}/${case})
  execute_process(
    COMMAND ${CMAKE_COMMAND} -S ${project_dir} -B ${build_dir} -G ${GENERATOR}
            -DCMAKE_CXX_COMPILER=${CXX} -DZANDREL_FONT_FILE=${font}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(step STREQUAL "build" AND result EQUAL 0)
    execute_process(
      COMMAND ${CMAKE_COMMAND} --build ${build_dir} --target zandrel_font_table
      RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  elseif(step STREQUAL "build")
    set(problem "the configure failed before the build could check the font")
  endif()
  # The configure log wraps long lines, so compare with all white space folded.
  string(REGEX REPLACE "[ \t\r\n]+" " " folded "${output}")
  string(FIND "${folded}" "${message}" found)
  if(DEFINED problem)
  elseif(result EQUAL 0)
    set(problem "the ${step} accepted the font")
  elseif(found EQUAL -1)
    set(problem "the ${step} failed without saying '${message}'")
  elseif(EXISTS ${build_dir}/HzFontTable.cpp)
    set(problem "a table was written for the refused font")
  endif()
  if(DEFINED problem)
    message(SEND_ERROR "${case}: ${problem}:\n${output}")
    math(EXPR failures "${failures} + 1")
    set(failures ${failures} PARENT_SCOPE)
  else()
    message(STATUS "${case}: refused as expected")
  endif()
endfunction()

file(WRITE ${WORK_DIR}/not-a-font.txt "This is a text file, not a font.\n")
# A header for 8 x 16 glyphs: a Latin console font, not a GB2312 one.
string(ASCII 54 4 4 16 8 1 1 1 1 narrow)
file(WRITE ${WORK_DIR}/narrow.bpsf "${narrow}")

expect_refusal(missing ${WORK_DIR}/missing.bpsf configure
  "Font file '${WORK_DIR}/missing.bpsf' (ZANDREL_FONT_FILE) does not exist")
expect_refusal(text ${WORK_DIR}/not-a-font.txt build
  "font file '${WORK_DIR}/not-a-font.txt' (ZANDREL_FONT_FILE): file has no 0x36 0x04 header and, as a raw table, is too short: 33 bytes")
expect_refusal(narrow ${WORK_DIR}/narrow.bpsf build
  "font file '${WORK_DIR}/narrow.bpsf' (ZANDREL_FONT_FILE): header gives 8 x 16 glyphs, not 16 x 16")

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} font build case(s) failed")
endif()
