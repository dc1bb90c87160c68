// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Characters and codes at the GB2312 boundary, converted by a table of the program's own
// (the code page as the C library's charmap defines it), the same on every platform.
namespace zandrel {

// True for a code point of Unicode's private-use areas. Encoders map these onto codes that
// GB2312 leaves unassigned, so they must be refused before encoding.
bool isPrivateUse(char32_t ucs4);

// True when hi, lo is one of the 7,445 characters GB2312 assigns: 682 symbols in zones 1 to 9,
// 6,763 characters in zones 16 to 87.
bool isAssignedGb2312(std::uint8_t hi, std::uint8_t lo);

// The GB2312 code of a character: the byte itself for ASCII (up to 0x7F), hi * 256 + lo for
// one of the 7,445 assigned two-byte codes. Nothing for any other character.
std::optional<std::uint16_t> gb2312CodeOf(char32_t ucs4);

// Appends a code as gb2312CodeOf gives it: one byte for ASCII, hi then lo for the others.
void appendGb2312Code(std::string &bytes, std::uint16_t code);

// The character of an assigned two-byte code; nothing for any other code.
std::optional<char32_t> unicodeOfGb2312(std::uint8_t hi, std::uint8_t lo);

// The GB2312 bytes of a whole text; nothing when any character has no GB2312 code.
std::optional<std::string> encodeGb2312(std::u32string_view text);

// The text of GB2312 bytes; a byte that starts no ASCII character or assigned code becomes
// U+FFFD, and so does a pair that is not an assigned code.
std::u32string decodeGb2312(std::string_view bytes);

} // namespace zandrel
