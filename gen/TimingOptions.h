// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/TimingCode.h"
#include "gen/Cli.h"

#include <QCommandLineParser>
#include <QString>

// The options that timer and delay read alike: the crystal, the clocks of a machine cycle, a
// time with its unit.
namespace zandrel::gen {

// A number above 0 from the option's value (value: the part of it that is the number).
double positiveNumber(const QCommandLineParser &parser, const QString &option,
                      const QString &value);

// --crystal, which must be given: above 0 and at most 100 MHz.
double crystalOf(const QCommandLineParser &parser);

// --clocks: 12, 6 or 1.
int clocksOf(const QCommandLineParser &parser);

struct TimeValue
{
    double seconds;
    double number; // as written, in its unit
    QString unit;  // "us", "ms" or "s"
    double scale;  // units per second
};

// A time with its unit from the option: "50ms", "2.5 us", "1s".
TimeValue timeOf(const QCommandLineParser &parser, const QString &option);

// The number of a time without exponent or needless zeros: 50, 2.5, 0.001.
QString plainNumber(double number);

// "50毫秒" for 50ms.
QString chineseTime(const TimeValue &time);


} // namespace zandrel::gen
