// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimerReload.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

struct IntervalCase
{
    double mhz;
    int clocks;
    TimerMode mode;
    double seconds;
    int th; // -1: refused
    int tl;
};

TEST(intervalReload, countsMachineCyclesWithinTheMode)
{
    const IntervalCase cases[] = {
        {12, 12, TimerMode::Mode1, 50e-3, 0x3C, 0xB0},
        {12, 12, TimerMode::Mode1, 65.536e-3, 0x00, 0x00},  // all 65,536 counts
        {12, 12, TimerMode::Mode1, 65.537e-3, -1, -1},
        {12, 12, TimerMode::Mode1, 1e-6, 0xFF, 0xFF},
        {12, 12, TimerMode::Mode1, 0.4e-6, -1, -1},          // rounds to no cycle at all
        {12, 12, TimerMode::Mode2, 200e-6, 0x38, 0x38},
        {12, 12, TimerMode::Mode2, 257e-6, -1, -1},
        {12, 12, TimerMode::Mode0, 5e-3, 0x63, 0x18},        // 8192 - 5000 = 3192
        {12, 12, TimerMode::Mode0, 8.193e-3, -1, -1},
        {24, 1, TimerMode::Mode1, 1e-3, 0xA2, 0x40},         // 24,000 counts
        {11.0592, 6, TimerMode::Mode1, 10e-3, 0xB8, 0x00},   // 18,432 counts
    };
    for (const IntervalCase &c : cases) {
        const auto reload = intervalReload(c.mhz, c.clocks, c.mode, c.seconds);
        if (c.th < 0) {
            EXPECT_FALSE(reload) << c.seconds;
            continue;
        }
        ASSERT_TRUE(reload) << c.seconds;
        EXPECT_EQ(reload->th, c.th) << c.seconds;
        EXPECT_EQ(reload->tl, c.tl) << c.seconds;
    }
    EXPECT_NEAR(intervalReload(12, 12, TimerMode::Mode1, 50e-3)->errorPercent, 0, 1e-9);
    EXPECT_DOUBLE_EQ(longestInterval(12, 12, TimerMode::Mode1), 65.536e-3);
}

struct BaudCase
{
    double mhz;
    int clocks;
    bool smod;
    double rate;
    int reload; // -1: refused
    double errorPercent;
};

TEST(baudReload, dividesTheCrystalInTimerOneModeTwo)
{
    const BaudCase cases[] = {
        {11.0592, 12, false, 9600, 0xFD, 0.0},  {12, 12, false, 9600, 0xFD, 8.5069},
        {11.0592, 12, true, 19200, 0xFD, 0.0},  {11.0592, 12, false, 300, 0xA0, 0.0},
        {11.0592, 12, false, 115200, -1, 0},   {11.0592, 1, false, 115200, 0xFD, 0.0},
        {12, 12, false, 100, -1, 0},            {12, 12, false, 1e9, -1, 0},
    };
    for (const BaudCase &c : cases) {
        const auto reload = baudReload(c.mhz, c.clocks, c.smod, c.rate);
        if (c.reload < 0) {
            EXPECT_FALSE(reload) << c.rate;
            continue;
        }
        ASSERT_TRUE(reload) << c.rate;
        EXPECT_EQ(reload->th, c.reload) << c.rate;
        EXPECT_EQ(reload->tl, c.reload) << c.rate;
        EXPECT_NEAR(reload->errorPercent, c.errorPercent, 1e-3) << c.rate;
    }
}

} // namespace
} // namespace zandrel
