// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimingCode.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace zandrel {
namespace {

TimerSettings baudOn(CpuCore core, double rate, std::optional<BaudTimer> timer = {})
{
    TimerSettings settings;
    settings.core = core;
    settings.crystalMhz = 11.0592;
    settings.task = TimerTask::Baud;
    settings.baud = rate;
    settings.baudTimer = timer;
    return settings;
}

// The statements of a function, comments left out: "AUXR |= 0x40;".
std::vector<std::string> statementsOf(const std::string &text)
{
    static const std::regex statement(R"(^    ([^/]*;))");
    std::vector<std::string> statements;
    std::istringstream lines(text);
    std::smatch match;
    for (std::string line; std::getline(lines, line);)
        if (std::regex_search(line, match, statement))
            statements.push_back(match[1]);
    return statements;
}

std::string registerOf(const std::string &statement)
{
    return statement.substr(0, statement.find(' '));
}

TEST(timerInitText, writesThePublishedExamplesRegisters)
{
    struct Case
    {
        const char *name;
        TimerSettings settings;
        std::vector<std::string> published;
    };
    TimerSettings millisecond = baudOn(CpuCore::Stc15, 0);
    millisecond.task = TimerTask::Interval;
    millisecond.seconds = 1e-3;
    const std::vector<std::string> uart115200 = {"SCON = 0x50;",  "AUXR |= 0x40;", "AUXR &= 0xFE;",
                                                 "TMOD &= 0x0F;", "TL1 = 0xE8;",   "TH1 = 0xFF;",
                                                 "ET1 = 0;",      "TR1 = 1;"};
    const std::vector<std::string> timer1ms = {"AUXR |= 0x80;", "TMOD &= 0xF0;", "TL0 = 0xCD;",
                                               "TH0 = 0xD4;"};
    const Case cases[] = {
        {"115200bps, Timer 1 in 1T", baudOn(CpuCore::Stc15, 115200), uart115200},
        {"1ms, Timer 0 in 1T", millisecond, timer1ms},
        {"38400bps by BRT",
         baudOn(CpuCore::Stc12, 38400, BaudTimer::Brt),
         {"PCON &= 0x7F;", "AUXR |= 0x04;", "BRT = 0xF7;", "AUXR |= 0x01;", "AUXR |= 0x10;"}},
    };
    for (const Case &c : cases) {
        ASSERT_FALSE(timerUsageError(c.settings)) << c.name;
        const TimerOutcome outcome = timerSetup(c.settings);
        ASSERT_TRUE(outcome.setup) << c.name;
        const std::vector<std::string> written =
            statementsOf(timerInitText(c.settings, *outcome.setup, "", "\n"));
        // The published writes in their order; and no other write to a register they name.
        std::size_t next = 0;
        for (const std::string &statement : written) {
            if (next < c.published.size() && statement == c.published[next]) {
                ++next;
                continue;
            }
            for (const std::string &published : c.published)
                EXPECT_NE(registerOf(statement), registerOf(published))
                    << c.name << ": " << statement;
        }
        EXPECT_EQ(next, c.published.size()) << c.name;
    }
}

// Each rate with the best mode, SMOD and clock; 115200 at 11.0592 MHz from every timer that
// makes it: the 8052's Timer 2, STC12's Timer 1 and BRT, STC15's and STC8's Timer 1 and 2.
TEST(baudTable, marksTheRatesNoSettingMakesWithinTwoPerCent)
{
    struct Case
    {
        CpuCore core;
        double mhz;
        std::optional<BaudTimer> timer;
        std::size_t rows;
        std::vector<int> unusable;
        TimerUnit unit;
        unsigned reload115200; // Timer 2's RCAP2 or T2, Timer 1's TH1 and TL1, BRT
    };
    using enum CpuCore;
    using enum TimerUnit;
    const Case cases[] = {
        // 19200 and 57600 only with SMOD, which the table finds.
        {Classic12T, 11.0592, {}, 10, {38400, 115200}, Timer1, 0xFF},
        {Classic12T, 11.0592, BaudTimer::Timer2, 10, {}, Timer2, 0xFFFD},
        {Classic6T, 11.0592, BaudTimer::Timer2, 10, {}, Timer2, 0xFFFA},
        {Classic12T, 12, BaudTimer::Timer2, 10, {19200, 38400, 57600, 115200}, Timer2, 0xFFFD},
        {Stc15, 11.0592, {}, 12, {}, Timer1, 0xFFE8},
        {Stc15, 11.0592, BaudTimer::Timer2, 12, {}, StcTimer2, 0xFFE8},
        {Stc8, 11.0592, BaudTimer::Timer2, 12, {}, StcTimer2, 0xFFE8},
        {Stc12, 11.0592, {}, 12, {460800}, Timer1, 0xFD},
        {Stc12, 11.0592, BaudTimer::Brt, 12, {460800}, Brt, 0xFD},
        {Stc12, 12, BaudTimer::Brt, 12, {38400, 115200, 230400, 460800}, Brt, 0xF9},
    };
    for (const Case &c : cases) {
        TimerSettings settings = baudOn(c.core, 0, c.timer);
        settings.crystalMhz = c.mhz;
        settings.task = TimerTask::BaudTable;
        const std::vector<BaudRow> rows = baudTable(settings);
        const int row = static_cast<int>(&c - cases);
        ASSERT_EQ(rows.size(), c.rows) << row;
        std::vector<int> unusable;
        for (const BaudRow &r : rows)
            if (!r.usable)
                unusable.push_back(r.rate);
        EXPECT_EQ(unusable, c.unusable) << row;
        const TimerSetup &setup = *rows[9].setup;
        EXPECT_EQ(setup.unit, c.unit) << row;
        EXPECT_EQ(c.reload115200 > 0xFF ? setup.reload.th << 8 | setup.reload.tl : setup.reload.th,
                  c.reload115200)
            << row;
    }
}

TEST(timerUsageError, refusesOptionsThatDoNotFitTheCore)
{
    using enum CpuCore;
    using enum TimerTask;
    using enum BaudTimer;
    struct Case
    {
        CpuCore core;
        TimerTask task;
        std::optional<int> timer;
        std::optional<BaudTimer> baudTimer;
        std::optional<int> mode;
        bool smod;
        TimerClock clock;
        const char *message; // a part of it; nullptr: accepted
    };
    const TimerClock automatic = TimerClock::Auto;
    const Case cases[] = {
        {Stc15, Baud, {}, {}, {}, true, automatic, "SMOD无关"},
        {Stc15, Baud, {}, {}, 2, true, automatic, nullptr},
        {Stc15, Baud, {}, {}, 1, false, automatic, "方式0"},
        {Stc15, Baud, {}, Brt, {}, false, automatic, "stc12"},
        {Stc15, Baud, {}, Timer2, {}, true, automatic, "SMOD无关"},
        {Stc15, Baud, 1, {}, {}, false, automatic, "--timer"},
        {Stc15, BaudTable, {}, {}, 2, true, automatic, nullptr},
        {Stc15, Interval, 2, {}, 0, false, automatic, "--mode"},
        {Stc15, Interval, {}, Timer1, {}, false, automatic, "--baud-timer"},
        {Classic12T, Baud, {}, Timer2, {}, false, automatic, nullptr},
        {Classic12T, Baud, {}, {}, 2, false, automatic, "方式2"},
        {Classic12T, Baud, {}, {}, {}, false, TimerClock::OneT, "--timer-clock"},
        {Stc12, Baud, {}, Timer2, {}, false, automatic, "brt"},
        {Generic1T, Interval, 2, {}, {}, false, automatic, "--core"},
    };
    for (const Case &c : cases) {
        TimerSettings settings = baudOn(c.core, 9600, c.baudTimer);
        settings.task = c.task;
        settings.seconds = 1e-3;
        settings.timer = c.timer;
        settings.mode = c.mode;
        settings.smod = c.smod;
        settings.timerClock = c.clock;
        const std::optional<std::string> error = timerUsageError(settings);
        const int row = static_cast<int>(&c - cases);
        if (!c.message) {
            EXPECT_FALSE(error) << row << ": " << error.value_or("");
            continue;
        }
        ASSERT_TRUE(error) << row;
        EXPECT_NE(error->find(c.message), std::string::npos) << row << ": " << *error;
    }
}

} // namespace
} // namespace zandrel
