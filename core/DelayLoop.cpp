// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/DelayLoop.h"

#include <algorithm>
#include <cmath>

namespace zandrel {

namespace {

// Every DJNZ of a nest jumps back to the innermost one, so once a counter has run out it
// stays at 0 and each later pass of its loop runs 256 times.

// Cycles of the loops of `depth` counters when every one of them starts at 0.
std::int64_t fullPass(int depth)
{
    if (depth == 0)
        return 0;
    std::int64_t cycles = 256 * kDjnzCycles;
    for (int d = 1; d < depth; ++d)
        cycles = 256 * (cycles + kDjnzCycles);
    return cycles;
}

// Every counter at 1: each DJNZ once.
std::int64_t shortestPass(int depth)
{
    return depth * kDjnzCycles;
}

// Appends the counters of the longest first pass that fits into budget (at least
// shortestPass(depth)) and returns its cycles. Its outermost count picks the block of passes
// that the budget falls into; every pass in a higher block is longer than every one in a
// lower block, so the inner counters only have to fill the rest.
std::int64_t fillPass(int depth, std::int64_t budget, std::vector<int> &counts)
{
    if (depth == 1) {
        const int count = static_cast<int>(std::min<std::int64_t>(256, budget / kDjnzCycles));
        counts.push_back(count);
        return count * kDjnzCycles;
    }
    const std::int64_t block = fullPass(depth - 1) + kDjnzCycles;
    const std::int64_t count = std::clamp<std::int64_t>(
        (budget - shortestPass(depth - 1) - kDjnzCycles) / block + 1, 1, 256);
    counts.push_back(static_cast<int>(count));
    const std::int64_t outer = kDjnzCycles + (count - 1) * block;
    return outer + fillPass(depth - 1, budget - outer, counts);
}

} // namespace

std::optional<DelayLoop> delayLoop(std::int64_t cycles)
{
    if (cycles < kShortestDelayCycles)
        return std::nullopt;
    // Of the loops of each depth, the shortest code: a counter is a MOV and a DJNZ of two bytes
    // each, a NOP one byte.
    std::optional<DelayLoop> best;
    std::int64_t bestBytes = 0;
    for (int depth = 0; depth <= kMaxDelayCounters; ++depth) {
        const std::int64_t budget = cycles - kShortestDelayCycles - depth * kMovRnCycles;
        // Past its longest loop, a depth would take more NOPs than any loop needs.
        if (budget < shortestPass(depth) || budget > fullPass(depth) + kMaxDelayNops * kNopCycles)
            continue;
        DelayLoop loop;
        const std::int64_t pass = depth > 0 ? fillPass(depth, budget, loop.counts) : 0;
        // An outermost loop that runs once is three cycles of load and DJNZ: three NOPs say so
        // plainly, in less code, and leave no loop for a compiler to see through.
        std::int64_t nops = budget - pass;
        while (!loop.counts.empty() && loop.counts.front() == 1) {
            loop.counts.erase(loop.counts.begin());
            nops += kMovRnCycles + kDjnzCycles;
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
    DelayPlan plan{
        crystalMhz, clocks, seconds, std::llround(seconds * crystalMhz * 1e6 / clocks), {}};
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

} // namespace zandrel
