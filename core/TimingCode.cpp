// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimingCode.h"

#include <cstdio>

namespace zandrel {

namespace {

std::string fixed(double value, int decimals)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    return buffer;
}

std::string crystalAndCore(double crystalMhz, int clocks)
{
    std::string text = "@" + crystalText(crystalMhz) + "MHz";
    if (clocks != 12)
        text += " " + std::to_string(clocks) + "T";
    return text;
}

// The counters' names in C, outermost first, and the registers of the assembler form.
constexpr const char *kCounterNames[kMaxDelayCounters] = {"i", "j", "k", "l"};
constexpr const char *kCounterRegisters[kMaxDelayCounters] = {"R7", "R6", "R5", "R4"};

} // namespace

std::string crystalText(double mhz)
{
    std::string text = fixed(mhz, 6);
    while (text.size() > 4 && text.back() == '0' && text[text.size() - 4] != '.')
        text.pop_back();
    return text;
}

std::string signedFixed(double value)
{
    const std::string text = fixed(value, 2);
    if (text == "-0.00" || text == "0.00")
        return "+0.00";
    return value > 0 ? "+" + text : text;
}

std::string delayFigures(const DelayPlan &plan)
{
    const double actual = plan.actualSeconds() * 1e6;
    return crystalAndCore(plan.crystalMhz, plan.clocks) + " " + std::to_string(plan.cycles) +
           "个机器周期 = " + fixed(actual, 2) + "us（" +
           signedFixed(actual - plan.wantedSeconds * 1e6) + "us）";
}

std::string delayCText(const DelayPlan &plan, std::string_view name, CCompiler compiler,
                       std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    const DelayLoop &loop = plan.loop;
    const int depth = static_cast<int>(loop.counts.size());
    std::string text;
    if (compiler == CCompiler::Keil && loop.nops > 0)
        text += "#include <intrins.h>" + eol + eol;
    text += "void " + std::string(name) + "(void)  //" + delayFigures(plan) + eol + "{" + eol;
    if (depth > 0) {
        text += "    unsigned char";
        for (int d = 0; d < depth; ++d)
            text += std::string(d == 0 ? " " : ", ") + kCounterNames[d];
        text += ";" + eol + eol;
    }
    for (int n = 0; n < loop.nops; ++n)
        text +=
            std::string(compiler == CCompiler::Keil ? "    _nop_();" : "    __asm nop __endasm;") +
            eol;
    for (int d = 0; d < depth; ++d)
        text += "    " + std::string(kCounterNames[d]) + " = " +
                std::to_string(loop.counts[d] % 256) + ";" + eol;
    // The inner loops are do/while bodies: each compiles to a DJNZ back to the innermost one.
    auto indent = [](int level) { return std::string(4 * static_cast<std::size_t>(level), ' '); };
    for (int d = 0; d + 1 < depth; ++d)
        text += indent(d + 1) + "do" + eol + indent(d + 1) + "{" + eol;
    if (depth > 0)
        text += indent(depth) + "while (--" + kCounterNames[depth - 1] + ");" + eol;
    for (int d = depth - 2; d >= 0; --d)
        text += indent(d + 1) + "} while (--" + kCounterNames[d] + ");" + eol;
    return text + "}" + eol;
}

std::string delayAsmText(const DelayPlan &plan, std::string_view name, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    const std::string label(name);
    const std::string loopLabel = label + "_Loop";
    const DelayLoop &loop = plan.loop;
    const int depth = static_cast<int>(loop.counts.size());
    std::string text = "; " + label + "：" + delayFigures(plan) + eol + "; ";
    if (depth == 0) {
        text += "不使用寄存器";
    } else {
        text += "使用";
        for (int d = 0; d < depth; ++d)
            text += std::string(d == 0 ? "" : "、") + kCounterRegisters[d];
    }
    text += eol + label + ":" + eol;
    for (int n = 0; n < loop.nops; ++n)
        text += "\tNOP" + eol;
    for (int d = 0; d < depth; ++d)
        text += "\tMOV\t" + std::string(kCounterRegisters[d]) + ",#" +
                std::to_string(loop.counts[d] % 256) + eol;
    if (depth > 0)
        text += loopLabel + ":" + eol;
    for (int d = depth - 1; d >= 0; --d)
        text += "\tDJNZ\t" + std::string(kCounterRegisters[d]) + "," + loopLabel + eol;
    return text + "\tRET" + eol;
}

} // namespace zandrel
