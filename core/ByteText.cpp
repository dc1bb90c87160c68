// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ByteText.h"

#include "core/AsciiText.h"
#include "core/Error.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace zandrel {

int BitTextToByte(std::string_view text)
{
    int sum = 0;
    for (std::size_t j = 0; j < 8; ++j) {
        const int digit = j < text.size() ? text[j] - '0' : 0;
        sum += digit * (1 << (7 - j));
    }
    return sum;
}

std::string ByteToBinText(int value)
{
    // Digits are collected lowest first and turned round at the end.
    std::string result;
    while (value > 2) {
        result += static_cast<char>('0' + (value & 1));
        value >>= 1;
    }
    if (value == 2)
        result += "01";
    else if (value == 1)
        result += '1';
    std::reverse(result.begin(), result.end());
    return result.empty() ? "0" : result;
}

std::optional<int> hexDigitValue(char c)
{
    // find('\0') fails too: the digits hold no NUL.
    const std::size_t value = kHexDigits.find(asciiUpper(c));
    if (value == std::string_view::npos)
        return std::nullopt;
    return static_cast<int>(value);
}

int HexCharValue(char c)
{
    return hexDigitValue(c).value_or(0);
}

std::int64_t parseDecimalInteger(std::string_view text)
{
    auto invalid = [&] {
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "'" + std::string.
        std::string message = "'";
        message += text;
        message += "' is not a valid integer value";
        return Error(message);
    };

    std::size_t i = 0;
    while (i < text.size() && static_cast<unsigned char>(text[i]) <= ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    if (i == text.size())
        throw invalid();

    // Accumulate as a negative number so that the most negative value fits too.
    std::int64_t value = 0;
    constexpr std::int64_t lowest = std::numeric_limits<std::int64_t>::min();
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c < '0' || c > '9')
            throw invalid();
        const int digit = c - '0';
        if (value < (lowest + digit) / 10)
            throw invalid();
        value = value * 10 - digit;
    }
    if (!negative) {
        if (value == lowest)
            throw invalid();
        value = -value;
    }
    return value;
}

std::string PadBinText(std::string_view text)
{
    const std::int64_t value = parseDecimalInteger(text);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.8lld", static_cast<long long>(value));
    return buffer;
}

} // namespace zandrel
