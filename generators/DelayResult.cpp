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
    const int clocks = request.clocks.value_or(kDefaultClocks);
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
    if (clocks == 1)
        refuseInput(
            QStringLiteral("不支持 --clocks 1：1T内核的指令时序因系列而异（DJNZ、LCALL、RET "
                           "的周期数各不相同），"
                           "按12T时序计数的延时在其上不准"),
            QStringLiteral("clocks"));

    const std::optional<DelayPlan> plan = delayFor(crystal, clocks, wanted.seconds);
    if (!plan)
        refuseInput(
            QStringLiteral("延时%1超出范围：晶振%2MHz、每周期%3个时钟时，可生成%4us至10s的延时")
                .arg(*request.time, *request.crystal)
                .arg(clocks)
                .arg(shortestDelaySeconds(crystal, clocks) * 1e6, 0, 'f', 2),
            QStringLiteral("time"));

    const std::string eol = lineEndOf(request.crlf);
    std::string text = headerLine(commandLineOf(request), asmForm ? ";" : "//", eol) +
                       (asmForm ? delayAsmText(*plan, name.toStdString(), eol)
                                : delayCText(*plan, name.toStdString(), compiler, eol));
    result.bytes = std::move(text);
}

} // namespace

Result makeDelay(const DelayRequest &request)
{
    return madeOrRefused([&](Result &result) { makeDelayFunction(request, result); });
}

} // namespace zandrel::generators
