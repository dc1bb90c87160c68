// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/DelayLoop.h"

#include <string>
#include <string_view>

// The C and assembler text of delays, all in one place: what a compiler or an assembler reads
// is written here and nowhere else.
namespace zandrel {

// Whose text it is: the C of a delay differs in its NOP.
enum class CCompiler { Keil, Sdcc };

// A crystal in MHz with three decimals, or as many more (up to six) as it needs: "12.000",
// "11.0592".
std::string crystalText(double mhz);

// Two decimals with a sign; a value that rounds to zero is "+0.00".
std::string signedFixed(double value);

// "@11.0592MHz 922个机器周期 = 1000.43us（+0.43us）", with "6T" after the crystal when a
// machine cycle is 6 clocks.
std::string delayFigures(const DelayPlan &plan);

// The delay as a C function: unsigned char counters in nested do/while loops, the form a
// compiler turns into one DJNZ a counter. Keil's NOP needs <intrins.h>, which comes first.
std::string delayCText(const DelayPlan &plan, std::string_view name, CCompiler compiler,
                       std::string_view lineEnd);

// The delay as a subroutine that both A51 and sdas8051 assemble: decimal immediates, no
// directives, one loop label (name + "_Loop"), the registers it uses in a comment.
std::string delayAsmText(const DelayPlan &plan, std::string_view name, std::string_view lineEnd);

} // namespace zandrel
