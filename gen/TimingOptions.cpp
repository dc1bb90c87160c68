// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/TimingOptions.h"

#include <QRegularExpression>

#include <cmath>

namespace zandrel::gen {

double positiveNumber(const QCommandLineParser &parser, const QString &option, const QString &value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !(number > 0) || !std::isfinite(number))
        usageError(QStringLiteral("--%1 的值“%2”无效：应为正数").arg(option, parser.value(option)));
    return number;
}

double crystalOf(const QCommandLineParser &parser)
{
    const QString option = QStringLiteral("crystal");
    if (!parser.isSet(option))
        usageError(QStringLiteral("缺少 --crystal"));
    const double crystal = positiveNumber(parser, option, parser.value(option));
    if (crystal > 100)
        usageError(
            QStringLiteral("--crystal 的值“%1”无效：应大于0且不超过100").arg(parser.value(option)));
    return crystal;
}

int clocksOf(const QCommandLineParser &parser)
{
    static const int clocks[] = {12, 6, 1};
    return clocks[choiceOf(parser, QStringLiteral("clocks"),
                           {QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("1")})];
}

TimeValue timeOf(const QCommandLineParser &parser, const QString &option)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9.eE+-]+)\\s*(us|ms|s)\\s*$"));
    const QString value = parser.value(option);
    const QRegularExpressionMatch m = form.match(value);
    if (!m.hasMatch())
        usageError(QStringLiteral("--%1 的值“%2”无效：应为带单位 us、ms 或 s 的时间，例如 50ms")
                       .arg(option, value));
    const QString unit = m.captured(2);
    const double scale = unit == QLatin1String("us")   ? 1e6
                         : unit == QLatin1String("ms") ? 1e3
                                                       : 1.0;
    const double number = positiveNumber(parser, option, m.captured(1));
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

} // namespace zandrel::gen
