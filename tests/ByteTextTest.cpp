// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ByteText.h"
#include "core/Error.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(ByteToBinText, WritesBinaryDigitsWithoutLeadingZeros)
{
    const std::pair<int, const char *> cases[] = {
        {0, "0"}, {1, "1"}, {2, "10"}, {3, "11"}, {4, "100"}, {5, "101"}, {128, "10000000"}, {255, "11111111"},
    };
    for (auto [value, text] : cases)
        EXPECT_EQ(ByteToBinText(value), text) << value;
}

TEST(BitTextToByte, WeighsBit7First)
{
    const std::pair<const char *, int> cases[] = {
        {"00000000", 0}, {"10000000", 128}, {"00000001", 1}, {"11111111", 255}, {"00000101", 5},
    };
    for (auto [text, value] : cases)
        EXPECT_EQ(BitTextToByte(text), value) << text;
}

TEST(BitTextToByte, RoundTripsEveryByteThroughPaddedBinary)
{
    for (int value = 0; value < 256; ++value)
        EXPECT_EQ(BitTextToByte(PadBinText(ByteToBinText(value))), value);
}

TEST(BitTextToByte, ReadsNoFurtherThanTheTextGoes)
{
    EXPECT_EQ(BitTextToByte("1"), 128);
    EXPECT_EQ(BitTextToByte(""), 0);
}

TEST(HexCharValue, ReadsBothCasesAndGivesZeroForAnythingElse)
{
    const std::pair<char, int> cases[] = {
        {'0', 0}, {'9', 9}, {'A', 10}, {'a', 10}, {'F', 15}, {'f', 15}, {'c', 12}, {'g', 0}, {' ', 0}, {'G', 0},
    };
    for (auto [c, value] : cases)
        EXPECT_EQ(HexCharValue(c), value) << c;
}

TEST(PadBinText, PadsDecimalDigitsToEight)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0", "00000000"}, {"101", "00000101"}, {"11111111", "11111111"}, {"007", "00000007"},
        {"  101", "00000101"}, {"+1", "00000001"}, {"-1", "-00000001"}, {"123456789", "123456789"},
    };
    for (auto [text, padded] : cases)
        EXPECT_EQ(PadBinText(text), padded) << text;
}

TEST(PadBinText, RefusesTextThatIsNoDecimalInteger)
{
    for (const char *text : {"", " ", "abc", "1a", "12 ", "-", "+", "1.5", "$FF", "99999999999999999999"}) {
        try {
            PadBinText(text);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Error &e) {
            EXPECT_EQ(std::string(e.what()), std::string("'") + text + "' is not a valid integer value");
        }
    }
}

TEST(parseDecimalInteger, ReachesBothEndsOfSixtyFourBits)
{
    EXPECT_EQ(parseDecimalInteger("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(parseDecimalInteger("-9223372036854775808"), INT64_MIN);
    EXPECT_THROW(parseDecimalInteger("9223372036854775808"), Error);
    EXPECT_THROW(parseDecimalInteger("-9223372036854775809"), Error);
}

TEST(twoDigitHex, PadsAndUpperCases)
{
    EXPECT_EQ(twoDigitHex(0), "00");
    EXPECT_EQ(twoDigitHex(15), "0F");
    EXPECT_EQ(twoDigitHex(255), "FF");
}

} // namespace
} // namespace zandrel
