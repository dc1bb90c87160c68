// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/CpuCore.h"

#include "core/DelayLoop.h"

#include <array>

namespace zandrel {

namespace {

// In CpuCore's order.
constexpr std::array<CoreFacts, 6> kCores = {{
    {"12t", "", InstructionSet::Classic, "", 12, false, false, false, false, "reg52.h / 8052.h"},
    {"6t", "", InstructionSet::Classic, "", 6, false, false, false, false, "reg52.h / 8052.h"},
    {"", "", InstructionSet::Classic, "", 1, false, false, false, false, ""},
    {"stc12", "STC12", InstructionSet::StcY3, "STC-Y3", 1, true, false, true, false,
     "STC12C5A60S2.h"},
    {"stc15", "STC15", InstructionSet::StcY5, "STC-Y5", 1, true, true, false, true,
     "STC15F2K60S2.h"},
    {"stc8", "STC8", InstructionSet::StcY6, "STC-Y6", 1, true, true, false, true, "STC8H.h"},
}};

} // namespace

const CoreFacts &coreFacts(CpuCore core)
{
    return kCores[static_cast<std::size_t>(core)];
}

std::optional<CpuCore> coreNamed(std::string_view option)
{
    for (std::size_t k = 0; k < kCores.size(); ++k)
        if (!option.empty() && kCores[k].option == option)
            return static_cast<CpuCore>(k);
    return std::nullopt;
}

std::optional<CpuCore> coreOfClocks(int clocks)
{
    switch (clocks) {
    case 12:
        return CpuCore::Classic12T;
    case 6:
        return CpuCore::Classic6T;
    case 1:
        return CpuCore::Generic1T;
    default:
        return std::nullopt;
    }
}

InstructionClocks instructionClocks(InstructionSet set)
{
    switch (set) {
    case InstructionSet::StcY3:
        return {1, 2, 4, 4, 10};
    case InstructionSet::StcY5:
        return {1, 2, 4, 4, 8};
    case InstructionSet::StcY6:
        return {1, 1, 3, 2, 6};
    case InstructionSet::Classic:
        break;
    }
    return {kNopCycles, kMovRnCycles, kDjnzCycles, kDjnzCycles, kLcallCycles + kRetCycles};
}

std::string_view coreHelp()
{
    return "内核：12t（经典8051及STC89等，每个机器周期12个时钟，默认）、6t（同上，X2模式）、"
           "stc12（STC12、STC11、STC10，1T，指令集STC-Y3）、stc15（STC15，1T，STC-Y5）、"
           "stc8（STC8，1T，STC-Y6）。同一系列的各型号所带定时器不尽相同：STC15的部分小型号"
           "没有定时器1，STC12的部分型号没有BRT";
}

std::string_view delayTimingHelp()
{
    return "各指令的时钟数：经典内核（STC89同，12T；X2模式为6T）NOP、MOV Rn,#data 各1个机器周期，"
           "DJNZ 2个，LCALL加RET 4个；STC-Y3 依次为1、2、4、10个时钟，STC-Y5 为1、2、4、8（4+4，"
           "取自STC15手册的指令表），STC-Y6 为1、1、DJNZ跳转3个不跳转2个、6。STC-Y3和STC-Y6的数字"
           "与厂商公布的延时代码逐个时钟相符。C代码假定编译器把计数变量放在寄存器中，"
           "并把计数循环编译为DJNZ";
}

int delayUnitClocks(CpuCore core)
{
    return coreFacts(core).set == InstructionSet::Classic ? coreFacts(core).clocks : 1;
}

} // namespace zandrel
