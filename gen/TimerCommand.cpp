// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "core/ByteText.h"
#include "core/TimerReload.h"

#include <QRegularExpression>

#include <cmath>
#include <cstdio>

namespace zandrel::gen {

const CommandSpec &timerCommand()
{
    static const CommandSpec command{
        QStringLiteral("timer"),
        QStringLiteral("--crystal MHZ (--interval 时间 | --baud 波特率) [选项]"),
        QStringLiteral("8051定时器的定时或波特率重装值"),
        QStringLiteral("计算8051定时器的重装值：定时用定时器0，波特率用定时器1的方式2（串口方式1和3）。"),
        {
            {{QStringLiteral("crystal")}, QStringLiteral("MHz"),
             QStringLiteral("晶振频率，单位MHz，大于0且不超过100，例如 11.0592")},
            {{QStringLiteral("clocks")}, QStringLiteral("时钟数"),
             QStringLiteral("每个机器周期的振荡周期数：12、6（X2模式）或 1（1T内核）"), QStringLiteral("12")},
            {{QStringLiteral("interval")}, QStringLiteral("时间"),
             QStringLiteral("定时时间，带单位 us、ms 或 s，例如 50ms")},
            {{QStringLiteral("mode")}, QStringLiteral("方式"),
             QStringLiteral("定时器方式：0（13位）、1（16位）或 2（8位自动重装）"), QStringLiteral("1")},
            {{QStringLiteral("baud")}, QStringLiteral("波特率"), QStringLiteral("串口波特率，例如 9600")},
            {{QStringLiteral("smod")}, QString(), QStringLiteral("SMOD = 1，波特率加倍")},
            {{QStringLiteral("f"), QStringLiteral("format")}, QStringLiteral("格式"),
             QStringLiteral("list、asm（另加 MOV 指令）或 c51（另加赋值语句）"), QStringLiteral("list")},
        },
    };
    return command;
}

namespace {

double positiveNumber(const QCommandLineParser &parser, const QString &option, const QString &value)
{
    bool ok = false;
    const double number = value.trimmed().toDouble(&ok);
    if (!ok || !(number > 0) || !std::isfinite(number))
        usageError(QStringLiteral("--%1 的值“%2”无效：应为正数").arg(option, parser.value(option)));
    return number;
}

struct Interval
{
    double seconds;
    QString unit;
    double scale; // units per second
};

Interval intervalOf(const QCommandLineParser &parser)
{
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9.eE+-]+)\\s*(us|ms|s)\\s*$"));
    const QString value = parser.value(QStringLiteral("interval"));
    const QRegularExpressionMatch m = form.match(value);
    if (!m.hasMatch())
        usageError(QStringLiteral("--interval 的值“%1”无效：应为带单位 us、ms 或 s 的时间，例如 50ms").arg(value));
    const QString unit = m.captured(2);
    const double scale = unit == QLatin1String("us") ? 1e6 : unit == QLatin1String("ms") ? 1e3 : 1.0;
    return {positiveNumber(parser, QStringLiteral("interval"), m.captured(1)) / scale, unit, scale};
}

// Two decimals with a sign; a value that rounds to zero is "+0.00".
QString signedPercent(double value)
{
    double rounded = std::round(value * 100) / 100;
    if (rounded == 0)
        rounded = 0;
    return QString::asprintf("%+.2f%%", rounded);
}

QString hexByte(std::uint8_t value)
{
    return QString::fromStdString(twoDigitHex(value));
}

// The assembler's form of an immediate: a leading 0 where the first digit is a letter.
QString asmHex(std::uint8_t value)
{
    const QString digits = hexByte(value);
    return (digits.at(0).isLetter() ? QStringLiteral("0") : QString()) + digits + QLatin1Char('H');
}

} // namespace

int runTimer(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(timerCommand(), arguments, parser))
        return Success;

    if (!parser.isSet(QStringLiteral("crystal")))
        usageError(QStringLiteral("缺少 --crystal"));
    const double crystal =
        positiveNumber(parser, QStringLiteral("crystal"), parser.value(QStringLiteral("crystal")));
    if (crystal > 100)
        usageError(QStringLiteral("--crystal 的值“%1”无效：应大于0且不超过100").arg(parser.value(QStringLiteral("crystal"))));
    static const int clockChoices[] = {12, 6, 1};
    const int clocks = clockChoices[choiceOf(parser, QStringLiteral("clocks"),
                                             {QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("1")})];
    const int format = choiceOf(parser, QStringLiteral("format"),
                                {QStringLiteral("list"), QStringLiteral("asm"), QStringLiteral("c51")});
    const bool interval = parser.isSet(QStringLiteral("interval"));
    const bool baud = parser.isSet(QStringLiteral("baud"));
    if (interval == baud)
        usageError(QStringLiteral("--interval 和 --baud 须给出且只给出一个"));
    if (baud && parser.isSet(QStringLiteral("mode")))
        usageError(QStringLiteral("--mode 只用于 --interval：波特率总用定时器1的方式2"));
    if (interval && parser.isSet(QStringLiteral("smod")))
        usageError(QStringLiteral("--smod 只用于 --baud"));

    const QString crystalText = parser.value(QStringLiteral("crystal"));
    TimerReload reload;
    QString timer;
    QString actual;
    if (interval) {
        const auto mode = static_cast<TimerMode>(choiceOf(
            parser, QStringLiteral("mode"), {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
        const Interval wanted = intervalOf(parser);
        const int decimals = wanted.unit == QLatin1String("s") ? 6 : 3;
        const std::optional<TimerReload> result = intervalReload(crystal, clocks, mode, wanted.seconds);
        if (!result) {
            const double cycle = clocks / (crystal * 1e6);
            if (wanted.seconds * 2 < cycle)
                refuse(QStringLiteral("定时%1短于一个机器周期：晶振%2MHz、每周期%3个时钟时，一个机器周期为%4%5")
                           .arg(parser.value(QStringLiteral("interval")), crystalText)
                           .arg(clocks)
                           .arg(cycle * wanted.scale, 0, 'f', decimals)
                           .arg(wanted.unit));
            refuse(QStringLiteral("定时%1超出方式%2的范围：晶振%3MHz、每周期%4个时钟时，最长可定时%5%6")
                       .arg(parser.value(QStringLiteral("interval")))
                       .arg(static_cast<int>(mode))
                       .arg(crystalText)
                       .arg(clocks)
                       .arg(longestInterval(crystal, clocks, mode) * wanted.scale, 0, 'f', decimals)
                       .arg(wanted.unit));
        }
        reload = *result;
        timer = QStringLiteral("0");
        actual = QString::number(reload.actual * wanted.scale, 'f', decimals) + wanted.unit;
    } else {
        const double rate = positiveNumber(parser, QStringLiteral("baud"), parser.value(QStringLiteral("baud")));
        const bool smod = parser.isSet(QStringLiteral("smod"));
        const std::optional<TimerReload> result = baudReload(crystal, clocks, smod, rate);
        if (!result)
            refuse(QStringLiteral("波特率%1无法由晶振%2MHz、每周期%3个时钟、SMOD=%4产生：计数须在1至255之间")
                       .arg(parser.value(QStringLiteral("baud")), crystalText)
                       .arg(clocks)
                       .arg(smod ? 1 : 0));
        reload = *result;
        timer = QStringLiteral("1");
        actual = QString::number(reload.actual, 'f', 1);
        if (std::abs(reload.errorPercent) > 2)
            std::fputs(QStringLiteral("zandrel-gen: 警告：实际波特率%1与%2相差%3，超过2%\n")
                           .arg(actual, parser.value(QStringLiteral("baud")), signedPercent(reload.errorPercent))
                           .toUtf8()
                           .constData(),
                       stderr);
    }

    const QString eol = QString::fromStdString(lineEndOf(parser));
    const QString th = QStringLiteral("TH") + timer;
    const QString tl = QStringLiteral("TL") + timer;
    QString text = th + QStringLiteral("=0x") + hexByte(reload.th) + eol + tl + QStringLiteral("=0x") +
                   hexByte(reload.tl) + eol + QStringLiteral("actual=") + actual + eol +
                   QStringLiteral("error=") + signedPercent(reload.errorPercent) + eol;
    if (format == 1)
        text += QStringLiteral("MOV %1,#%2").arg(th, asmHex(reload.th)) + eol +
                QStringLiteral("MOV %1,#%2").arg(tl, asmHex(reload.tl)) + eol;
    else if (format == 2)
        text += QStringLiteral("%1 = 0x%2;").arg(th, hexByte(reload.th)) + eol +
                QStringLiteral("%1 = 0x%2;").arg(tl, hexByte(reload.tl)) + eol;
    writeOutput(parser, text.toUtf8());
    return Success;
}

} // namespace zandrel::gen
