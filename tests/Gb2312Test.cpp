// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Gb2312.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(isAssignedGb2312, knowsTheSymbolZonesAndTheHanzi)
{
    int assigned = 0;
    for (int hi = 0; hi < 256; ++hi)
        for (int lo = 0; lo < 256; ++lo)
            assigned += isAssignedGb2312(static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo));
    EXPECT_EQ(assigned, 7445);
    const struct
    {
        std::uint8_t hi, lo;
        bool assigned;
    } cases[] = {
        {0xA1, 0xA1, true}, {0xA2, 0xA1, false}, {0xA2, 0xB1, true},  {0xA2, 0xFC, true},
        {0xA9, 0xA3, false}, {0xA9, 0xA4, true}, {0xAA, 0xA1, false}, {0xB0, 0xA1, true},
        {0xD7, 0xF9, true}, {0xD7, 0xFA, false}, {0xF7, 0xFE, true},  {0xF8, 0xA1, false},
        {0xB0, 0xA0, false}, {0xB0, 0xFF, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isAssignedGb2312(c.hi, c.lo), c.assigned) << std::hex << int(c.hi) << int(c.lo);
}

TEST(isPrivateUse, coversTheThreeAreas)
{
    for (char32_t c : {0xE000u, 0xF8FFu, 0xF0000u, 0xFFFFDu, 0x100000u, 0x10FFFDu})
        EXPECT_TRUE(isPrivateUse(c)) << std::hex << unsigned(c);
    for (char32_t c : {0xDFFFu, 0xF900u, 0x6D4Bu, 0xEFFFFu, 0xFFFFEu, 0x10FFFEu})
        EXPECT_FALSE(isPrivateUse(c)) << std::hex << unsigned(c);
}

} // namespace
} // namespace zandrel
