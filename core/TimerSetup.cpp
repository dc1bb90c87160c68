// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimerSetup.h"

#include "core/TimingCode.h"

#include <cmath>
#include <cstdio>

namespace zandrel {

namespace {

bool hasTimer2(const CoreFacts &facts)
{
    return facts.stcTimer2 || (facts.set == InstructionSet::Classic && facts.clocks != 1);
}

// Timer 0 or 1's counter in a mode: STC15 and STC8 reload 16 bits in mode 0.
Counter counterOf(const CoreFacts &facts, int mode)
{
    switch (mode) {
    case 0:
        return facts.autoReload16 ? Counter::Reload16 : Counter::Bits13;
    case 2:
        return Counter::Reload8;
    default:
        return Counter::Bits16;
    }
}

// The mode a timer takes when none is given: 16-bit auto-reload where the core has it.
int defaultMode(const CoreFacts &facts, TimerTask task)
{
    if (facts.autoReload16)
        return 0;
    return task == TimerTask::Interval ? 1 : 2;
}

TimerMode layoutOf(Counter counter)
{
    switch (counter) {
    case Counter::Bits13:
        return TimerMode::Mode0;
    case Counter::Reload8:
        return TimerMode::Mode2;
    case Counter::Bits16:
    case Counter::Reload16:
        break;
    }
    return TimerMode::Mode1;
}

// The clocks a count may take: the core's own, or 1T and 12T (in that order) where AUXR sets it.
std::vector<int> clockChoices(const CoreFacts &facts, TimerClock clock)
{
    if (!facts.auxr)
        return {facts.clocks};
    switch (clock) {
    case TimerClock::OneT:
        return {1};
    case TimerClock::TwelveT:
        return {12};
    case TimerClock::Auto:
        break;
    }
    return {1, 12};
}

struct BaudChoice
{
    TimerUnit unit;
    int mode; // -1 for Timer 2 and BRT
};

BaudChoice baudChoice(const CoreFacts &facts, const TimerSettings &settings)
{
    switch (settings.baudTimer.value_or(BaudTimer::Timer1)) {
    case BaudTimer::Timer2:
        return {facts.stcTimer2 ? TimerUnit::StcTimer2 : TimerUnit::Timer2, -1};
    case BaudTimer::Brt:
        return {TimerUnit::Brt, -1};
    case BaudTimer::Timer1:
        break;
    }
    return {TimerUnit::Timer1, settings.mode.value_or(defaultMode(facts, settings.task))};
}

bool smodMatters(const CoreFacts &facts, const BaudChoice &choice)
{
    return choice.unit == TimerUnit::Brt ||
           (choice.unit == TimerUnit::Timer1 && counterOf(facts, choice.mode) == Counter::Reload8);
}

// One candidate of a rate: the unit, mode, clock and SMOD fixed.
std::optional<TimerSetup> baudCandidate(const CoreFacts &facts, const BaudChoice &choice,
                                        int clocks, bool smod, double crystalMhz, double rate)
{
    TimerSetup setup;
    setup.unit = choice.unit;
    setup.baud = true;
    setup.mode = choice.mode;
    setup.timerClocks = clocks;
    setup.auxr = facts.auxr;
    setup.oneT = clocks == 1;
    setup.smodMatters = smodMatters(facts, choice);
    setup.smod = smod && setup.smodMatters;
    std::optional<TimerReload> reload;
    if (setup.smodMatters) {
        setup.counter = Counter::Reload8;
        reload = baudReload(crystalMhz, clocks, setup.smod, rate);
    } else {
        setup.counter = Counter::Reload16;
        // The 8052's Timer 2 counts at half the clock (the whole one in X2 mode) and overflows
        // 16 times a bit; STC's Timer 2 and Timer 1 in mode 0 take 4 counts a bit.
        const int bitClocks = choice.unit == TimerUnit::Timer2 ? 16 * (clocks / 6) : 4 * clocks;
        reload = baudReload16(crystalMhz, bitClocks, rate);
    }
    if (!reload)
        return std::nullopt;
    setup.reload = *reload;
    return setup;
}

// Of the candidates, the first with the smallest error.
void keepBetter(std::optional<TimerSetup> &best, const std::optional<TimerSetup> &candidate)
{
    if (candidate &&
        (!best || std::abs(candidate->reload.errorPercent) < std::abs(best->reload.errorPercent)))
        best = candidate;
}

std::optional<TimerSetup> bestBaud(const CoreFacts &facts, const TimerSettings &settings,
                                   double rate, bool searchModes)
{
    std::vector<BaudChoice> choices = {baudChoice(facts, settings)};
    // Timer 1 of STC15 and STC8 makes rates in mode 0 and in mode 2.
    if (searchModes && choices.front().unit == TimerUnit::Timer1 && !settings.mode &&
        facts.autoReload16)
        choices.push_back({TimerUnit::Timer1, 2});
    std::optional<TimerSetup> best;
    for (const BaudChoice &choice : choices) {
        std::vector<bool> smods = {settings.smod};
        if (searchModes && !settings.smod && smodMatters(facts, choice))
            smods.push_back(true);
        for (const bool smod : smods)
            for (const int clocks : clockChoices(facts, settings.timerClock))
                keepBetter(best,
                           baudCandidate(facts, choice, clocks, smod, settings.crystalMhz, rate));
    }
    return best;
}

std::string number(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

} // namespace

std::optional<std::string> timerUsageError(const TimerSettings &settings)
{
    const CoreFacts &facts = coreFacts(settings.core);
    const std::string noTimer2 = facts.brt ? "STC12没有定时器2：波特率可用 --baud-timer brt"
                                           : "--clocks 1 不含定时器2：请用 --core 选择内核";
    if (settings.timerClock != TimerClock::Auto && !facts.auxr)
        return "--timer-clock 只用于定时器时钟可选的1T内核：--core stc12、stc15 或 stc8";
    if (settings.task == TimerTask::Interval) {
        if (settings.smod)
            return "--smod 只用于 --baud";
        if (settings.baudTimer)
            return "--baud-timer 只用于 --baud 和 --baud-table";
        if (settings.timer == 2 && !hasTimer2(facts))
            return noTimer2;
        if (settings.timer == 2 && settings.mode)
            return "定时器2只有16位自动重装一种方式，不用 --mode";
        return std::nullopt;
    }
    if (settings.timer)
        return "--timer 只用于 --interval：产生波特率的定时器由 --baud-timer 选择";
    const BaudTimer timer = settings.baudTimer.value_or(BaudTimer::Timer1);
    if (timer == BaudTimer::Timer2 && !hasTimer2(facts))
        return noTimer2;
    if (timer == BaudTimer::Brt && !facts.brt)
        return "--baud-timer brt 只用于 --core stc12：BRT是STC12的独立波特率发生器";
    if (settings.mode) {
        if (timer != BaudTimer::Timer1)
            return std::string(timer == BaudTimer::Brt ? "BRT" : "定时器2") +
                   "作波特率发生器时没有方式可选，不用 --mode";
        if (!facts.autoReload16)
            return "--mode 只用于 --interval：波特率总用定时器1的方式2";
        if (*settings.mode == 1)
            return "定时器1作波特率发生器只用方式0（16位自动重装）或方式2（8位自动重装）";
    }
    if (settings.smod && !smodMatters(facts, baudChoice(facts, settings))) {
        if (timer == BaudTimer::Timer2)
            return "--smod 在此无效：定时器2作波特率发生器时，波特率与SMOD无关";
        return "--smod 在此无效：定时器1在方式0（16位自动重装）产生的波特率与SMOD无关；"
               "要用SMOD请加 --mode 2";
    }
    return std::nullopt;
}

TimerOutcome timerSetup(const TimerSettings &settings)
{
    const CoreFacts &facts = coreFacts(settings.core);
    TimerOutcome outcome;
    if (settings.task == TimerTask::Baud) {
        outcome.setup = bestBaud(facts, settings, settings.baud, false);
        if (!outcome.setup)
            outcome.refusal = "波特率" + number(settings.baud, 0) + "无法由晶振" +
                              crystalText(settings.crystalMhz) + "MHz产生：重装值超出定时器的范围";
        return outcome;
    }
    const int timer = settings.timer.value_or(0);
    TimerSetup setup;
    setup.auxr = facts.auxr;
    if (timer == 2) {
        setup.unit = facts.stcTimer2 ? TimerUnit::StcTimer2 : TimerUnit::Timer2;
        setup.counter = Counter::Reload16;
    } else {
        setup.unit = timer == 1 ? TimerUnit::Timer1 : TimerUnit::Timer0;
        setup.mode = settings.mode.value_or(defaultMode(facts, TimerTask::Interval));
        setup.counter = counterOf(facts, setup.mode);
    }
    double bestError = 0;
    for (const int clocks : clockChoices(facts, settings.timerClock)) {
        const std::optional<TimerReload> reload =
            intervalReload(settings.crystalMhz, clocks, layoutOf(setup.counter), settings.seconds);
        if (!reload)
            continue;
        const double error = std::abs(reload->actual - settings.seconds);
        if (!outcome.setup || error < bestError) {
            setup.timerClocks = clocks;
            setup.oneT = clocks == 1;
            setup.reload = *reload;
            outcome.setup = setup;
            bestError = error;
        }
    }
    if (!outcome.setup) {
        // The longest the slowest allowed clock reaches.
        const int slowest = clockChoices(facts, settings.timerClock).back();
        const double cycle = slowest / (settings.crystalMhz * 1e6);
        if (settings.seconds * 2 < cycle)
            outcome.refusal = "定时短于定时器的一个计数：晶振" + crystalText(settings.crystalMhz) +
                              "MHz时，一个计数为" + number(cycle * 1e6, 3) + "us";
        else
            outcome.refusal =
                "定时超出范围：晶振" + crystalText(settings.crystalMhz) + "MHz时最长可定时" +
                number(longestInterval(settings.crystalMhz, slowest, layoutOf(setup.counter)) * 1e6,
                       3) +
                "us";
    }
    return outcome;
}

std::vector<BaudRow> baudTable(const TimerSettings &settings)
{
    static const int kRates[] = {1200,  2400,  4800,  9600,   14400,  19200,
                                 28800, 38400, 57600, 115200, 230400, 460800};
    const CoreFacts &facts = coreFacts(settings.core);
    std::vector<BaudRow> rows;
    for (const int rate : kRates) {
        if (rate > 115200 && facts.clocks != 1)
            break;
        BaudRow row;
        row.rate = rate;
        row.setup = bestBaud(facts, settings, rate, true);
        row.usable =
            row.setup && std::abs(row.setup->reload.errorPercent) <= kUsableBaudErrorPercent;
        rows.push_back(row);
    }
    return rows;
}

std::vector<std::string> timerModeNames(CpuCore core)
{
    const CoreFacts &facts = coreFacts(core);
    return {facts.autoReload16 ? "方式0：16位自动重装" : "方式0：13位定时", "方式1：16位定时",
            "方式2：8位自动重装"};
}

} // namespace zandrel
