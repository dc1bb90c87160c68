// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>
#include <optional>

// Reload values of an 8051 timer, for an interval or for a serial baud rate.
namespace zandrel {

enum class TimerMode { Mode0 = 0, Mode1 = 1, Mode2 = 2 };

struct TimerReload
{
    std::uint8_t th = 0;
    std::uint8_t tl = 0;
    // The machine cycles counted (interval), or the count below 256 (baud rate).
    std::int64_t count = 0;
    // What the reload really gives: seconds for an interval, bits per second for a rate.
    double actual = 0;
    // (actual - wanted) / wanted, in per cent.
    double errorPercent = 0;
};

// The most machine cycles the mode counts: 8,192, 65,536 or 256.
std::int64_t timerCounts(TimerMode mode);

// The longest interval, in seconds, the mode can time with that crystal (MHz) and clocks per
// machine cycle.
double longestInterval(double crystalMhz, int clocks, TimerMode mode);

// The reload for an interval in seconds: n = round(seconds * f / clocks) machine cycles.
// Nothing when n is 0 or more than the mode counts.
std::optional<TimerReload> intervalReload(double crystalMhz, int clocks, TimerMode mode, double seconds);

// Timer 1 in mode 2 as the baud-rate generator of serial modes 1 and 3, SMOD doubling the
// rate: TH1 = TL1 = 256 - round(2^smod * f / (32 * clocks * rate)). Nothing when that count
// falls outside 1 to 255.
std::optional<TimerReload> baudReload(double crystalMhz, int clocks, bool smod, double rate);

// A 16-bit auto-reload timer as a baud-rate generator, a bit lasting bitClocks clocks for each
// count: the reload is 65536 - round(f / (bitClocks * rate)). Nothing when that count falls
// outside 1 to 65535.
std::optional<TimerReload> baudReload16(double crystalMhz, int bitClocks, double rate);

} // namespace zandrel
