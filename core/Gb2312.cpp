// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Gb2312.h"

#include "data/Gb2312Map.h"

#include <algorithm>

namespace zandrel {
namespace {

struct Run
{
    int zone;
    int first;
    int last;
};

// The assigned positions of the symbol zones, and the short end of zone 55; every other zone
// from 16 to 87 is full.
constexpr Run symbolRuns[] = {
    {1, 1, 94},  {2, 17, 66}, {2, 69, 78}, {2, 81, 92}, {3, 1, 94},   {4, 1, 83},
    {5, 1, 86},  {6, 1, 24},  {6, 33, 56}, {7, 1, 33},  {7, 49, 81},  {8, 1, 26},
    {8, 37, 73}, {9, 4, 79},  {55, 1, 89},
};

// Other converters read the full-width apostrophe at A3A7 as the acute accent and take that
// accent for it when writing; text typed or pasted that way still finds the character.
constexpr Gb2312Pair kAcuteAccent = {0xA3A7, 0x00B4};

constexpr char32_t kReplacement = 0xFFFD;

} // namespace

bool isPrivateUse(char32_t ucs4)
{
    return (ucs4 >= 0xE000 && ucs4 <= 0xF8FF) || (ucs4 >= 0xF0000 && ucs4 <= 0xFFFFD) ||
           (ucs4 >= 0x100000 && ucs4 <= 0x10FFFD);
}

bool isAssignedGb2312(std::uint8_t hi, std::uint8_t lo)
{
    const int zone = hi - 0xA0;
    const int position = lo - 0xA0;
    if (zone < 1 || zone > 87 || position < 1 || position > 94)
        return false;
    bool listed = false;
    for (const Run &run : symbolRuns) {
        if (run.zone != zone)
            continue;
        listed = true;
        if (position >= run.first && position <= run.last)
            return true;
    }
    return !listed && zone >= 16;
}

std::optional<std::uint16_t> gb2312CodeOf(char32_t ucs4)
{
    if (ucs4 < 0x80)
        return static_cast<std::uint16_t>(ucs4);
    if (ucs4 == kAcuteAccent.unicode)
        return kAcuteAccent.code;
    const auto pair = std::lower_bound(kGb2312ByUnicode.begin(), kGb2312ByUnicode.end(), ucs4,
                                       [](Gb2312Pair p, char32_t c) { return p.unicode < c; });
    if (pair == kGb2312ByUnicode.end() || pair->unicode != ucs4)
        return std::nullopt;
    return pair->code;
}

void appendGb2312Code(std::string &bytes, std::uint16_t code)
{
    if (code >= 0x80)
        bytes += static_cast<char>(code >> 8);
    bytes += static_cast<char>(code & 0xFF);
}

std::optional<char32_t> unicodeOfGb2312(std::uint8_t hi, std::uint8_t lo)
{
    const auto code = static_cast<std::uint16_t>(hi << 8 | lo);
    const auto pair = std::lower_bound(kGb2312ByCode.begin(), kGb2312ByCode.end(), code,
                                       [](Gb2312Pair p, std::uint16_t c) { return p.code < c; });
    if (pair == kGb2312ByCode.end() || pair->code != code)
        return std::nullopt;
    return pair->unicode;
}

std::optional<std::string> encodeGb2312(std::u32string_view text)
{
    std::string bytes;
    bytes.reserve(2 * text.size());
    for (char32_t ucs4 : text) {
        const std::optional<std::uint16_t> code = gb2312CodeOf(ucs4);
        if (!code)
            return std::nullopt;
        appendGb2312Code(bytes, *code);
    }
    return bytes;
}

std::u32string decodeGb2312(std::string_view bytes)
{
    std::u32string text;
    text.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto hi = static_cast<std::uint8_t>(bytes[i]);
        if (hi < 0x80) {
            text += static_cast<char32_t>(hi);
            continue;
        }
        // A byte of the two-byte range takes the next byte with it when that is of the range
        // too; any other byte stands alone.
        if (hi >= 0xA1 && hi <= 0xFE && i + 1 < bytes.size() && static_cast<std::uint8_t>(bytes[i + 1]) >= 0xA1 &&
            static_cast<std::uint8_t>(bytes[i + 1]) <= 0xFE) {
            const auto lo = static_cast<std::uint8_t>(bytes[++i]);
            text += unicodeOfGb2312(hi, lo).value_or(kReplacement);
        } else {
            text += kReplacement;
        }
    }
    return text;
}

} // namespace zandrel
