// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"
#include "generators/TimingValues.h"

#include "core/ByteText.h"
#include "core/TimerReload.h"
#include "core/TimingCode.h"

#include <cmath>

namespace zandrel::generators {

namespace {

QString signedPercent(double value)
{
    return QString::fromStdString(signedFixed(value)) + QLatin1Char('%');
}

QString hexByte(std::uint8_t value)
{
    return QString::fromStdString(twoDigitHex(value));
}

void makeTimer(const TimerRequest &request, Result &result)
{
    const double crystal = crystalOf(request.crystal);
    const int clocks = request.clocks.value_or(kDefaultClocks);
    const TimerFormat format = request.format.value_or(kDefaultTimerFormat);
    const CCompiler compiler = request.compiler.value_or(kDefaultCompiler);
    const bool interval = request.interval.has_value();
    const bool baud = request.baud.has_value();
    if (interval == baud)
        refuseUsage(QStringLiteral("--interval 和 --baud 须给出且只给出一个"),
                    QStringLiteral("interval"));
    if (baud && request.mode)
        refuseUsage(QStringLiteral("--mode 只用于 --interval：波特率总用定时器1的方式2"),
                    QStringLiteral("mode"));
    if (interval && request.smod)
        refuseUsage(QStringLiteral("--smod 只用于 --baud"), QStringLiteral("smod"));
    // A 1T core clocks its timers as its own registers say (12T after reset on many), which a
    // function for the classic core cannot set.
    if (format == TimerFormat::Init && clocks == 1)
        refuseInput(
            QStringLiteral(
                "--format init 只用于12T和6T内核：1T内核的定时器时钟由各系列自己的寄存器选择，"
                "请用 list、asm 或 c51 取重装值"),
            QStringLiteral("format"));

    const QString &crystalText = *request.crystal;
    const std::string eol = lineEndOf(request.crlf);
    TimerReload reload;
    int timer = 0;
    QString actual;
    std::string init;
    if (interval) {
        const TimerMode mode = request.mode.value_or(kDefaultTimerMode);
        const TimeValue wanted = timeOf(*request.interval, QStringLiteral("interval"));
        const int decimals = wanted.unit == QLatin1String("s") ? 6 : 3;
        const std::optional<TimerReload> found =
            intervalReload(crystal, clocks, mode, wanted.seconds);
        if (!found) {
            const double cycle = clocks / (crystal * 1e6);
            if (wanted.seconds * 2 < cycle)
                refuseInput(
                    QStringLiteral(
                        "定时%1短于一个机器周期：晶振%2MHz、每周期%3个时钟时，一个机器周期为%4%5")
                        .arg(*request.interval, crystalText)
                        .arg(clocks)
                        .arg(cycle * wanted.scale, 0, 'f', decimals)
                        .arg(wanted.unit),
                    QStringLiteral("interval"));
            refuseInput(
                QStringLiteral(
                    "定时%1超出方式%2的范围：晶振%3MHz、每周期%4个时钟时，最长可定时%5%6")
                    .arg(*request.interval)
                    .arg(static_cast<int>(mode))
                    .arg(crystalText)
                    .arg(clocks)
                    .arg(longestInterval(crystal, clocks, mode) * wanted.scale, 0, 'f', decimals)
                    .arg(wanted.unit),
                QStringLiteral("interval"));
        }
        reload = *found;
        actual = QString::number(reload.actual * wanted.scale, 'f', decimals) + wanted.unit;
        if (format == TimerFormat::Init)
            init = timer0InitText(mode, reload,
                                  intervalHeading(chineseTime(wanted).toStdString(), wanted.seconds,
                                                  crystal, clocks, reload),
                                  eol);
    } else {
        const double rate = positiveNumber(*request.baud, QStringLiteral("baud"), *request.baud);
        const std::optional<TimerReload> found = baudReload(crystal, clocks, request.smod, rate);
        if (!found)
            refuseInput(
                QStringLiteral(
                    "波特率%1无法由晶振%2MHz、每周期%3个时钟、SMOD=%4产生：计数须在1至255之间")
                    .arg(*request.baud, crystalText)
                    .arg(clocks)
                    .arg(request.smod ? 1 : 0),
                QStringLiteral("baud"));
        reload = *found;
        timer = 1;
        actual = QString::number(reload.actual, 'f', 1);
        if (std::abs(reload.errorPercent) > 2)
            result.warnings << QStringLiteral("实际波特率%1与%2相差%3，超过2%")
                                   .arg(actual, *request.baud, signedPercent(reload.errorPercent));
        if (format == TimerFormat::Init)
            init = uartInitText(
                request.smod, reload,
                baudHeading(plainNumber(rate).toStdString(), crystal, clocks, reload), eol);
    }

    std::string header;
    if (format == TimerFormat::Asm)
        header = headerLine(commandLineOf(request), ";", eol);
    else if (format != TimerFormat::List)
        header = headerLine(commandLineOf(request), "//", eol);
    if (format == TimerFormat::Init) {
        result.bytes = header + init;
        return;
    }
    const QString end = QString::fromStdString(eol);
    const QString n = QString::number(timer);
    QString text = QStringLiteral("TH%1=0x%2").arg(n, hexByte(reload.th)) + end +
                   QStringLiteral("TL%1=0x%2").arg(n, hexByte(reload.tl)) + end +
                   QStringLiteral("actual=") + actual + end + QStringLiteral("error=") +
                   signedPercent(reload.errorPercent) + end;
    if (format == TimerFormat::Asm)
        text += QString::fromStdString(timerLoadAsmText(timer, reload, compiler, eol));
    else if (format == TimerFormat::C51)
        text += QString::fromStdString(timerLoadCText(timer, reload, eol));
    result.bytes = header + text.toStdString();
}

} // namespace

Result makeTimerSetting(const TimerRequest &request)
{
    return madeOrRefused([&](Result &result) { makeTimer(request, result); });
}

} // namespace zandrel::generators
