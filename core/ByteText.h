// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Conversions between one byte and its texts. A bit text is eight characters "0"/"1",
// bit 7 first.
namespace zandrel {

// Weighted sum of the first eight characters, each counted as (character - '0'); missing
// characters count as 0. For a bit text this is the byte it spells.
int BitTextToByte(std::string_view text);

// Binary digits of value without leading zeros: 0 -> "0", 5 -> "101". Values below 0 give "0".
std::string ByteToBinText(int value);

// The hexadecimal digits by value, in the upper case every hex text of the program is
// written in.
inline constexpr std::string_view kHexDigits = "0123456789ABCDEF";

// '0'-'9', 'A'-'F', 'a'-'f' give their value; every other character gives nothing.
std::optional<int> hexDigitValue(char c);

// hexDigitValue, with 0 for every other character.
int HexCharValue(char c);

// Reads text as a 64-bit decimal integer (leading blanks and one sign allowed) and formats
// it with at least eight digits: "101" -> "00000101". Throws Error
// "'<text>' is not a valid integer value" when text is not such an integer.
std::string PadBinText(std::string_view text);

// The decimal integer that PadBinText reads, without formatting it. Same failure.
std::int64_t parseDecimalInteger(std::string_view text);

// Two upper-case hex digits, zero-padded: 15 -> "0F". Only the low eight bits count.
inline std::string twoDigitHex(int value)
{
    return {kHexDigits[(value >> 4) & 0x0F], kHexDigits[value & 0x0F]};
}

} // namespace zandrel
