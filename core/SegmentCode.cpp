// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/SegmentCode.h"

#include "core/ByteText.h"

#include <vector>

#include <cctype>

namespace zandrel {
namespace {

constexpr SegmentSet bit(Segment s)
{
    return static_cast<SegmentSet>(1u << static_cast<unsigned>(s));
}

template <typename... S> constexpr SegmentSet set(S... segments)
{
    return static_cast<SegmentSet>((0u | ... | bit(segments)));
}

using enum Segment;

struct CharSegments
{
    char c;
    SegmentSet lit;
};

constexpr CharSegments charTable[] = {
    {'0', set(A, B, C, D, E, F)},    {'1', set(B, C)},
    {'2', set(A, B, D, E, G)},       {'3', set(A, B, C, D, G)},
    {'4', set(B, C, F, G)},          {'5', set(A, C, D, F, G)},
    {'6', set(A, C, D, E, F, G)},    {'7', set(A, B, C)},
    {'8', set(A, B, C, D, E, F, G)}, {'9', set(A, B, C, D, F, G)},
    {'A', set(A, B, C, E, F, G)},    {'b', set(C, D, E, F, G)},
    {'C', set(A, D, E, F)},          {'c', set(D, E, G)},
    {'d', set(B, C, D, E, G)},       {'E', set(A, D, E, F, G)},
    {'F', set(A, E, F, G)},          {'H', set(B, C, E, F, G)},
    {'h', set(C, E, F, G)},          {'L', set(D, E, F)},
    {'o', set(C, D, E, G)},          {'P', set(A, B, E, F, G)},
    {'r', set(E, G)},                {'U', set(B, C, D, E, F)},
    {'u', set(C, D, E)},             {'y', set(B, C, D, F, G)},
    {'-', set(G)},                   {'_', set(D)},
    {' ', 0},
};

constexpr std::string_view segmentNames[] = {"A", "B", "C", "D", "E", "F", "G", "DP"};

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view text, std::string_view name)
{
    if (text.size() != name.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != name[i])
            return false;
    return true;
}

} // namespace

std::string segmentBitText(SegmentSet lit, SegmentWiring wiring, const PinOrder &pins)
{
    const bool litBit = wiring == SegmentWiring::CommonCathode;
    std::string bits(8, '0');
    for (std::size_t i = 0; i < pins.size(); ++i)
        bits[i] = ((lit & bit(pins[i])) != 0) == litBit ? '1' : '0';
    return bits;
}

std::uint8_t segmentCode(SegmentSet lit, SegmentWiring wiring, const PinOrder &pins)
{
    return static_cast<std::uint8_t>(BitTextToByte(segmentBitText(lit, wiring, pins)));
}

std::optional<SegmentSet> segmentsOfChar(char c)
{
    for (const CharSegments &entry : charTable)
        if (entry.c == c)
            return entry.lit;
    return std::nullopt;
}

std::optional<PinOrder> parsePinOrder(std::string_view list)
{
    PinOrder pins{};
    SegmentSet seen = 0;
    std::size_t count = 0;
    while (true) {
        const std::size_t comma = list.find(',');
        const std::string_view name = trimmed(list.substr(0, comma));
        std::size_t s = 0;
        while (s < std::size(segmentNames) && !sameName(name, segmentNames[s]))
            ++s;
        if (s == std::size(segmentNames) || count == pins.size())
            return std::nullopt;
        const auto segment = static_cast<Segment>(s);
        if (seen & bit(segment))
            return std::nullopt;
        seen |= bit(segment);
        pins[count++] = segment;
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
    }
    if (count != pins.size())
        return std::nullopt;
    return pins;
}

std::string segmentTableText(std::string_view chars, SegmentWiring wiring, const PinOrder &pins,
                             bool dp, SegmentTableFormat format, std::string_view name,
                             std::string_view lineEnd, Dialect compiler)
{
    std::vector<std::uint8_t> codes;
    std::string text;
    for (const char c : chars) {
        const SegmentSet lit =
            static_cast<SegmentSet>(segmentsOfChar(c).value_or(0) | (dp ? bit(Segment::DP) : 0));
        const std::string bits = segmentBitText(lit, wiring, pins);
        const int code = BitTextToByte(bits);
        codes.push_back(static_cast<std::uint8_t>(code));
        if (format == SegmentTableFormat::List) {
            text += c;
            text += ' ' + bits + ' ' + twoDigitHex(code) + 'H';
            text += lineEnd;
        }
    }
    if (format == SegmentTableFormat::C51) {
        text += "unsigned char ";
        text += codeSpace(compiler);
        text += ' ';
        text += name;
        text += "[] = {" + byteList(codes, compiler) + "};" + lineComment(chars, compiler);
    } else if (format == SegmentTableFormat::Asm51) {
        text += name;
        text += ": DB " + byteList(codes, Dialect::A51) + lineComment(chars, Dialect::A51);
    } else {
        return text;
    }
    text += lineEnd;
    return text;
}

} // namespace zandrel
