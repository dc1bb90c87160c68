// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimerReload.h"

#include <cmath>

namespace zandrel {

std::int64_t timerCounts(TimerMode mode)
{
    switch (mode) {
    case TimerMode::Mode0:
        return 8192;
    case TimerMode::Mode2:
        return 256;
    case TimerMode::Mode1:
        break;
    }
    return 65536;
}

double longestInterval(double crystalMhz, int clocks, TimerMode mode)
{
    return static_cast<double>(timerCounts(mode)) * clocks / (crystalMhz * 1e6);
}

std::optional<TimerReload> intervalReload(double crystalMhz, int clocks, TimerMode mode, double seconds)
{
    const double cycles = seconds * crystalMhz * 1e6 / clocks;
    const std::int64_t counts = timerCounts(mode);
    if (!(cycles < static_cast<double>(counts) + 0.5))
        return std::nullopt;
    const std::int64_t n = std::llround(cycles);
    if (n < 1)
        return std::nullopt;
    const std::int64_t reload = counts - n;
    TimerReload result;
    result.count = n;
    switch (mode) {
    case TimerMode::Mode0:
        result.th = static_cast<std::uint8_t>(reload >> 5);
        result.tl = static_cast<std::uint8_t>(reload & 0x1F);
        break;
    case TimerMode::Mode1:
        result.th = static_cast<std::uint8_t>(reload >> 8);
        result.tl = static_cast<std::uint8_t>(reload & 0xFF);
        break;
    case TimerMode::Mode2:
        result.th = result.tl = static_cast<std::uint8_t>(reload);
        break;
    }
    result.actual = static_cast<double>(n) * clocks / (crystalMhz * 1e6);
    result.errorPercent = (result.actual - seconds) / seconds * 100;
    return result;
}

std::optional<TimerReload> baudReload(double crystalMhz, int clocks, bool smod, double rate)
{
    const double f = crystalMhz * 1e6;
    const double scale = smod ? 2.0 : 1.0;
    const double count = scale * f / (32.0 * clocks * rate);
    if (!(count < 255.5))
        return std::nullopt;
    const std::int64_t n = std::llround(count);
    if (n < 1)
        return std::nullopt;
    TimerReload result;
    result.count = n;
    result.th = result.tl = static_cast<std::uint8_t>(256 - n);
    result.actual = scale * f / (32.0 * clocks * static_cast<double>(n));
    result.errorPercent = (result.actual - rate) / rate * 100;
    return result;
}

std::optional<TimerReload> baudReload16(double crystalMhz, int bitClocks, double rate)
{
    const double f = crystalMhz * 1e6;
    const double count = f / (static_cast<double>(bitClocks) * rate);
    if (!(count < 65535.5))
        return std::nullopt;
    const std::int64_t n = std::llround(count);
    if (n < 1)
        return std::nullopt;
    TimerReload result;
    result.count = n;
    result.th = static_cast<std::uint8_t>((65536 - n) >> 8);
    result.tl = static_cast<std::uint8_t>((65536 - n) & 0xFF);
    result.actual = f / (static_cast<double>(bitClocks) * static_cast<double>(n));
    result.errorPercent = (result.actual - rate) / rate * 100;
    return result;
}

} // namespace zandrel
