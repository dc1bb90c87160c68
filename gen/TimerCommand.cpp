// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "gen/TimingOptions.h"

#include "core/ByteText.h"
#include "core/TimerReload.h"

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
             QStringLiteral("list、asm（另加 MOV 指令）、c51（另加赋值语句）或 init（完整的C初始化函数 "
                            "Timer0_Init 或 Uart_Init，不用于1T内核）"),
             QStringLiteral("list")},
            compilerOption(QStringLiteral("keil 或 sdcc：asm 格式的十六进制写法（0FDH 或 0xFD）；C代码两者相同")),
        },
    };
    return command;
}

namespace {

QString signedPercent(double value)
{
    return QString::fromStdString(signedFixed(value)) + QLatin1Char('%');
}

QString hexByte(std::uint8_t value)
{
    return QString::fromStdString(twoDigitHex(value));
}

enum Format { List, Asm, C51, Init };

} // namespace

int runTimer(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(timerCommand(), arguments, parser))
        return Success;

    const double crystal = crystalOf(parser);
    const int clocks = clocksOf(parser);
    const auto format = static_cast<Format>(
        choiceOf(parser, QStringLiteral("format"),
                 {QStringLiteral("list"), QStringLiteral("asm"), QStringLiteral("c51"), QStringLiteral("init")}));
    const CCompiler compiler = compilerOf(parser);
    const bool interval = parser.isSet(QStringLiteral("interval"));
    const bool baud = parser.isSet(QStringLiteral("baud"));
    if (interval == baud)
        usageError(QStringLiteral("--interval 和 --baud 须给出且只给出一个"));
    if (baud && parser.isSet(QStringLiteral("mode")))
        usageError(QStringLiteral("--mode 只用于 --interval：波特率总用定时器1的方式2"));
    if (interval && parser.isSet(QStringLiteral("smod")))
        usageError(QStringLiteral("--smod 只用于 --baud"));
    // A 1T core clocks its timers as its own registers say (12T after reset on many), which a
    // function for the classic core cannot set.
    if (format == Init && clocks == 1)
        refuse(QStringLiteral("--format init 只用于12T和6T内核：1T内核的定时器时钟由各系列自己的寄存器选择，"
                              "请用 list、asm 或 c51 取重装值"));

    const QString crystalText = parser.value(QStringLiteral("crystal"));
    const std::string eol = lineEndOf(parser);
    TimerReload reload;
    int timer = 0;
    QString actual;
    std::string init;
    if (interval) {
        const auto mode = static_cast<TimerMode>(choiceOf(
            parser, QStringLiteral("mode"), {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")}));
        const TimeValue wanted = timeOf(parser, QStringLiteral("interval"));
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
        actual = QString::number(reload.actual * wanted.scale, 'f', decimals) + wanted.unit;
        if (format == Init)
            init = timer0InitText(mode, reload,
                                  intervalHeading(chineseTime(wanted).toStdString(), wanted.seconds, crystal,
                                                  clocks, reload),
                                  eol);
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
        timer = 1;
        actual = QString::number(reload.actual, 'f', 1);
        if (std::abs(reload.errorPercent) > 2)
            std::fputs(QStringLiteral("zandrel-gen: 警告：实际波特率%1与%2相差%3，超过2%\n")
                           .arg(actual, parser.value(QStringLiteral("baud")), signedPercent(reload.errorPercent))
                           .toUtf8()
                           .constData(),
                       stderr);
        if (format == Init)
            init = uartInitText(smod, reload,
                                baudHeading(plainNumber(rate).toStdString(), crystal, clocks, reload), eol);
    }

    if (format == Init) {
        writeOutput(parser, QByteArray::fromStdString(init));
        return Success;
    }
    const QString end = QString::fromStdString(eol);
    const QString n = QString::number(timer);
    QString text = QStringLiteral("TH%1=0x%2").arg(n, hexByte(reload.th)) + end +
                   QStringLiteral("TL%1=0x%2").arg(n, hexByte(reload.tl)) + end + QStringLiteral("actual=") +
                   actual + end + QStringLiteral("error=") + signedPercent(reload.errorPercent) + end;
    if (format == Asm)
        text += QString::fromStdString(timerLoadAsmText(timer, reload, compiler, eol));
    else if (format == C51)
        text += QString::fromStdString(timerLoadCText(timer, reload, eol));
    writeOutput(parser, text.toUtf8());
    return Success;
}

} // namespace zandrel::gen
