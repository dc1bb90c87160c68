// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/TimingCode.h"


#include <algorithm>
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
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about "@" + std::string.
    std::string text = "@";
    text += crystalText(crystalMhz);
    text += "MHz";
    if (clocks != 12) {
        text += ' ';
        text += std::to_string(clocks);
        text += 'T';
    }
    return text;
}

// The counters' names in C, outermost first, and the registers of the assembler form.
constexpr const char *kCounterNames[kMaxDelayCounters] = {"i", "j", "k", "l"};
constexpr const char *kCounterRegisters[kMaxDelayCounters] = {"R7", "R6", "R5", "R4"};

// A statement with its comment at a common column.
std::string commented(std::string_view statement, std::string_view comment,
                      std::string_view lineEnd)
{
    std::string line = "    " + std::string(statement);
    line.resize(std::max<std::size_t>(line.size() + 1, 20), ' ');
    return line + "//" + std::string(comment) + std::string(lineEnd);
}

std::string hexByte(int value)
{
    return hexLiteral(static_cast<unsigned>(value), 2, Dialect::KeilC51);
}

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

std::string timerLoadCText(int timer, const TimerReload &reload, std::string_view lineEnd)
{
    const std::string n = std::to_string(timer);
    return "TH" + n + " = " + hexByte(reload.th) + ";" + std::string(lineEnd) + "TL" + n +
           " = " + hexByte(reload.tl) + ";" + std::string(lineEnd);
}

std::string timerLoadAsmText(int timer, const TimerReload &reload, CCompiler compiler,
                             std::string_view lineEnd)
{
    auto immediate = [&](std::uint8_t value) {
        return hexLiteral(value, 2, compiler == CCompiler::Sdcc ? Dialect::Sdcc : Dialect::A51);
    };
    const std::string n = std::to_string(timer);
    return "MOV TH" + n + ",#" + immediate(reload.th) + std::string(lineEnd) + "MOV TL" + n + ",#" +
           immediate(reload.tl) + std::string(lineEnd);
}

std::string intervalHeading(std::string_view wanted, double wantedSeconds, double crystalMhz,
                            int clocks, const TimerReload &reload)
{
    std::string text = std::string(wanted) + crystalAndCore(crystalMhz, clocks);
    const double difference = (reload.actual - wantedSeconds) * 1e6;
    if (signedFixed(difference) != "+0.00")
        text += "，实际" + fixed(reload.actual * 1e6, 2) + "微秒（" + signedFixed(difference) +
                "微秒）";
    return text;
}

std::string baudHeading(std::string_view wanted, double crystalMhz, int clocks,
                        const TimerReload &reload)
{
    std::string text = std::string(wanted) + "bps" + crystalAndCore(crystalMhz, clocks);
    if (signedFixed(reload.errorPercent) != "+0.00")
        text +=
            "，实际" + fixed(reload.actual, 1) + "bps（" + signedFixed(reload.errorPercent) + "%）";
    return text;
}

std::string timer0InitText(TimerMode mode, const TimerReload &reload, std::string_view heading,
                           std::string_view lineEnd)
{
    static const char *const modeComments[] = {
        "定时器0：方式0，13位定时", "定时器0：方式1，16位定时", "定时器0：方式2，8位自动重装"};
    const int m = static_cast<int>(mode);
    const std::string eol(lineEnd);
    return "void Timer0_Init(void)  //" + std::string(heading) + eol + "{" + eol +
           commented("TMOD &= 0xF0;", "定时器0的方式位清零", lineEnd) +
           commented("TMOD |= " + hexByte(m) + ";", modeComments[m], lineEnd) +
           commented("TL0 = " + hexByte(reload.tl) + ";",
                     mode == TimerMode::Mode0 ? "计数初值低5位" : "计数初值低8位", lineEnd) +
           commented("TH0 = " + hexByte(reload.th) + ";",
                     mode == TimerMode::Mode2 ? "重装值" : "计数初值高8位", lineEnd) +
           commented("TF0 = 0;", "清除溢出标志", lineEnd) +
           commented("TR0 = 1;", "启动定时器0", lineEnd) + "}" + eol;
}

std::string uartInitText(bool smod, const TimerReload &reload, std::string_view heading,
                         std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    std::string text = "void Uart_Init(void)  //" + std::string(heading) + eol + "{" + eol;
    if (smod)
        text += commented("PCON |= 0x80;", "SMOD置1，波特率加倍", lineEnd);
    return text + commented("SCON = 0x50;", "串口方式1：8位数据，允许接收", lineEnd) +
           commented("TMOD &= 0x0F;", "定时器1的方式位清零", lineEnd) +
           commented("TMOD |= 0x20;", "定时器1：方式2，8位自动重装", lineEnd) +
           commented("TL1 = " + hexByte(reload.tl) + ";", "计数初值", lineEnd) +
           commented("TH1 = " + hexByte(reload.th) + ";", "重装值，决定波特率", lineEnd) +
           commented("ET1 = 0;", "禁止定时器1中断", lineEnd) +
           commented("TR1 = 1;", "启动定时器1", lineEnd) + "}" + eol;
}

} // namespace zandrel
