// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/CpuCore.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Software delays: nested DJNZ loops with NOP padding, counted from the caller's LCALL to the
// end of RET, to the machine cycle on the classic 8051 core, 12 (or, in X2 mode, 6) clocks a
// cycle, and to the clock on STC's 1T cores.
namespace zandrel {

// Machine cycles of the instructions a delay is made of, as the chip runs them.
inline constexpr int kLcallCycles = 2;
inline constexpr int kRetCycles = 2;
inline constexpr int kMovRnCycles = 1; // MOV Rn,#data
inline constexpr int kDjnzCycles = 2;  // DJNZ Rn,rel, whether it jumps or not
inline constexpr int kNopCycles = 1;

// An empty function: its call and its return.
inline constexpr std::int64_t kShortestDelayCycles = kLcallCycles + kRetCycles;
inline constexpr int kMaxDelayCounters = 4;
// The most NOPs a loop of those counters needs, for the counts that fall between two of an
// outer counter's steps.
inline constexpr int kMaxDelayNops = 10;
inline constexpr double kLongestDelaySeconds = 10;

struct DelayLoop
{
    // Counter values, the outermost first. A counter's loop runs that many times on its first
    // pass and 256 times on every later one; 256 is loaded as 0.
    std::vector<int> counts;
    int nops = 0; // before the loads
};

// The loop that takes exactly that many machine cycles in the fewest code bytes, with no
// loop that runs only once. Nothing below kShortestDelayCycles or beyond what
// kMaxDelayCounters counters reach.
std::optional<DelayLoop> delayLoop(std::int64_t cycles);

// The same for an instruction set, counted in its units (clocks on STC's cores). A DJNZ that
// jumps may take longer than one that falls through, as on STC8.
std::optional<DelayLoop> delayLoop(std::int64_t units, const InstructionClocks &clocks);

struct DelayPlan
{
    double crystalMhz = 0;
    int clocks = 12; // per machine cycle
    double wantedSeconds = 0;
    std::int64_t cycles = 0; // the nearest whole number to the wanted time
    DelayLoop loop;
    CpuCore core = CpuCore::Classic12T; // its instruction set counts cycles; clocks is 1 on STC's

    double actualSeconds() const
    {
        return static_cast<double>(cycles) * clocks / (crystalMhz * 1e6);
    }
};

// The delay nearest to seconds. Nothing when that is below the shortest function or seconds
// is above kLongestDelaySeconds.
std::optional<DelayPlan> delayFor(double crystalMhz, int clocks, double seconds);

// The shortest delay in seconds with that crystal.
double shortestDelaySeconds(double crystalMhz, int clocks);

struct DelaySettings
{
    CpuCore core = CpuCore::Classic12T;
    double crystalMhz = 0;
    double seconds = 0;
};

// A core whose instruction timings are not known: the generic 1T one.
std::optional<std::string> delayUsageError(const DelaySettings &settings);

// The delay nearest to the time on the core, counted in its instruction set's units.
std::optional<DelayPlan> delayFor(const DelaySettings &settings);
double shortestDelaySeconds(const DelaySettings &settings);

} // namespace zandrel
