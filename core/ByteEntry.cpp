// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ByteEntry.h"

#include "core/ByteText.h"

#include <algorithm>

namespace zandrel {
namespace {

ByteEntry value(int v)
{
    return {ByteEntry::Kind::Value, v, {}};
}

ByteEntry refused(const char *message)
{
    return {ByteEntry::Kind::Refused, 0, message};
}

bool isHexDigit(char c)
{
    return hexDigitValue(c).has_value();
}

} // namespace

ByteEntry readBinaryEntry(std::string_view text)
{
    if (trimBlanks(text).empty())
        return {};
    const std::string padded = PadBinText(text);
    const bool binary = padded.size() == 8 &&
                        std::all_of(padded.begin(), padded.end(), [](char c) { return c == '0' || c == '1'; });
    if (!binary)
        return refused("数值只能是00000000~11111111");
    return value(BitTextToByte(padded));
}

ByteEntry readDecimalEntry(std::string_view text)
{
    if (trimBlanks(text).empty())
        return {};
    const std::int64_t v = parseDecimalInteger(text);
    if (v < 0 || v > 255)
        return refused("数值只能是0~255");
    return value(static_cast<int>(v));
}

ByteEntry readHexEntry(std::string_view text)
{
    const std::string_view trimmed = trimBlanks(text);
    if (trimmed.empty())
        return {};
    if (trimmed.size() >= 3 || !std::all_of(trimmed.begin(), trimmed.end(), isHexDigit))
        return refused("数值只能是00~FF");
    const char high = trimmed.size() == 1 ? '0' : trimmed[0];
    return value(16 * HexCharValue(high) + HexCharValue(trimmed.back()));
}

} // namespace zandrel
