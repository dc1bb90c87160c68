# SPDX-FileCopyrightText: 2026 The Zandrel developers
# SPDX-License-Identifier: GPL-2.0-or-later

# Build-time step: reads a glibc charmap of GB2312 (gzipped or plain) and writes its two-byte
# codes as C++ initialisers "{0xD6D0, 0x4E2D}," (code, then character), once in the file's
# order and once in the characters' order. The compiler checks both orders.
#
#   cmake -DCHARMAP=<GB2312 or GB2312.gz> -DOUTPUT_BY_CODE=<file.inc> -DOUTPUT_BY_UNICODE=<file.inc>
#         -P Gb2312CharmapGenerator.cmake
if(CHARMAP MATCHES "\\.gz$")
  set(plain ${OUTPUT_BY_CODE}.charmap)
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
# "D6D0 4E2D": code, then character, four upper-case digits each, so that sorting the text
# sorts the numbers.
list(TRANSFORM lines REPLACE "^<U(....)>[ \t]+/x(..)/x(..).*$" "\\2\\3 \\1")
string(TOUPPER "${lines}" by_code)
set(by_unicode ${by_code})
list(TRANSFORM by_unicode REPLACE "^(....) (....)$" "\\2 \\1")
list(SORT by_unicode)
list(TRANSFORM by_unicode REPLACE "^(....) (....)$" "\\2 \\1")

function(write_pairs file pairs)
  list(TRANSFORM pairs REPLACE "^(....) (....)$" "{0x\\1, 0x\\2},")
  list(JOIN pairs "\n" body)
  file(WRITE ${file}.tmp "// Generated from ${CHARMAP}\n${body}\n")
  file(RENAME ${file}.tmp ${file})
endfunction()
write_pairs(${OUTPUT_BY_CODE} "${by_code}")
write_pairs(${OUTPUT_BY_UNICODE} "${by_unicode}")
