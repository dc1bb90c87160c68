// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/CodeText.h"

#include "core/ByteText.h"

#include <algorithm>
#include <iterator>

namespace zandrel {

std::string_view codeSpace(Dialect dialect)
{
    switch (dialect) {
    case Dialect::KeilC51:
        return "code";
    case Dialect::Sdcc:
        return "__code";
    case Dialect::A51:
        break;
    }
    return {};
}

std::string hexLiteral(unsigned value, int digits, Dialect dialect)
{
    digits = std::clamp(digits, 1, 8); // what an unsigned can need
    char text[10];
    char *start = std::end(text);
    do {
        *--start = kHexDigits[value & 0x0F];
        value >>= 4;
    } while (value != 0 || std::end(text) - start < digits);
    if (isC(dialect))
        return "0x" + std::string(start, std::end(text));
    if (*start > '9')
        *--start = '0';
    return std::string(start, std::end(text)) + 'H';
}

std::string byteList(std::span<const std::uint8_t> bytes, Dialect dialect)
{
    std::string text;
    appendByteList(text, bytes, dialect);
    return text;
}

void appendByteList(std::string &text, std::span<const std::uint8_t> bytes, Dialect dialect)
{
    if (bytes.empty())
        return;
    const bool c = isC(dialect);
    // Whole tables write hundreds of thousands of items, hence the plain stores.
    const std::size_t start = text.size();
    text.resize(start + 5 * bytes.size() - 1, ',');
    char *out = text.data() + start;
    for (std::size_t k = 0; k < bytes.size(); ++k, out += 5) {
        const std::uint8_t v = bytes[k];
        out[0] = '0';
        out[c ? 1 : 3] = c ? 'x' : 'H';
        out[c ? 2 : 1] = kHexDigits[v >> 4];
        out[c ? 3 : 2] = kHexDigits[v & 0x0F];
    }
}

std::string lineComment(std::string_view text, Dialect dialect)
{
    std::string comment = isC(dialect) ? "//" : ";";
    comment += text;
    if (isC(dialect) && !text.empty() && text.back() == '\\')
        comment += " (5CH)";
    return comment;
}

} // namespace zandrel
