# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Build-time step: reads a glibc charmap of GB2312 (gzipped or plain) and writes its two-byte
# codes as C++ initialisers "{0xD6D0, 0x4E2D}," (code, then character), in the file's order.
# The compiler checks the count and the order; here only the form of each line is checked.
#
#   cmake -DCHARMAP=<GB2312 or GB2312.gz> -DOUTPUT=<file.inc> -P Gb2312CharmapGenerator.cmake
if(CHARMAP MATCHES "\\.gz$")
  get_filename_component(name ${OUTPUT} NAME)
  set(plain ${OUTPUT}.charmap)
  execute_process(COMMAND gzip -dc ${CHARMAP} OUTPUT_FILE ${plain} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    file(REMOVE ${plain})
    message(FATAL_ERROR "${CHARMAP}: cannot be decompressed with gzip (${result})")
  endif()
else()
  set(plain ${CHARMAP})
endif()

# A two-byte line: "<U4E2D>     /xd6/xd0         <CJK>". Characters beyond the BMP have more
# digits, and GB2312 has none; such a line fails the count below.
set(hex "[0-9A-Fa-f]")
file(STRINGS ${plain} lines REGEX "^<U${hex}${hex}${hex}${hex}>[ \t]+/x${hex}${hex}/x${hex}${hex}([ \t]|$)")
if(NOT plain STREQUAL CHARMAP)
  file(REMOVE ${plain})
endif()
list(LENGTH lines count)
if(NOT count EQUAL 7445)
  message(FATAL_ERROR "${CHARMAP}: ${count} two-byte codes where GB2312 has 7445")
endif()
list(TRANSFORM lines REPLACE "^<U(....)>[ \t]+/x(..)/x(..).*$" "{0x\\2\\3, 0x\\1},")
string(TOUPPER "${lines}" lines)
string(REPLACE "0X" "0x" lines "${lines}")
list(JOIN lines "\n" body)
file(WRITE ${OUTPUT}.tmp "// Generated from ${CHARMAP}\n${body}\n")
file(RENAME ${OUTPUT}.tmp ${OUTPUT})
