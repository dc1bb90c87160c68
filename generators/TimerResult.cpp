// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"
#include "generators/TimingValues.h"

#include "core/TimerReload.h"
#include "core/TimerSetup.h"
#include "core/TimingCode.h"

#include <QRegularExpression>

#include <cmath>

namespace zandrel::generators {

namespace {

QString signedPercent(double value)
{
    return QString::fromStdString(signedFixed(value)) + QLatin1Char('%');
}

// The field at fault: the first option the message names that the request gives (a message may
// name another as the remedy), or else the core, which lacks what was asked.
QString optionAtFault(const QString &message, const TimerRequest &request)
{
    static const QRegularExpression option(QStringLiteral("--([a-z-]+)"));
    const QStringList given = argumentsOf(request);
    for (const QRegularExpressionMatch &m : option.globalMatch(message))
        if (given.contains(m.captured(0)))
            return m.captured(1);
    return QStringLiteral("core");
}

TimerSettings settingsOf(const TimerRequest &request, CpuCore core, double crystal)
{
    TimerSettings settings;
    settings.core = core;
    settings.crystalMhz = crystal;
    settings.task = request.baudTable ? TimerTask::BaudTable
                    : request.baud    ? TimerTask::Baud
                                      : TimerTask::Interval;
    settings.timer = request.timer;
    settings.baudTimer = request.baudTimer;
    if (request.mode)
        settings.mode = static_cast<int>(*request.mode);
    settings.smod = request.smod;
    settings.timerClock = request.timerClock.value_or(TimerClock::Auto);
    return settings;
}

// The classic core's Timer 0 and 1 are refused in the words they always were, naming the
// machine cycle's clocks and the mode.
bool classicTimer(const CoreFacts &facts, const TimerSettings &settings)
{
    if (facts.auxr)
        return false;
    if (settings.task == TimerTask::Interval)
        return settings.timer.value_or(0) != 2;
    return settings.baudTimer.value_or(BaudTimer::Timer1) == BaudTimer::Timer1;
}

void refuseInterval(const TimerRequest &request, const TimerSettings &settings,
                    const TimeValue &wanted, const TimerOutcome &outcome)
{
    const CoreFacts &facts = coreFacts(settings.core);
    if (!classicTimer(facts, settings))
        refuseInput(QString::fromStdString(outcome.refusal), QStringLiteral("interval"));
    const QString &crystalText = *request.crystal;
    const double crystal = settings.crystalMhz;
    const int clocks = facts.clocks;
    const TimerMode mode = request.mode.value_or(kDefaultTimerMode);
    const int decimals = wanted.unit == QLatin1String("s") ? 6 : 3;
    const double cycle = clocks / (crystal * 1e6);
    if (wanted.seconds * 2 < cycle)
        refuseInput(QStringLiteral(
                        "定时%1短于一个机器周期：晶振%2MHz、每周期%3个时钟时，一个机器周期为%4%5")
                        .arg(*request.interval, crystalText)
                        .arg(clocks)
                        .arg(cycle * wanted.scale, 0, 'f', decimals)
                        .arg(wanted.unit),
                    QStringLiteral("interval"));
    refuseInput(
        QStringLiteral("定时%1超出方式%2的范围：晶振%3MHz、每周期%4个时钟时，最长可定时%5%6")
            .arg(*request.interval)
            .arg(static_cast<int>(mode))
            .arg(crystalText)
            .arg(clocks)
            .arg(longestInterval(crystal, clocks, mode) * wanted.scale, 0, 'f', decimals)
            .arg(wanted.unit),
        QStringLiteral("interval"));
}

void refuseBaud(const TimerRequest &request, const TimerSettings &settings,
                const TimerOutcome &outcome)
{
    const CoreFacts &facts = coreFacts(settings.core);
    if (!classicTimer(facts, settings))
        refuseInput(QString::fromStdString(outcome.refusal), QStringLiteral("baud"));
    refuseInput(
        QStringLiteral("波特率%1无法由晶振%2MHz、每周期%3个时钟、SMOD=%4产生：计数须在1至255之间")
            .arg(*request.baud, *request.crystal)
            .arg(facts.clocks)
            .arg(request.smod ? 1 : 0),
        QStringLiteral("baud"));
}

// Declarations of the registers the chip's own header would give, in the output's language.
std::string declarations(const TimerRequest &request, TimerFormat format, const TimerSetup &setup,
                         const std::string &eol)
{
    if (!request.declareSfr)
        return {};
    const bool sdcc = request.compiler.value_or(kDefaultCompiler) == CCompiler::Sdcc;
    const SfrForm form = format == TimerFormat::Asm ? (sdcc ? SfrForm::Sdas : SfrForm::A51)
                                                    : (sdcc ? SfrForm::Sdcc : SfrForm::Keil);
    return sfrDeclarations(setup, form, eol);
}

void makeTimer(const TimerRequest &request, Result &result)
{
    const double crystal = crystalOf(request.crystal);
    const CpuCore core = coreOf(request.core, request.clocks);
    const TimerFormat format = request.format.value_or(kDefaultTimerFormat);
    const CCompiler compiler = request.compiler.value_or(kDefaultCompiler);
    const bool interval = request.interval.has_value();
    const bool baud = request.baud.has_value();
    if (interval + baud + request.baudTable != 1)
        refuseUsage(
            QStringLiteral("--interval 和 --baud 须给出且只给出一个（或只给出 --baud-table）"),
            QStringLiteral("interval"));
    TimerSettings settings = settingsOf(request, core, crystal);
    if (const std::optional<std::string> error = timerUsageError(settings)) {
        const QString message = QString::fromStdString(*error);
        refuseUsage(message, optionAtFault(message, request));
    }
    const std::string eol = lineEndOf(request.crlf);
    if (request.baudTable) {
        // The table is for reading, in one form.
        if (request.format)
            refuseUsage(QStringLiteral("--baud-table 只输出一张表，不用 --format"),
                        QStringLiteral("format"));
        if (request.declareSfr)
            refuseUsage(QStringLiteral("--declare-sfr 只用于 asm、c51 和 init 格式"),
                        QStringLiteral("declare-sfr"));
        result.bytes = headerLine(commandLineOf(request), "#", eol) +
                       baudTableText(settings, baudTable(settings), eol);
        return;
    }
    if (request.declareSfr && format == TimerFormat::List)
        refuseUsage(QStringLiteral("--declare-sfr 只用于 asm、c51 和 init 格式"),
                    QStringLiteral("declare-sfr"));
    if (format == TimerFormat::Init)
        if (const std::optional<std::string> refusal = timerInitRefusal(settings))
            refuseInput(QString::fromStdString(*refusal), QStringLiteral("format"));

    TimerSetup setup;
    QString actual;
    std::string init;
    if (interval) {
        const TimeValue wanted = timeOf(*request.interval, QStringLiteral("interval"));
        settings.seconds = wanted.seconds;
        const TimerOutcome outcome = timerSetup(settings);
        if (!outcome.setup)
            refuseInterval(request, settings, wanted, outcome);
        setup = *outcome.setup;
        const int decimals = wanted.unit == QLatin1String("s") ? 6 : 3;
        actual = QString::number(setup.reload.actual * wanted.scale, 'f', decimals) + wanted.unit;
        if (format == TimerFormat::Init)
            init = timerInitText(
                settings, setup,
                intervalHeading(chineseTime(wanted).toStdString(), wanted.seconds, settings, setup),
                eol);
    } else {
        const double rate = positiveNumber(*request.baud, QStringLiteral("baud"), *request.baud);
        settings.baud = rate;
        const TimerOutcome outcome = timerSetup(settings);
        if (!outcome.setup)
            refuseBaud(request, settings, outcome);
        setup = *outcome.setup;
        actual = QString::number(setup.reload.actual, 'f', 1);
        if (std::abs(setup.reload.errorPercent) > kUsableBaudErrorPercent)
            result.warnings << QStringLiteral("实际波特率%1与%2相差%3，超过2%")
                                   .arg(actual, *request.baud,
                                        signedPercent(setup.reload.errorPercent));
        if (format == TimerFormat::Init)
            init =
                timerInitText(settings, setup,
                              baudHeading(plainNumber(rate).toStdString(), settings, setup), eol);
    }

    std::string header;
    if (format == TimerFormat::Asm)
        header = headerLine(commandLineOf(request), ";", eol);
    else if (format != TimerFormat::List)
        header = headerLine(commandLineOf(request), "//", eol);
    header += declarations(request, format, setup, eol);
    if (format == TimerFormat::Init) {
        result.bytes = header + init;
        return;
    }
    // The loads need the chip's header as much as the set-up function does, unless the
    // registers were just declared.
    if (format == TimerFormat::Asm && !request.declareSfr)
        header += sfrHeaderNote(settings, setup, Dialect::A51, eol);
    else if (format == TimerFormat::C51 && !request.declareSfr)
        header += sfrHeaderNote(settings, setup, Dialect::KeilC51, eol);
    const QString end = QString::fromStdString(eol);
    std::string text = timerListText(setup, eol) +
                       (QStringLiteral("actual=") + actual + end + QStringLiteral("error=") +
                        signedPercent(setup.reload.errorPercent) + end)
                           .toStdString();
    if (format == TimerFormat::Asm)
        text += timerLoadAsmText(setup, compiler, eol);
    else if (format == TimerFormat::C51)
        text += timerLoadCText(setup, eol);
    result.bytes = header + text;
}

} // namespace

Result makeTimerSetting(const TimerRequest &request)
{
    return madeOrRefused([&](Result &result) { makeTimer(request, result); });
}

} // namespace zandrel::generators
