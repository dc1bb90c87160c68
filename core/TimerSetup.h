// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/CpuCore.h"
#include "core/TimerReload.h"

#include <optional>
#include <string>
#include <vector>

// Which timer, mode, timer clock and SMOD make an interval or a baud rate on a core, and the
// reload they take: the classic Timer 0 and 1, the 8052's Timer 2, STC's Timer 2 (T2H, T2L)
// and STC12's BRT.
namespace zandrel {

enum class TimerTask { Interval, Baud, BaudTable };
enum class BaudTimer { Timer1, Timer2, Brt };
// On a core with AUXR: the system clock (1T) or a twelfth of it (12T).
enum class TimerClock { Auto, OneT, TwelveT };

// What the user asked for; an option not given is empty (or Auto).
struct TimerSettings
{
    CpuCore core = CpuCore::Classic12T;
    double crystalMhz = 0;
    TimerTask task = TimerTask::Interval;
    double seconds = 0;                 // Interval
    double baud = 0;                    // Baud
    std::optional<int> timer;           // Interval: 0, 1 or 2; Timer 0 when empty
    std::optional<BaudTimer> baudTimer; // Baud, BaudTable: Timer 1 when empty
    std::optional<int> mode;            // 0, 1 or 2; the core's default when empty
    bool smod = false;                  // SMOD = 1 asked for
    TimerClock timerClock = TimerClock::Auto;
};

enum class TimerUnit {
    Timer0,
    Timer1,
    Timer2,    // the 8052's: T2CON, RCAP2L/RCAP2H, TL2/TH2
    StcTimer2, // STC's: T2L/T2H, run and clocked in AUXR
    Brt,       // STC12's independent baud-rate generator
};

enum class Counter { Bits13, Bits16, Reload16, Reload8 };

struct TimerSetup
{
    TimerUnit unit = TimerUnit::Timer0;
    bool baud = false; // makes the serial port's rate
    int mode = -1;     // TMOD's mode of Timer 0 or 1; -1 for the others
    Counter counter = Counter::Bits16;
    int timerClocks = 12;     // clocks a count takes: 12 or 6 on the classic core, 1 or 12 on STC's
    bool auxr = false;        // the clock is set in AUXR: oneT says which
    bool oneT = false;        // counts the system clock
    bool smodMatters = false; // the rate depends on PCON's SMOD
    bool smod = false;
    TimerReload reload; // the reload's high and low bytes (both the reload for an 8-bit one)
};

// An option that does not fit the task or the core, as the usage error the user is shown.
std::optional<std::string> timerUsageError(const TimerSettings &settings);

struct TimerOutcome
{
    std::optional<TimerSetup> setup;
    std::string refusal; // why there is none
};

// The setup for an interval or a baud rate (timerUsageError first). Where the clock is not
// given, the one with the smaller error, 1T when they tie.
TimerOutcome timerSetup(const TimerSettings &settings);

inline constexpr double kUsableBaudErrorPercent = 2;

struct BaudRow
{
    int rate = 0;
    std::optional<TimerSetup> setup; // empty when no reload makes it
    bool usable = false;             // within kUsableBaudErrorPercent
};

// The standard rates (230400 and 460800 too on a 1T core), each with the mode, SMOD and clock
// given, or else those with the smallest error.
std::vector<BaudRow> baudTable(const TimerSettings &settings);

// The modes of Timer 0 and 1 on the core, in order: "方式0：16位自动重装" and so on.
std::vector<std::string> timerModeNames(CpuCore core);

} // namespace zandrel
