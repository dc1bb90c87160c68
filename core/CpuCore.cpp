// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/CpuCore.h"

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
    return {1, 1, 2, 2, 4};
}

int delayUnitClocks(CpuCore core)
{
    return coreFacts(core).set == InstructionSet::Classic ? coreFacts(core).clocks : 1;
}

} // namespace zandrel
