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
    const CoreFacts &facts = coreFacts(plan.core);
    const std::string count =
        facts.set == InstructionSet::Classic
            ? crystalAndCore(plan.crystalMhz, plan.clocks) + " " + std::to_string(plan.cycles) +
                  "个机器周期"
            : "@" + crystalText(plan.crystalMhz) + "MHz " + std::string(facts.name) + "（" +
                  std::string(facts.setName) + "）" + std::to_string(plan.cycles) + "个时钟";
    return count + " = " + fixed(actual, 2) + "us（" +
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
    TimerSettings settings;
    TimerSetup setup;
    setup.mode = static_cast<int>(mode);
    setup.counter = mode == TimerMode::Mode0   ? Counter::Bits13
                    : mode == TimerMode::Mode2 ? Counter::Reload8
                                               : Counter::Bits16;
    setup.reload = reload;
    return timerInitText(settings, setup, heading, lineEnd);
}

std::string uartInitText(bool smod, const TimerReload &reload, std::string_view heading,
                         std::string_view lineEnd)
{
    TimerSettings settings;
    settings.task = TimerTask::Baud;
    TimerSetup setup;
    setup.unit = TimerUnit::Timer1;
    setup.baud = true;
    setup.mode = 2;
    setup.counter = Counter::Reload8;
    setup.smodMatters = true;
    setup.smod = smod;
    setup.reload = reload;
    return timerInitText(settings, setup, heading, lineEnd);
}

namespace {

struct Statement
{
    std::string code;
    std::string comment;
};

struct Sfr
{
    const char *name;
    unsigned address;
};

int timerNumber(TimerUnit unit)
{
    return unit == TimerUnit::Timer0 ? 0 : unit == TimerUnit::Timer1 ? 1 : 2;
}

std::string unitName(TimerUnit unit)
{
    return unit == TimerUnit::Brt ? "BRT" : "定时器" + std::to_string(timerNumber(unit));
}

// AUXR's bit that clocks the timer at the system clock: T0x12, T1x12, T2x12 or BRTx12.
unsigned oneTBit(TimerUnit unit)
{
    switch (unit) {
    case TimerUnit::Timer0:
        return 0x80;
    case TimerUnit::Timer1:
        return 0x40;
    default:
        return 0x04;
    }
}

// An AUXR write: |= mask to set, &= ~mask to clear.
struct AuxrWrite
{
    bool set;
    unsigned mask;
    std::string comment;
};

AuxrWrite clockWrite(const TimerSetup &setup)
{
    return {setup.oneT, oneTBit(setup.unit),
            unitName(setup.unit) + (setup.oneT ? "时钟1T（系统时钟）" : "时钟12T（系统时钟/12）")};
}

// S1ST2 (S1BRS on STC12): which timer makes the serial port's rate.
AuxrWrite serialSourceWrite(const TimerSetup &setup)
{
    return {setup.unit != TimerUnit::Timer1, 0x01, "串口1用" + unitName(setup.unit) + "产生波特率"};
}

AuxrWrite startWrite(const TimerSetup &setup)
{
    return {true, 0x10, "启动" + unitName(setup.unit)};
}

Statement auxrStatement(const AuxrWrite &write)
{
    return {std::string("AUXR ") + (write.set ? "|= " : "&= ") +
                hexByte(static_cast<int>(write.set ? write.mask : ~write.mask & 0xFF)) + ";",
            write.comment};
}

// The AUXR writes that the loads need, in the published examples' order.
std::vector<AuxrWrite> auxrBeforeLoads(const TimerSetup &setup)
{
    if (!setup.auxr)
        return {};
    if (!setup.baud)
        return {clockWrite(setup)};
    if (setup.unit == TimerUnit::StcTimer2)
        return {serialSourceWrite(setup), clockWrite(setup)};
    if (setup.unit == TimerUnit::Timer1)
        return {clockWrite(setup), serialSourceWrite(setup)};
    return {clockWrite(setup)};
}

// The registers loaded, high byte first: name and value.
std::vector<std::pair<std::string, int>> loads(const TimerSetup &setup)
{
    const int th = setup.reload.th;
    const int tl = setup.reload.tl;
    switch (setup.unit) {
    case TimerUnit::Timer2:
        return {{"RCAP2H", th}, {"RCAP2L", tl}, {"TH2", th}, {"TL2", tl}};
    case TimerUnit::StcTimer2:
        return {{"T2H", th}, {"T2L", tl}};
    case TimerUnit::Brt:
        return {{"BRT", th}};
    default:
        break;
    }
    const std::string n = std::to_string(timerNumber(setup.unit));
    return {{"TH" + n, th}, {"TL" + n, tl}};
}

std::vector<Sfr> extraSfrs(const TimerSetup &setup)
{
    std::vector<Sfr> sfrs;
    if (setup.auxr)
        sfrs.push_back({"AUXR", 0x8E});
    if (setup.unit == TimerUnit::StcTimer2) {
        sfrs.push_back({"T2H", 0xD6});
        sfrs.push_back({"T2L", 0xD7});
    } else if (setup.unit == TimerUnit::Brt) {
        sfrs.push_back({"BRT", 0x9C});
    } else if (setup.unit == TimerUnit::Timer2) {
        for (const Sfr sfr : {Sfr{"T2CON", 0xC8}, Sfr{"RCAP2L", 0xCA}, Sfr{"RCAP2H", 0xCB},
                              Sfr{"TL2", 0xCC}, Sfr{"TH2", 0xCD}})
            sfrs.push_back(sfr);
    }
    return sfrs;
}

std::vector<Statement> intervalStatements(const TimerSetup &setup)
{
    const std::string n = std::to_string(timerNumber(setup.unit));
    const std::string th = hexByte(setup.reload.th);
    const std::string tl = hexByte(setup.reload.tl);
    std::vector<Statement> statements;
    for (const AuxrWrite &write : auxrBeforeLoads(setup))
        statements.push_back(auxrStatement(write));
    if (setup.unit == TimerUnit::Timer2)
        return {{"RCAP2L = " + tl + ";", "重装值低8位"},
                {"RCAP2H = " + th + ";", "重装值高8位"},
                {"TL2 = " + tl + ";", "计数初值低8位"},
                {"TH2 = " + th + ";", "计数初值高8位"},
                {"T2CON = 0x04;", "定时器2：16位自动重装，清除溢出标志并启动"}};
    if (setup.unit == TimerUnit::StcTimer2) {
        statements.push_back({"T2L = " + tl + ";", "计数初值低8位，也是重装值"});
        statements.push_back({"T2H = " + th + ";", "计数初值高8位，也是重装值"});
        statements.push_back(auxrStatement(startWrite(setup)));
        return statements;
    }
    static const char *const modeComments[] = {"方式0，13位定时", "方式1，16位定时",
                                               "方式2，8位自动重装"};
    const std::string timer = "定时器" + n;
    const int shift = 4 * timerNumber(setup.unit);
    // Mode 0 of STC15 and STC8 is the cleared bits: nothing to OR in.
    if (setup.counter == Counter::Reload16) {
        statements.push_back(
            {"TMOD &= " + hexByte(0xF0 >> shift) + ";", timer + "：方式0，16位自动重装"});
    } else {
        statements.push_back({"TMOD &= " + hexByte(0xF0 >> shift) + ";", timer + "的方式位清零"});
        statements.push_back({"TMOD |= " + hexByte(setup.mode << shift) + ";",
                              timer + "：" + modeComments[setup.mode]});
    }
    statements.push_back({"TL" + n + " = " + tl + ";",
                          setup.counter == Counter::Bits13     ? "计数初值低5位"
                          : setup.counter == Counter::Reload16 ? "计数初值低8位，也是重装值"
                                                               : "计数初值低8位"});
    statements.push_back({"TH" + n + " = " + th + ";", setup.counter == Counter::Reload8 ? "重装值"
                                                       : setup.counter == Counter::Reload16
                                                           ? "计数初值高8位，也是重装值"
                                                           : "计数初值高8位"});
    statements.push_back({"TF" + n + " = 0;", "清除溢出标志"});
    statements.push_back({"TR" + n + " = 1;", "启动" + timer});
    return statements;
}

std::vector<Statement> uartStatements(const TimerSetup &setup)
{
    std::vector<Statement> statements;
    // The classic text sets SMOD only when asked; on STC's cores, as their published code
    // does, it is cleared too, since the rate depends on it.
    if (setup.smodMatters && setup.smod)
        statements.push_back({"PCON |= 0x80;", "SMOD置1，波特率加倍"});
    else if (setup.smodMatters && setup.auxr)
        statements.push_back({"PCON &= 0x7F;", "SMOD清零，波特率不加倍"});
    statements.push_back({"SCON = 0x50;", "串口方式1：8位数据，允许接收"});
    for (const AuxrWrite &write : auxrBeforeLoads(setup))
        statements.push_back(auxrStatement(write));
    const std::string th = hexByte(setup.reload.th);
    const std::string tl = hexByte(setup.reload.tl);
    switch (setup.unit) {
    case TimerUnit::Timer2:
        statements.push_back({"RCAP2L = " + tl + ";", "重装值低8位"});
        statements.push_back({"RCAP2H = " + th + ";", "重装值高8位，决定波特率"});
        statements.push_back({"TL2 = " + tl + ";", "计数初值低8位"});
        statements.push_back({"TH2 = " + th + ";", "计数初值高8位"});
        statements.push_back({"T2CON = 0x34;", "定时器2作收发的波特率发生器，并启动"});
        return statements;
    case TimerUnit::StcTimer2:
        statements.push_back({"T2L = " + tl + ";", "重装值低8位"});
        statements.push_back({"T2H = " + th + ";", "重装值高8位，决定波特率"});
        statements.push_back(auxrStatement(startWrite(setup)));
        return statements;
    case TimerUnit::Brt:
        statements.push_back({"BRT = " + th + ";", "重装值，决定波特率"});
        statements.push_back(auxrStatement(serialSourceWrite(setup)));
        statements.push_back(auxrStatement(startWrite(setup)));
        return statements;
    default:
        break;
    }
    if (setup.counter == Counter::Reload16) {
        statements.push_back({"TMOD &= 0x0F;", "定时器1：方式0，16位自动重装"});
        statements.push_back({"TL1 = " + tl + ";", "重装值低8位"});
        statements.push_back({"TH1 = " + th + ";", "重装值高8位，决定波特率"});
    } else {
        statements.push_back({"TMOD &= 0x0F;", "定时器1的方式位清零"});
        statements.push_back({"TMOD |= 0x20;", "定时器1：方式2，8位自动重装"});
        statements.push_back({"TL1 = " + tl + ";", "计数初值"});
        statements.push_back({"TH1 = " + th + ";", "重装值，决定波特率"});
    }
    statements.push_back({"ET1 = 0;", "禁止定时器1中断"});
    statements.push_back({"TR1 = 1;", "启动定时器1"});
    return statements;
}

std::string headingSuffix(const TimerSettings &settings, const TimerSetup &setup)
{
    const CoreFacts &facts = coreFacts(settings.core);
    if (!facts.auxr)
        return crystalAndCore(settings.crystalMhz, setup.timerClocks);
    return "@" + crystalText(settings.crystalMhz) + "MHz " + std::string(facts.name) +
           "，定时器时钟" + (setup.oneT ? "1T" : "12T");
}

bool classicText(const TimerSettings &settings, const TimerSetup &setup)
{
    return !coreFacts(settings.core).auxr &&
           (setup.unit == TimerUnit::Timer0 || setup.unit == TimerUnit::Timer1);
}

} // namespace

std::string intervalHeading(std::string_view wanted, double wantedSeconds,
                            const TimerSettings &settings, const TimerSetup &setup)
{
    if (classicText(settings, setup))
        return intervalHeading(wanted, wantedSeconds, settings.crystalMhz, setup.timerClocks,
                               setup.reload);
    std::string text = std::string(wanted) + headingSuffix(settings, setup);
    const double difference = (setup.reload.actual - wantedSeconds) * 1e6;
    if (signedFixed(difference) != "+0.00")
        text += "，实际" + fixed(setup.reload.actual * 1e6, 2) + "微秒（" +
                signedFixed(difference) + "微秒）";
    return text;
}

std::string baudHeading(std::string_view wanted, const TimerSettings &settings,
                        const TimerSetup &setup)
{
    if (classicText(settings, setup))
        return baudHeading(wanted, settings.crystalMhz, setup.timerClocks, setup.reload);
    std::string text = std::string(wanted) + "bps" + headingSuffix(settings, setup);
    if (signedFixed(setup.reload.errorPercent) != "+0.00")
        text += "，实际" + fixed(setup.reload.actual, 1) + "bps（" +
                signedFixed(setup.reload.errorPercent) + "%）";
    return text;
}

std::string timerInitText(const TimerSettings &settings, const TimerSetup &setup,
                          std::string_view heading, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    const bool baud = setup.baud;
    std::string text = sfrHeaderNote(settings, setup, Dialect::KeilC51, lineEnd);
    const std::string name = baud ? "Uart" : "Timer" + std::to_string(timerNumber(setup.unit));
    text += "void " + name + "_Init(void)  //" + std::string(heading) + eol + "{" + eol;
    for (const Statement &statement : baud ? uartStatements(setup) : intervalStatements(setup))
        text += commented(statement.code, statement.comment, lineEnd);
    return text + "}" + eol;
}

std::string sfrHeaderNote(const TimerSettings &settings, const TimerSetup &setup,
                          Dialect dialect, std::string_view lineEnd)
{
    const std::vector<Sfr> sfrs = extraSfrs(setup);
    if (sfrs.empty())
        return {};
    std::string note;
    for (const Sfr &sfr : sfrs)
        note += std::string(note.empty() ? "" : "、") + sfr.name;
    note += "不在 reg51.h 和 8051.h 中：请包含 " +
            std::string(setup.unit == TimerUnit::Timer2 ? "reg52.h 或 8052.h"
                                                        : coreFacts(settings.core).header) +
            " 等芯片头文件，或自行声明";
    return lineComment(note, dialect) + std::string(lineEnd);
}

std::string timerListText(const TimerSetup &setup, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    std::string text;
    for (const auto &[name, value] : loads(setup))
        text += name + "=" + hexByte(value) + eol;
    if (!setup.auxr)
        return text;
    for (const AuxrWrite &write : auxrBeforeLoads(setup))
        text += std::string("AUXR") + (write.set ? "|=" : "&=") +
                hexByte(static_cast<int>(write.set ? write.mask : ~write.mask & 0xFF)) + eol;
    return text + "timer-clock=" + (setup.oneT ? "1T" : "12T") + eol;
}

std::string timerLoadCText(const TimerSetup &setup, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    std::string text;
    for (const AuxrWrite &write : auxrBeforeLoads(setup))
        text += auxrStatement(write).code + eol;
    for (const auto &[name, value] : loads(setup))
        text += name + " = " + hexByte(value) + ";" + eol;
    return text;
}

std::string timerLoadAsmText(const TimerSetup &setup, CCompiler compiler, std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    auto immediate = [&](unsigned value) {
        return hexLiteral(value, 2, compiler == CCompiler::Sdcc ? Dialect::Sdcc : Dialect::A51);
    };
    std::string text;
    for (const AuxrWrite &write : auxrBeforeLoads(setup))
        text += std::string(write.set ? "ORL" : "ANL") + " AUXR,#" +
                immediate(write.set ? write.mask : ~write.mask & 0xFF) + eol;
    for (const auto &[name, value] : loads(setup))
        text += "MOV " + name + ",#" + immediate(static_cast<unsigned>(value)) + eol;
    return text;
}

std::optional<std::string> timerInitRefusal(const TimerSettings &settings)
{
    if (settings.core != CpuCore::Generic1T)
        return std::nullopt;
    return "--format init 不用于 --clocks 1：通用1T内核的定时器时钟由各系列自己的寄存器选择；"
           "STC的1T内核请用 --core stc12、stc15 或 stc8，其他请用 list、asm 或 c51 取重装值";
}

std::string baudTableText(const TimerSettings &settings, const std::vector<BaudRow> &rows,
                          std::string_view lineEnd)
{
    const std::string eol(lineEnd);
    const CoreFacts &facts = coreFacts(settings.core);
    std::string text = "# 波特率表@" + crystalText(settings.crystalMhz) + "MHz";
    if (!facts.name.empty())
        text += " " + std::string(facts.name);
    else if (facts.clocks != 12)
        text += " " + std::to_string(facts.clocks) + "T";
    text += eol + "rate    timer mode smod clock reload  actual     error" + eol;
    auto column = [](std::string value, std::size_t width) {
        value.resize(std::max(width, value.size() + 1), ' ');
        return value;
    };
    for (const BaudRow &row : rows) {
        text += column(std::to_string(row.rate), 8);
        if (!row.setup) {
            text += "无法产生：重装值超出定时器的范围" + eol;
            continue;
        }
        const TimerSetup &setup = *row.setup;
        const std::string timer = setup.unit == TimerUnit::Brt      ? "BRT"
                                  : setup.unit == TimerUnit::Timer1 ? "T1"
                                                                    : "T2";
        const unsigned reload = setup.counter == Counter::Reload8
                                    ? setup.reload.th
                                    : static_cast<unsigned>(setup.reload.th << 8 | setup.reload.tl);
        text +=
            column(timer, 6) + column(setup.mode < 0 ? "-" : std::to_string(setup.mode), 5) +
            column(setup.smodMatters ? (setup.smod ? "1" : "0") : "-", 5) +
            column(std::to_string(setup.timerClocks) + "T", 6) +
            column(hexLiteral(reload, setup.counter == Counter::Reload8 ? 2 : 4, Dialect::KeilC51),
                   8) +
            column(fixed(setup.reload.actual, 1), 11) + signedFixed(setup.reload.errorPercent) +
            "%";
        if (!row.usable)
            text += " 不可用";
        text += eol;
    }
    return text;
}

std::string sfrDeclarations(const TimerSetup &setup, SfrForm form, std::string_view lineEnd)
{
    std::string text;
    for (const Sfr &sfr : extraSfrs(setup)) {
        const std::string name = sfr.name;
        switch (form) {
        case SfrForm::Keil:
            text += "sfr " + name + " = " + hexLiteral(sfr.address, 2, Dialect::KeilC51) + ";";
            break;
        case SfrForm::Sdcc:
            text += "__sfr __at(" + hexLiteral(sfr.address, 2, Dialect::Sdcc) + ") " + name + ";";
            break;
        case SfrForm::A51:
            text += name + " DATA " + hexLiteral(sfr.address, 2, Dialect::A51);
            break;
        case SfrForm::Sdas:
            text += name + " = " + hexLiteral(sfr.address, 2, Dialect::Sdcc);
            break;
        }
        text += std::string(lineEnd);
    }
    return text;
}

} // namespace zandrel
