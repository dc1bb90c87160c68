// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/CodeText.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(CodeText, writesEachDialectsForms)
{
    const struct
    {
        unsigned value;
        int digits;
        Dialect dialect;
        const char *literal;
    } literals[] = {
        {0x3C, 2, Dialect::KeilC51, "0x3C"},  {0x3C, 2, Dialect::Sdcc, "0x3C"},
        {0x3C, 2, Dialect::A51, "3CH"},       {0xFD, 2, Dialect::A51, "0FDH"},
        {0x5, 1, Dialect::A51, "5H"},         {0xFC18, 4, Dialect::A51, "0FC18H"},
        {0x1, 4, Dialect::KeilC51, "0x0001"}, {0xABCDEF12, 2, Dialect::Sdcc, "0xABCDEF12"},
    };
    for (const auto &l : literals)
        EXPECT_EQ(hexLiteral(l.value, l.digits, l.dialect), l.literal);

    const std::uint8_t bytes[] = {0x00, 0x7F, 0xE5};
    EXPECT_EQ(byteList(bytes, Dialect::Sdcc), "0x00,0x7F,0xE5");
    EXPECT_EQ(byteList(bytes, Dialect::A51), "000H,07FH,0E5H");
    EXPECT_EQ(codeSpace(Dialect::KeilC51), "code");
    EXPECT_EQ(codeSpace(Dialect::Sdcc), "__code");
    // A C comment ending in a backslash would run on into the next line.
    EXPECT_EQ(lineComment("\\", Dialect::KeilC51), "//\\ (5CH)");
    EXPECT_EQ(lineComment("\\", Dialect::A51), ";\\");
    EXPECT_EQ(lineComment("测", Dialect::Sdcc), "//测");
}

} // namespace
} // namespace zandrel
