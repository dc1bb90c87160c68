// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/DelayLoop.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

// Runs the loop as the chip does, one DJNZ at a time: each decrements its register and jumps
// back to the innermost DJNZ until the register reaches 0. On STC8 a DJNZ that jumps takes
// longer than one that falls through.
std::int64_t executedCycles(const DelayLoop &loop,
                            const InstructionClocks &c = instructionClocks(InstructionSet::Classic))
{
    const int depth = static_cast<int>(loop.counts.size());
    std::int64_t cycles = c.callReturn + loop.nops * c.nop + depth * c.movRn;
    std::vector<std::uint8_t> registers(loop.counts.begin(), loop.counts.end());
    for (int level = depth - 1; level >= 0;) {
        const bool jumps = --registers[level] != 0;
        cycles += jumps ? c.djnzTaken : c.djnzNotTaken;
        level = jumps ? depth - 1 : level - 1;
    }
    return cycles;
}

TEST(delayLoop, takesExactlyTheCyclesAskedFor)
{
    // Every count up to past the first gap of two counters, then the edges where a counter is
    // added, and long delays.
    std::vector<std::int64_t> counts;
    for (std::int64_t n = 4; n <= 2100; ++n)
        counts.push_back(n);
    for (std::int64_t edge : {131586, 131592, 263172, 33686024})
        for (std::int64_t d = -2; d <= 2; ++d)
            counts.push_back(edge + d);
    for (std::int64_t n : {921600, 1000000, 9216000, 10000000})
        counts.push_back(n);
    for (const std::int64_t n : counts) {
        const std::optional<DelayLoop> loop = delayLoop(n);
        ASSERT_TRUE(loop) << n;
        EXPECT_EQ(executedCycles(*loop), n) << n;
        EXPECT_LE(loop->nops, kMaxDelayNops) << n;
        for (const int count : loop->counts)
            EXPECT_TRUE(count >= 1 && count <= 256) << n;
        EXPECT_TRUE(loop->counts.empty() || loop->counts.front() > 1) << n; // no loop run once
    }
}

TEST(delayLoop, takesExactlyTheClocksOfEachInstructionSet)
{
    std::vector<std::int64_t> counts;
    for (std::int64_t n = 10; n <= 3000; ++n)
        counts.push_back(n);
    for (std::int64_t edge : {197125, 197888, 50462980, 67372036})
        for (std::int64_t d = -3; d <= 3; ++d)
            counts.push_back(edge + d);
    for (std::int64_t n : {11059, 24000000, 110592000, 1000000000})
        counts.push_back(n);
    for (const InstructionSet set :
         {InstructionSet::StcY3, InstructionSet::StcY5, InstructionSet::StcY6}) {
        const InstructionClocks clocks = instructionClocks(set);
        for (const std::int64_t n : counts) {
            const std::optional<DelayLoop> loop = delayLoop(n, clocks);
            ASSERT_TRUE(loop) << static_cast<int>(set) << ": " << n;
            EXPECT_EQ(executedCycles(*loop, clocks), n) << static_cast<int>(set) << ": " << n;
            // The padding of a loop, and the NOPs that stand for an outer loop run once.
            EXPECT_LE(loop->nops, kMaxDelayNops + clocks.movRn + clocks.djnzNotTaken) << n;
            EXPECT_TRUE(loop->counts.empty() || loop->counts.front() > 1) << n;
        }
    }
}

TEST(delayLoop, refusesWhatNoFunctionTakes)
{
    EXPECT_FALSE(delayLoop(3));
    EXPECT_FALSE(delayLoop(-1));
    EXPECT_FALSE(delayLoop(8623620608LL + 100)); // beyond four counters
}

TEST(delayFor, roundsToTheNearestCycleWithinTenSeconds)
{
    struct Case
    {
        double mhz;
        int clocks;
        double seconds;
        std::int64_t cycles; // 0: refused
    };
    const Case cases[] = {
        {11.0592, 12, 1e-3, 922}, {12, 12, 50e-6, 50},     {12, 12, 3.4e-6, 0},
        {12, 12, 3.6e-6, 4},      {24, 6, 1e-3, 4000},     {12, 12, 10, 10000000},
        {12, 12, 10.0000001, 0},  {100, 6, 10, 166666667},
    };
    for (const Case &c : cases) {
        const std::optional<DelayPlan> plan = delayFor(c.mhz, c.clocks, c.seconds);
        EXPECT_EQ(plan ? plan->cycles : 0, c.cycles) << c.seconds;
        if (plan) {
            EXPECT_EQ(executedCycles(plan->loop), c.cycles) << c.seconds;
        }
    }
}

} // namespace
} // namespace zandrel
