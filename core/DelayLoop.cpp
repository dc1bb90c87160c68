// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/DelayLoop.h"

#include <algorithm>
#include <cmath>

namespace zandrel {

namespace {

// Every DJNZ of a nest jumps back to the innermost one, so once a counter has run out it
// stays at 0 and each later pass of its loop runs 256 times. A counter's DJNZ falls through
// once a pass of its loop and jumps every other time.

// Clocks of the loops of `depth` counters when every one of them starts at 0.
std::int64_t fullPass(int depth, const InstructionClocks &c)
{
    if (depth == 0)
        return 0;
    std::int64_t cycles = 255 * c.djnzTaken + c.djnzNotTaken;
    for (int d = 1; d < depth; ++d)
        cycles = 256 * cycles + 255 * c.djnzTaken + c.djnzNotTaken;
    return cycles;
}

// Every counter at 1: each DJNZ once, falling through.
std::int64_t shortestPass(int depth, const InstructionClocks &c)
{
    return depth * c.djnzNotTaken;
}

// Appends the counters of the longest first pass that fits into budget (at least
// shortestPass(depth)) and returns its units. Its outermost count picks the block of passes
// that the budget falls into; every pass in a higher block is longer than every one in a
// lower block, so the inner counters only have to fill the rest.
std::int64_t fillPass(int depth, std::int64_t budget, std::vector<int> &counts,
                      const InstructionClocks &c)
{
    if (depth == 1) {
        const int count = static_cast<int>(
            std::min<std::int64_t>(256, (budget - c.djnzNotTaken) / c.djnzTaken + 1));
        counts.push_back(count);
        return (count - 1) * c.djnzTaken + c.djnzNotTaken;
    }
    const std::int64_t block = fullPass(depth - 1, c) + c.djnzTaken;
    const std::int64_t count = std::clamp<std::int64_t>(
        (budget - shortestPass(depth - 1, c) - c.djnzNotTaken) / block + 1, 1, 256);
    counts.push_back(static_cast<int>(count));
    const std::int64_t outer = c.djnzNotTaken + (count - 1) * block;
    return outer + fillPass(depth - 1, budget - outer, counts, c);
}

} // namespace

std::optional<DelayLoop> delayLoop(std::int64_t cycles)
{
    return delayLoop(cycles, instructionClocks(InstructionSet::Classic));
}

std::optional<DelayLoop> delayLoop(std::int64_t units, const InstructionClocks &clocks)
{
    if (units < clocks.callReturn)
        return std::nullopt;
    // Of the loops of each depth, the shortest code: a counter is a MOV and a DJNZ of two bytes
    // each, a NOP one byte.
    std::optional<DelayLoop> best;
    std::int64_t bestBytes = 0;
    for (int depth = 0; depth <= kMaxDelayCounters; ++depth) {
        const std::int64_t budget = units - clocks.callReturn - depth * clocks.movRn;
        // Past its longest loop, a depth would take more NOPs than any loop needs.
        if (budget < shortestPass(depth, clocks) ||
            budget > fullPass(depth, clocks) + kMaxDelayNops * clocks.nop)
            continue;
        DelayLoop loop;
        const std::int64_t pass = depth > 0 ? fillPass(depth, budget, loop.counts, clocks) : 0;
        // An outermost loop that runs once is a load and a DJNZ: as many NOPs say so plainly
        // and leave no loop for a compiler to see through.
        std::int64_t nops = (budget - pass) / clocks.nop;
        while (!loop.counts.empty() && loop.counts.front() == 1) {
            loop.counts.erase(loop.counts.begin());
            nops += (clocks.movRn + clocks.djnzNotTaken) / clocks.nop;
        }
        const std::int64_t bytes = 4 * static_cast<std::int64_t>(loop.counts.size()) + nops;
        if (!best || bytes < bestBytes) {
            loop.nops = static_cast<int>(nops);
            best = loop;
            bestBytes = bytes;
        }
    }
    return best;
}

std::optional<DelayPlan> delayFor(double crystalMhz, int clocks, double seconds)
{
    // A hair of tolerance, so that 10 s written as 10000000us is not refused for rounding.
    if (!(seconds <= kLongestDelaySeconds * (1 + 1e-12)))
        return std::nullopt;
    DelayPlan plan{crystalMhz, clocks,
                   seconds,    std::llround(seconds * crystalMhz * 1e6 / clocks),
                   {},         coreOfClocks(clocks).value_or(CpuCore::Classic12T)};
    const std::optional<DelayLoop> loop = delayLoop(plan.cycles);
    if (!loop)
        return std::nullopt;
    plan.loop = *loop;
    return plan;
}

double shortestDelaySeconds(double crystalMhz, int clocks)
{
    return static_cast<double>(kShortestDelayCycles) * clocks / (crystalMhz * 1e6);
}

std::optional<std::string> delayUsageError(const DelaySettings &settings)
{
    if (settings.core == CpuCore::Generic1T)
        return "不支持 --clocks 1：1T内核的指令时序因系列而异，请用 --core stc12、stc15 或 stc8 "
               "选择内核";
    return std::nullopt;
}

std::optional<DelayPlan> delayFor(const DelaySettings &settings)
{
    const CoreFacts &facts = coreFacts(settings.core);
    if (facts.set == InstructionSet::Classic) {
        std::optional<DelayPlan> plan =
            delayFor(settings.crystalMhz, facts.clocks, settings.seconds);
        if (plan)
            plan->core = settings.core;
        return plan;
    }
    if (!(settings.seconds <= kLongestDelaySeconds * (1 + 1e-12)))
        return std::nullopt;
    DelayPlan plan{settings.crystalMhz,
                   1,
                   settings.seconds,
                   std::llround(settings.seconds * settings.crystalMhz * 1e6),
                   {},
                   settings.core};
    const std::optional<DelayLoop> loop = delayLoop(plan.cycles, instructionClocks(facts.set));
    if (!loop)
        return std::nullopt;
    plan.loop = *loop;
    return plan;
}

double shortestDelaySeconds(const DelaySettings &settings)
{
    const CoreFacts &facts = coreFacts(settings.core);
    return static_cast<double>(instructionClocks(facts.set).callReturn) *
           delayUnitClocks(settings.core) / (settings.crystalMhz * 1e6);
}

} // namespace zandrel
