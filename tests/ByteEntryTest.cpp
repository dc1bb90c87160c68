// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/ByteEntry.h"
#include "core/Error.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

using Reader = ByteEntry (*)(std::string_view);

struct Case
{
    const char *name;
    Reader read;
    const char *text;
    ByteEntry::Kind kind;
    int value;
    const char *message;
};

constexpr auto kBlank = ByteEntry::Kind::Blank;
constexpr auto kValue = ByteEntry::Kind::Value;
constexpr auto kRefused = ByteEntry::Kind::Refused;

const Case cases[] = {
    {"binary padded", readBinaryEntry, "101", kValue, 5, ""},
    {"binary with leading blanks", readBinaryEntry, " 11", kValue, 3, ""},
    {"binary all ones", readBinaryEntry, "11111111", kValue, 255, ""},
    {"binary blank", readBinaryEntry, " \t", kBlank, 0, ""},
    {"binary other digits", readBinaryEntry, "12", kRefused, 0, "数值只能是00000000~11111111"},
    {"binary negative", readBinaryEntry, "-1", kRefused, 0, "数值只能是00000000~11111111"},
    {"binary nine digits", readBinaryEntry, "100000000", kRefused, 0, "数值只能是00000000~11111111"},
    {"decimal", readDecimalEntry, "255", kValue, 255, ""},
    {"decimal leading zeros", readDecimalEntry, "007", kValue, 7, ""},
    {"decimal 256", readDecimalEntry, "256", kRefused, 0, "数值只能是0~255"},
    {"decimal negative", readDecimalEntry, "-5", kRefused, 0, "数值只能是0~255"},
    {"decimal blank", readDecimalEntry, "", kBlank, 0, ""},
    {"hex one digit", readHexEntry, "f", kValue, 15, ""},
    {"hex two digits", readHexEntry, "A0", kValue, 160, ""},
    {"hex blanks around", readHexEntry, " 7 ", kValue, 7, ""},
    {"hex three digits", readHexEntry, "1FF", kRefused, 0, "数值只能是00~FF"},
    {"hex foreign digit", readHexEntry, "1G", kRefused, 0, "数值只能是00~FF"},
    {"hex blank inside", readHexEntry, "1 F", kRefused, 0, "数值只能是00~FF"},
    {"hex non-ASCII", readHexEntry, "\xE6\x95\xB0", kRefused, 0, "数值只能是00~FF"},
    {"hex blank", readHexEntry, "   ", kBlank, 0, ""},
};

TEST(ByteEntry, ReadsRefusesOrIgnoresEachBox)
{
    for (const Case &c : cases) {
        const ByteEntry entry = c.read(c.text);
        EXPECT_EQ(entry.kind, c.kind) << c.name;
        EXPECT_EQ(entry.value, c.value) << c.name;
        EXPECT_EQ(entry.message, c.message) << c.name;
    }
}

TEST(ByteEntry, NonIntegerBinaryAndDecimalTextThrows)
{
    EXPECT_THROW(readBinaryEntry("1A"), Error);
    EXPECT_THROW(readDecimalEntry("1.5"), Error);
    EXPECT_THROW(readDecimalEntry("5 "), Error);
}

} // namespace
} // namespace zandrel
