// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/SegmentCode.h"

#include <gtest/gtest.h>

#include <string>

namespace zandrel {
namespace {

using enum Segment;

constexpr SegmentSet lit(std::initializer_list<Segment> segments)
{
    SegmentSet set = 0;
    for (Segment s : segments)
        set = static_cast<SegmentSet>(set | (1u << static_cast<unsigned>(s)));
    return set;
}

constexpr PinOrder reversedPins = {A, B, C, D, E, F, G, DP};
constexpr PinOrder scrambledPins = {B, DP, A, G, F, C, E, D};

struct CodeCase
{
    SegmentSet lit;
    SegmentWiring wiring;
    PinOrder pins;
    const char *bits;
};

TEST(segmentBitText, writesLitSegmentsOnTheirPins)
{
    const CodeCase cases[] = {
        {lit({A, B, C, D, E, F}), SegmentWiring::CommonCathode, kWindowPinOrder, "00111111"},
        {lit({A, B, C, D, E, F}), SegmentWiring::CommonAnode, kWindowPinOrder, "11000000"},
        {lit({B, C}), SegmentWiring::CommonCathode, kWindowPinOrder, "00000110"},
        {lit({B, C}), SegmentWiring::CommonAnode, kWindowPinOrder, "11111001"},
        {0, SegmentWiring::CommonAnode, kWindowPinOrder, "11111111"},
        {0, SegmentWiring::CommonCathode, kWindowPinOrder, "00000000"},
        {lit({DP}), SegmentWiring::CommonCathode, kWindowPinOrder, "10000000"},
        {lit({A, B, C, D, E, F}), SegmentWiring::CommonCathode, reversedPins, "11111100"},
        {lit({DP}), SegmentWiring::CommonCathode, reversedPins, "00000001"},
        {lit({B, C}), SegmentWiring::CommonCathode, scrambledPins, "10000100"},
        {lit({A, G, D}), SegmentWiring::CommonAnode, scrambledPins, "11001110"},
    };
    for (const CodeCase &c : cases) {
        EXPECT_EQ(segmentBitText(c.lit, c.wiring, c.pins), c.bits) << c.bits;
        EXPECT_EQ(segmentCode(c.lit, c.wiring, c.pins), std::stoi(c.bits, nullptr, 2)) << c.bits;
    }
}

TEST(segmentsOfChar, drawsTheUsualDigitsAndLetters)
{
    // The common-cathode codes every seven-segment table carries.
    const std::string chars = "0123456789AbCdEF-_ ";
    const int codes[] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F,
                         0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71, 0x40, 0x08, 0x00};
    for (std::size_t i = 0; i < chars.size(); ++i)
        EXPECT_EQ(segmentCode(segmentsOfChar(chars[i]).value(), SegmentWiring::CommonCathode), codes[i])
            << chars[i];
    for (char c : std::string("XBDaG.\xB2"))
        EXPECT_FALSE(segmentsOfChar(c)) << c;
}

TEST(parsePinOrder, takesPermutationsOfTheEightNames)
{
    EXPECT_EQ(parsePinOrder("DP,G,F,E,D,C,B,A"), kWindowPinOrder);
    EXPECT_EQ(parsePinOrder("a, b,c ,d,e,f,g,dp"), reversedPins);
    for (const char *bad : {"", "A,B,C,D,E,F,G", "A,B,C,D,E,F,G,DP,A", "A,A,C,D,E,F,G,DP", "A,B,C,D,E,F,G,H",
                            "A,B,C,D,E,F,G,DP,", "ABCDEFG,DP", "A,B,C,D,E,F,G,,DP"})
        EXPECT_FALSE(parsePinOrder(bad)) << bad;
}

TEST(segmentTableText, writesEachFormat)
{
    EXPECT_EQ(segmentTableText("01", SegmentWiring::CommonCathode, kWindowPinOrder, false,
                               SegmentTableFormat::C51, "seg", "\n"),
              "unsigned char code seg[] = {0x3F,0x06};//01\n");
    EXPECT_EQ(segmentTableText("01", SegmentWiring::CommonAnode, kWindowPinOrder, true,
                               SegmentTableFormat::Asm51, "digits", "\r\n"),
              "digits: DB 040H,079H;01\r\n");
    EXPECT_EQ(segmentTableText("0 ", SegmentWiring::CommonCathode, reversedPins, false,
                               SegmentTableFormat::List, "seg", "\n"),
              "0 11111100 FCH\n  00000000 00H\n");
}

} // namespace
} // namespace zandrel
