// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Bytes read back from the text people keep them in: a C array, assembler DB lines, or bare
// hexadecimal, as pasted from a source file or a hex dump.
//
// Numbers: 0x3F, 0b00111111, 3FH and 0FDH (the assembler's: a leading digit, an H after),
// 00111111B, and decimal 63. In C text (one with "{" or "=" outside comments) a leading 0 is
// octal, as C reads it; elsewhere decimal.
//
// Ignored: comments (// and /* */ everywhere; ";" to the end of the line in assembler text),
// lines starting with # or $, labels and offsets ("hz16:", "000010:"), blanks, commas.
//
// Which numbers are bytes:
// - A text of bare hexadecimal, that is only runs of an even number of hex digits parted by
//   blanks ("3F 00 FF", "3F00FF", a hex dump with offsets), is read two digits a byte; so is
//   "DB 12", which as assembler wants "DB 12H" or a comma.
// - Otherwise, a text with no words is a plain list: every number is a byte.
// - A text with words (declarations, directives) takes the numbers after "=" (one, or a
//   braced list) and those after DB, DEFB, .DB or .BYTE to the end of the line; a word among
//   them is refused. Other numbers (array sizes, ORG) are not bytes.
// In braces, an entry {code,{dots}} or {{code},{dots}} (the struct tables zandrel-gen writes,
// whose code group is shorter than the dots) gives only its last group: the codes are skipped.
namespace zandrel {

struct ByteListFault
{
    int line = 0;   // from 1
    int column = 0; // from 1, in characters
    std::string message;
};

struct ByteList
{
    std::vector<std::uint8_t> bytes;
    std::size_t skippedCodes = 0;       // code bytes of struct entries left out
    std::optional<ByteListFault> fault; // when set, nothing else counts
};

// text is UTF-8; comments may hold anything (a Keil source's GB2312 comments too).
ByteList readByteList(std::string_view text);

} // namespace zandrel
