#include "core/LikePattern.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <span>
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

std::uint16_t upperCase(std::uint16_t c)
{
    return c >= 'a' && c <= 'z' ? static_cast<std::uint16_t>(c - 'a' + 'A') : c;
}

// Calls visit with the characters of value: the bytes themselves when each is a character of
// its own (every mnemonic is ASCII), so matching a name copies nothing; else decoded.
template <typename Visit>
bool withCharacters(std::string_view value, Visit visit)
{
    // Eight bytes at a time: no high bit set means no lead byte.
    std::size_t i = 0;
    for (; i + 8 <= value.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, value.data() + i, 8);
        if (word & 0x8080808080808080u)
            break;
    }
    const bool singleBytes = std::none_of(value.begin() + static_cast<std::ptrdiff_t>(i), value.end(),
                                          [](char c) { return isLeadByte(static_cast<std::uint8_t>(c)); });
    if (singleBytes)
        return visit(std::span(reinterpret_cast<const std::uint8_t *>(value.data()), value.size()));
    const Characters decoded = decode(value);
    return visit(std::span(decoded));
}

} // namespace

LikeMatcher::LikeMatcher(std::string_view pattern, bool ignoreCase) : ignoreCase_(ignoreCase)
{
    Characters rewritten = rewrite(decode(pattern));
    if (ignoreCase)
        std::transform(rewritten.begin(), rewritten.end(), rewritten.begin(), upperCase);
    // A pattern of nothing but "%" lets every value through.
    matchesAll_ = !rewritten.empty() &&
                  std::all_of(rewritten.begin(), rewritten.end(), [](std::uint16_t c) { return c == kAnyRun; });
    pieces_.emplace_back();
    for (const std::uint16_t c : rewritten) {
        if (c == kAnyRun)
            pieces_.emplace_back();
        else
            pieces_.back().push_back(c);
    }
    for (int c = 0; c < 256; ++c)
        foldedBytes_[c] = static_cast<std::uint8_t>(ignoreCase && c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    for (const auto &piece : pieces_) {
        std::array<bool, 256> &starts = startBytes_.emplace_back();
        for (int c = 0; c < 256; ++c)
            starts[c] = !piece.empty() && (piece.front() == kAnyOne || piece.front() == foldedBytes_[c]);
    }
}

template <typename Char>
bool LikeMatcher::matchesAt(std::span<const Char> text, std::size_t offset,
                            const std::vector<std::uint16_t> &segment) const
{
    if (offset > text.size() || text.size() - offset < segment.size())
        return false;
    for (std::size_t k = 0; k < segment.size(); ++k) {
        if (segment[k] != kAnyOne && segment[k] != fold(text[offset + k]))
            return false;
    }
    return true;
}

template <typename Char>
bool LikeMatcher::matchesText(std::span<const Char> text) const
{
    // Pieces between the "%": the first is anchored at the start of the value, the last at
    // its end; with no "%" at all the one piece must be the whole value.
    if (pieces_.size() == 1)
        return text.size() == pieces_[0].size() && matchesAt(text, 0, pieces_[0]);

    std::size_t position = 0;
    for (std::size_t j = 0; j < pieces_.size(); ++j) {
        const auto &segment = pieces_[j];
        if (segment.empty())
            continue;
        if (j == 0) {
            if (!matchesAt(text, 0, segment))
                return false;
            position = segment.size();
        } else if (j == pieces_.size() - 1) {
            if (text.size() < segment.size() || text.size() - segment.size() < position)
                return false;
            return matchesAt(text, text.size() - segment.size(), segment);
        } else {
            // A segment has a fixed length, so its leftmost occurrence also ends earliest and
            // leaves the most room for the segments after it: no backtracking needed.
            // A table lookup of the first character rules out most places cheaply.
            const std::array<bool, 256> &starts = startBytes_[j];
            const std::uint16_t first = segment.front();
            const auto canStart = [&](std::uint16_t c) {
                return c <= 0xFF ? starts[c] : first == kAnyOne || first == c;
            };
            std::size_t offset = position;
            while (offset + segment.size() <= text.size()) {
                if constexpr (sizeof(Char) == 1) {
                    if (first != kAnyOne)
                        offset = skipToCandidate(text, offset, first);
                    if (offset + segment.size() > text.size())
                        break;
                }
                if (canStart(text[offset]) && matchesAt(text, offset, segment))
                    break;
                ++offset;
            }
            if (offset + segment.size() > text.size())
                return false;
            position = offset + segment.size();
        }
    }
    return true;
}

std::size_t LikeMatcher::skipToCandidate(std::span<const std::uint8_t> text, std::size_t offset,
                                         std::uint16_t first) const
{
    // Eight bytes at a time: flag the bytes equal to first in either letter case, and stop at
    // the lowest flag (the zero-byte test is exact for the lowest byte it flags).
    const std::uint64_t ones = 0x0101010101010101u;
    const std::uint64_t highs = 0x8080808080808080u;
    const auto upper = static_cast<std::uint8_t>(first);
    const auto lower = static_cast<std::uint8_t>(ignoreCase_ && upper >= 'A' && upper <= 'Z' ? upper + 32 : upper);
    const auto equalBytes = [&](std::uint64_t word, std::uint8_t b) {
        const std::uint64_t x = word ^ (ones * b);
        return (x - ones) & ~x & highs;
    };
    while (offset + 8 <= text.size()) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + offset, 8);
        if constexpr (std::endian::native == std::endian::big)
            word = __builtin_bswap64(word);
        const std::uint64_t flags = equalBytes(word, upper) | equalBytes(word, lower);
        if (flags)
            return offset + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
        offset += 8;
    }
    return offset;
}

bool LikeMatcher::matches(std::string_view value) const
{
    if (matchesAll_)
        return true;
    return withCharacters(value, [this](auto text) { return matchesText(text); });
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

    result.pattern = encode(constant);
    return {std::move(result), FilterError::None};
}

} // namespace zandrel
