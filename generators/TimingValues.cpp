// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/TimingValues.h"

#include "generators/OptionTable.h"
#include "generators/Refusal.h"

#include <QRegularExpression>

#include <cmath>

namespace zandrel::generators {

double positiveNumber(const QString &text, const QString &option, const QString &value)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !(number > 0) || !std::isfinite(number))
        refuseUsage(QStringLiteral("--%1 的值“%2”无效：应为正数").arg(option, value), option);
    return number;
}

double crystalOf(const std::optional<QString> &crystal)
{
    const QString option = QStringLiteral("crystal");
    if (!crystal)
        refuseUsage(QStringLiteral("缺少 --crystal"), option);
    const double megahertz = positiveNumber(*crystal, option, *crystal);
    if (megahertz > 100)
        refuseUsage(QStringLiteral("--crystal 的值“%1”无效：应大于0且不超过100").arg(*crystal),
                    option);
    return megahertz;
}

CpuCore coreOf(const std::optional<CpuCore> &core, const std::optional<int> &clocks)
{
    if (core && clocks)
        refuseUsage(QStringLiteral("--clocks 和 --core 不能同时给出"), QStringLiteral("core"));
    if (core)
        return *core;
    const std::optional<CpuCore> named = coreOfClocks(clocks.value_or(kDefaultClocks));
    if (!named)
        refuseUsage(QStringLiteral("--clocks 的值“%1”无效：应为 12、6 或 1").arg(*clocks),
                    QStringLiteral("clocks"));
    return *named;
}

TimeValue timeOf(const QString &value, const QString &option)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9.eE+-]+)\\s*(us|ms|s)\\s*$"));
    const QRegularExpressionMatch m = form.match(value);
    if (!m.hasMatch())
        refuseUsage(QStringLiteral("--%1 的值“%2”无效：应为带单位 us、ms 或 s 的时间，例如 50ms")
                        .arg(option, value),
                    option);
    const QString unit = m.captured(2);
    const double scale = unit == QLatin1String("us")   ? 1e6
                         : unit == QLatin1String("ms") ? 1e3
                                                       : 1.0;
    const double number = positiveNumber(m.captured(1), option, value);
    return {number / scale, number, unit, scale};
}

QString plainNumber(double number)
{
    QString text = QString::number(number, 'f', 6);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString chineseTime(const TimeValue &time)
{
    const QString unit = time.unit == QLatin1String("us")   ? QStringLiteral("微秒")
                         : time.unit == QLatin1String("ms") ? QStringLiteral("毫秒")
                                                            : QStringLiteral("秒");
    return plainNumber(time.number) + unit;
}

} // namespace zandrel::generators
