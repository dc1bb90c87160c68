// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"
#include "generators/TimingValues.h"

#include "core/DelayLoop.h"
#include "core/TimingCode.h"

namespace zandrel::generators {

namespace {

void makeDelayFunction(const DelayRequest &request, Result &result)
{
    const double crystal = crystalOf(request.crystal);
    const CpuCore core = coreOf(request.core, request.clocks);
    const bool asmForm = request.format.value_or(kDefaultDelayFormat) == DelayFormat::Asm;
    const CCompiler compiler = request.compiler.value_or(kDefaultCompiler);
    if (!request.time)
        refuseUsage(QStringLiteral("缺少 --time"), QStringLiteral("time"));
    const TimeValue wanted = timeOf(*request.time, QStringLiteral("time"));
    QString name = QStringLiteral("Delay") +
                   plainNumber(wanted.number).replace(QLatin1Char('.'), QLatin1Char('_')) +
                   wanted.unit;
    if (request.name)
        name = identifierOf(*request.name, QStringLiteral("name"));
    const DelaySettings settings{core, crystal, wanted.seconds};
    if (const std::optional<std::string> error = delayUsageError(settings))
        refuseInput(QString::fromStdString(*error), QStringLiteral("clocks"));

    const std::optional<DelayPlan> plan = delayFor(settings);
    if (!plan) {
        const CoreFacts &facts = coreFacts(core);
        // The classic core names its machine cycle; STC's count clocks.
        const QString where =
            facts.name.empty()
                ? QStringLiteral("每周期%1个时钟").arg(facts.clocks)
                : QString::fromUtf8(facts.name.data(), static_cast<qsizetype>(facts.name.size())) +
                      QStringLiteral("内核");
        refuseInput(QStringLiteral("延时%1超出范围：晶振%2MHz、%3时，可生成%4us至10s的延时")
                        .arg(*request.time, *request.crystal, where)
                        .arg(shortestDelaySeconds(settings) * 1e6, 0, 'f', 2),
                    QStringLiteral("time"));
    }

    const std::string eol = lineEndOf(request.crlf);
    std::string text = headerLine(commandLineOf(request), asmForm ? ";" : "//", eol) +
                       (asmForm ? delayAsmText(*plan, name.toStdString(), eol)
                                : delayCText(*plan, name.toStdString(), compiler, eol));
    result.bytes = std::move(text);
    result.figures = QString::fromStdString(delayFigures(*plan));
}

} // namespace

Result makeDelay(const DelayRequest &request)
{
    return madeOrRefused([&](Result &result) { makeDelayFunction(request, result); });
}

} // namespace zandrel::generators
