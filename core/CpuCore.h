// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <optional>
#include <string_view>

// The 8051 cores that timers and delays are worked out for: the classic core of 12 clocks a
// machine cycle (6 in X2 mode), a generic 1T core known only by its clocks, and STC's 1T
// families, whose timers count the system clock or a twelfth of it as AUXR says.
namespace zandrel {

enum class CpuCore { Classic12T, Classic6T, Generic1T, Stc12, Stc15, Stc8 };

// The instruction timings a delay is counted with.
enum class InstructionSet {
    Classic, // 8051, STC89: in machine cycles
    StcY3,   // STC12, STC11, STC10: in clocks
    StcY5,   // STC15
    StcY6,   // STC8
};

// What a delay's instructions take, in the unit a core's delays are counted in: machine cycles
// on the classic core, clocks on STC's.
struct InstructionClocks
{
    int nop = 1;
    int movRn = 1; // MOV Rn,#data
    int djnzTaken = 2;
    int djnzNotTaken = 2;
    int callReturn = 4; // the caller's LCALL and the function's RET
};

struct CoreFacts
{
    std::string_view option; // "12t", "stc8"; "" for the generic 1T core
    std::string_view name;   // "STC8"; "" for the classic and generic cores
    InstructionSet set = InstructionSet::Classic;
    std::string_view setName;  // "STC-Y6"
    int clocks = 12;           // a machine cycle's clocks, and what a timer counts without AUXR
    bool auxr = false;         // the timers' clock is chosen in AUXR
    bool stcTimer2 = false;    // STC's Timer 2 (T2H, T2L); the classic cores have the 8052's
    bool brt = false;          // STC12's independent baud-rate generator
    bool autoReload16 = false; // mode 0 is 16-bit auto-reload
    std::string_view header;   // a chip header that defines AUXR and the rest
};

const CoreFacts &coreFacts(CpuCore core);

// The core named by --core: "12t", "6t", "stc12", "stc15" or "stc8".
std::optional<CpuCore> coreNamed(std::string_view option);

// The core that --clocks 12, 6 or 1 stands for.
std::optional<CpuCore> coreOfClocks(int clocks);

InstructionClocks instructionClocks(InstructionSet set);

// What --core offers, for a help text: each core with its instruction set, and the warning that
// parts of one family differ in their timers.
std::string_view coreHelp();

// Where each instruction set's clocks come from, and what the C form of a delay assumes.
std::string_view delayTimingHelp();

// Clocks in one unit of a delay's count: a machine cycle's on the classic core, 1 on STC's.
int delayUnitClocks(CpuCore core);

} // namespace zandrel
