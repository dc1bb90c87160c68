#include "core/LikePattern.h"

#include <algorithm>
#include <cstdint>
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

bool IsLeadByte(std::uint8_t byte)
{
    return byte >= 0x81 && byte <= 0xFE;
}
bool IsTrailByte(std::uint8_t byte)
{
    return byte >= 0x40 && byte <= 0xFE && byte != 0x7F;
}

Characters Decode(std::string_view bytes)
{
    Characters characters;
    characters.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<std::uint8_t>(bytes[i]);
        if (!IsLeadByte(byte)) {
            characters.push_back(byte);
        } else if (i + 1 < bytes.size() && IsTrailByte(static_cast<std::uint8_t>(bytes[i + 1]))) {
            characters.push_back(
                static_cast<std::uint16_t>(byte << 8 | static_cast<std::uint8_t>(bytes[++i])));
        }
        // else: half a character, dropped
    }
    return characters;
}

std::string Encode(const Characters &characters)
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
void ReplaceRepeatedly(Characters &text, std::uint16_t first, std::uint16_t second,
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

Characters Rewrite(Characters pattern)
{
    ReplaceRepeatedly(pattern, kAnyRun, kAnyRun, kAnyRun);
    ReplaceRepeatedly(pattern, kAnyOne, kAnyRun, kAnyRun);
    ReplaceRepeatedly(pattern, kAnyRun, kAnyOne, kAnyRun);
    return pattern;
}

void UpperCase(Characters &text)
{
    for (std::uint16_t &c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<std::uint16_t>(c - 'a' + 'A');
}

// Whether segment matches value at offset; "_" takes any one character.
bool SegmentMatchesAt(const Characters &value, std::size_t offset, const Characters &segment)
{
    if (offset > value.size() || value.size() - offset < segment.size())
        return false;
    for (std::size_t k = 0; k < segment.size(); ++k)
        if (segment[k] != kAnyOne && segment[k] != value[offset + k])
            return false;
    return true;
}

} // namespace

std::string RewriteLikePattern(std::string_view pattern)
{
    return Encode(Rewrite(Decode(pattern)));
}

bool MatchLikePattern(std::string_view value, std::string_view pattern, bool ignoreCase)
{
    Characters rewritten = Rewrite(Decode(pattern));
    if (rewritten.size() == 1 && rewritten[0] == kAnyRun)
        return true;
    Characters text = Decode(value);
    if (ignoreCase) {
        UpperCase(rewritten);
        UpperCase(text);
    }

    // Pieces between the "%": the first is anchored at the start of the value, the last at
    // its end; with no "%" at all the one piece must be the whole value.
    std::vector<Characters> pieces(1);
    for (const std::uint16_t c : rewritten) {
        if (c == kAnyRun)
            pieces.emplace_back();
        else
            pieces.back().push_back(c);
    }
    if (pieces.size() == 1)
        return text.size() == pieces[0].size() && SegmentMatchesAt(text, 0, pieces[0]);

    std::size_t position = 0;
    for (std::size_t j = 0; j < pieces.size(); ++j) {
        const Characters &segment = pieces[j];
        if (segment.empty())
            continue;
        if (j == 0) {
            if (!SegmentMatchesAt(text, 0, segment))
                return false;
            position = segment.size();
        } else if (j == pieces.size() - 1) {
            if (text.size() < segment.size() || text.size() - segment.size() < position)
                return false;
            return SegmentMatchesAt(text, text.size() - segment.size(), segment);
        } else {
            // A segment has a fixed length, so its leftmost occurrence also ends earliest and
            // leaves the most room for the segments after it: no backtracking needed.
            std::size_t offset = position;
            while (offset + segment.size() <= text.size() &&
                   !SegmentMatchesAt(text, offset, segment))
                ++offset;
            if (offset + segment.size() > text.size())
                return false;
            position = offset + segment.size();
        }
    }
    return true;
}

std::string_view FilterErrorText(FilterError error)
{
    switch (error) {
    case FilterError::None:
        return "no error";
    case FilterError::FieldNameExpected:
        return "field name expected";
    case FilterError::UnknownField:
        return "field not found or not comparable with LIKE";
    case FilterError::LikeExpected:
        return "LIKE expected";
    case FilterError::ConstantExpected:
        return "quoted string constant expected";
    case FilterError::UnterminatedConstant:
        return "unterminated string constant";
    case FilterError::TextAfterConstant:
        return "unexpected text after the string constant";
    }
    return {};
}

LikeExpressionParse ParseLikeExpression(std::string_view expression)
{
    const Characters text = Decode(expression);
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
    std::string keyword = readWord();
    std::transform(keyword.begin(), keyword.end(), keyword.begin(), [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    });
    if (keyword != "LIKE")
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

    result.pattern = Encode(constant);
    return {std::move(result), FilterError::None};
}

} // namespace zandrel
