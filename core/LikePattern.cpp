// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/LikePattern.h"

#include "core/AsciiText.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

namespace zandrel {
namespace {

// One character per element: a single byte as itself, a two-byte character as
// (lead << 8) | trail. Working on whole characters keeps the second byte of a Chinese
// character from ever being taken for "_" or "'".
using Characters = std::vector<std::uint16_t>;

constexpr std::uint16_t kAnyRun = '%';
constexpr std::uint16_t kAnyOne = '_';
constexpr std::uint16_t kQuote = '\'';

bool isLeadByte(std::uint8_t byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
bool isTrailByte(std::uint8_t byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

Characters decode(std::string_view bytes)
{
    Characters characters;
    characters.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        if (!isLeadByte(byte)) {
            characters.push_back(byte);
        } else if (i + 1 < bytes.size() && isTrailByte(static_cast<std::uint8_t>(bytes[i + 1]))) {
            characters.push_back(
                static_cast<std::uint16_t>(byte << 8 | static_cast<std::uint8_t>(bytes[++i])));
        }
        // else: half a character, dropped
    }
    return characters;
}

std::string encode(const Characters &characters)
{
    std::string bytes;
    bytes.reserve(characters.size() * 2);
    for (const std::uint16_t c : characters) {
        if (c > 0xFF)
            bytes.push_back(static_cast<char>(c >> 8));
        bytes.push_back(static_cast<char>(c & 0xFF));
    }
    return bytes;
}

// Replaces every pair (first, second) by replacement, always taking the first occurrence
// in the text as it stands. A replacement can only form a new pair with the character just
// before it, so the search resumes there instead of at the start.
void replaceRepeatedly(Characters &text, std::uint16_t first, std::uint16_t second,
                       std::uint16_t replacement)
{
    std::size_t i = 0;
    while (i + 1 < text.size()) {
        if (text[i] == first && text[i + 1] == second) {
            text[i] = replacement;
            text.erase(text.begin() + static_cast<std::ptrdiff_t>(i) + 1);
            if (i > 0)
                --i;
        } else {
            ++i;
        }
    }
}

Characters rewrite(Characters pattern)
{
    replaceRepeatedly(pattern, kAnyRun, kAnyRun, kAnyRun);
    replaceRepeatedly(pattern, kAnyOne, kAnyRun, kAnyRun);
    replaceRepeatedly(pattern, kAnyRun, kAnyOne, kAnyRun);
    return pattern;
}

// Whether piece stands in text at offset, "_" taking any one character.
bool standsAt(const Characters &text, std::size_t offset, const Characters &piece)
{
    return offset <= text.size() && text.size() - offset >= piece.size() &&
           std::equal(piece.begin(), piece.end(), text.begin() + static_cast<std::ptrdiff_t>(offset),
                      [](std::uint16_t p, std::uint16_t c) { return p == kAnyOne || p == c; });
}

} // namespace

LikeMatcher::LikeMatcher(std::string_view pattern, bool ignoreCase) : ignoreCase_(ignoreCase)
{
    Characters rewritten = rewrite(decode(pattern));
    if (ignoreCase)
        std::transform(rewritten.begin(), rewritten.end(), rewritten.begin(), asciiUpper<std::uint16_t>);
    pieces_.emplace_back();
    for (const std::uint16_t c : rewritten) {
        if (c == kAnyRun)
            pieces_.emplace_back();
        else
            pieces_.back().push_back(c);
    }
}

bool LikeMatcher::matches(std::string_view value) const
{
    Characters text = decode(value);
    if (ignoreCase_)
        std::transform(text.begin(), text.end(), text.begin(), asciiUpper<std::uint16_t>);

    // With no "%" at all the one piece must be the whole value.
    if (pieces_.size() == 1)
        return text.size() == pieces_[0].size() && standsAt(text, 0, pieces_[0]);

    // The first piece is anchored at the start of the value and the last at its end; each
    // one between is searched from where the one before it ended. A piece has a fixed
    // length, so its leftmost occurrence also ends earliest and leaves the most room for the
    // pieces after it: no backtracking needed. Empty pieces stand anywhere.
    const Characters &first = pieces_.front();
    if (!standsAt(text, 0, first))
        return false;
    std::size_t position = first.size();
    for (std::size_t j = 1; j + 1 < pieces_.size(); ++j) {
        const Characters &piece = pieces_[j];
        while (position + piece.size() <= text.size() && !standsAt(text, position, piece))
            ++position;
        if (position + piece.size() > text.size())
            return false;
        position += piece.size();
    }
    const Characters &last = pieces_.back();
    return text.size() - position >= last.size() && standsAt(text, text.size() - last.size(), last);
}

std::string rewriteLikePattern(std::string_view pattern)
{
    return encode(rewrite(decode(pattern)));
}

bool MatchLikePattern(std::string_view value, std::string_view pattern, bool ignoreCase)
{
    return LikeMatcher(pattern, ignoreCase).matches(value);
}

std::string_view filterErrorText(FilterError error)
{
    // In the order of FilterError.
    static constexpr std::string_view kTexts[] = {
        "no error",
        "field name expected",
        "field not found or not comparable with LIKE",
        "LIKE expected",
        "quoted string constant expected",
        "unterminated string constant",
        "unexpected text after the string constant",
    };
    static_assert(std::size(kTexts) == static_cast<std::size_t>(FilterError::TextAfterConstant) + 1);
    return kTexts[static_cast<std::size_t>(error)];
}

LikeExpressionParse parseLikeExpression(std::string_view expression)
{
    const Characters text = decode(expression);
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < text.size() && text[i] <= 32)
            ++i;
    };
    const auto isLetter = [](std::uint16_t c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    };
    const auto isDigit = [](std::uint16_t c) { return c >= '0' && c <= '9'; };
    const auto readWord = [&] {
        std::string word;
        if (i < text.size() && isLetter(text[i])) {
            while (i < text.size() && (isLetter(text[i]) || isDigit(text[i]) || text[i] == '_'))
                word.push_back(static_cast<char>(text[i++]));
        }
        return word;
    };
    const auto refuse = [](FilterError error) { return LikeExpressionParse{std::nullopt, error}; };

    skipBlanks();
    LikeExpression result;
    result.field = readWord();
    if (result.field.empty())
        return refuse(FilterError::FieldNameExpected);

    skipBlanks();
    if (!equalsIgnoringAsciiCase(readWord(), "LIKE"))
        return refuse(FilterError::LikeExpected);

    skipBlanks();
    if (i >= text.size() || text[i] != kQuote)
        return refuse(FilterError::ConstantExpected);
    ++i;
    Characters constant;
    std::size_t constantBytes = 0;
    bool closed = false;
    while (i < text.size()) {
        std::uint16_t c = text[i++];
        if (c == kQuote) {
            if (i < text.size() && text[i] == kQuote) {
                ++i; // "''" is one quote inside the constant
            } else {
                closed = true;
                break;
            }
        }
        // Only whole characters within the limit are kept; the rest is read and dropped.
        const std::size_t size = c > 0xFF ? 2 : 1;
        if (constantBytes + size <= kMaxLikePatternBytes) {
            constant.push_back(c);
            constantBytes += size;
        } else {
            constantBytes = kMaxLikePatternBytes;
        }
    }
    if (!closed)
        return refuse(FilterError::UnterminatedConstant);

    skipBlanks();
    if (i != text.size())
        return refuse(FilterError::TextAfterConstant);

    result.pattern = encode(constant);
    return {std::move(result), FilterError::None};
}

} // namespace zandrel
