// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/CpuCore.h"

#include <QString>

#include <optional>

// What timer and delay read alike: the crystal, the clocks of a machine cycle, a time with its
// unit, all as the user wrote them.
namespace zandrel::generators {

// A number above 0 from text, the part of option's value that is the number; refused naming
// the option and its whole value otherwise.
double positiveNumber(const QString &text, const QString &option, const QString &value);

// --crystal, which must be given: above 0 and at most 100 MHz.
double crystalOf(const std::optional<QString> &crystal);

struct TimeValue
{
    double seconds;
    double number; // as written, in its unit
    QString unit;  // "us", "ms" or "s"
    double scale;  // units per second
};

// The core of --core, or of --clocks (12 when neither is given): two ways to say one thing,
// refused together.
CpuCore coreOf(const std::optional<CpuCore> &core, const std::optional<int> &clocks);

// A time with its unit: "50ms", "2.5 us", "1s".
TimeValue timeOf(const QString &value, const QString &option);

// The number of a time without exponent or needless zeros: 50, 2.5, 0.001.
QString plainNumber(double number);

// "50毫秒" for 50ms.
QString chineseTime(const TimeValue &time);

} // namespace zandrel::generators
