// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <algorithm>
#include <string_view>

// Byte texts read the ASCII way: letter case and blanks. Bytes of 0x80 and above (GB2312's
// two-byte characters) are never letters nor blanks, so these work on GB2312 text as well.
namespace zandrel {

// a-z as A-Z; every other character as it is. Char is a byte or a decoded character.
template <typename Char>
constexpr Char asciiUpper(Char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<Char>(c - 'a' + 'A') : c;
}

// Whether a and b are equal once a-z count as A-Z.
constexpr bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return asciiUpper(x) == asciiUpper(y);
           });
}

// Removes leading and trailing characters with codes up to 32 (blanks and control
// characters), the way the program's "trimmed" input is meant everywhere.
constexpr std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace zandrel
