// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/CodeText.h"
#include "core/DelayLoop.h"
#include "core/TimerReload.h"
#include "core/TimerSetup.h"

#include <string>
#include <string_view>

// The C and assembler text of delays and of the timer and serial set-up functions, all in one
// place: what a compiler or an assembler reads is written here and nowhere else.
namespace zandrel {

// Whose text it is (CCompiler, from the common writer): the C of a delay differs in its NOP;
// the assembler of a timer load in how it writes a hexadecimal number (A51 takes 0FDH,
// sdas8051 only 0xFD).

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

// Two lines that load THn and TLn: "TH0 = 0x3C;", or "MOV TH0,#3CH" for A51 and
// "MOV TH0,#0x3C" for sdas8051.
std::string timerLoadCText(int timer, const TimerReload &reload, std::string_view lineEnd);
std::string timerLoadAsmText(int timer, const TimerReload &reload, CCompiler compiler,
                             std::string_view lineEnd);

// "50毫秒@12.000MHz" for wanted "50毫秒", followed by "，实际1000.43微秒（+0.43微秒）" when the
// reload does not give the interval to the hundredth of a microsecond.
std::string intervalHeading(std::string_view wanted, double wantedSeconds, double crystalMhz,
                            int clocks, const TimerReload &reload);

// "9600bps@11.0592MHz", followed by "，实际10416.7bps（+8.51%）" when the rate is not exact
// to the hundredth of a per cent.
std::string baudHeading(std::string_view wanted, double crystalMhz, int clocks,
                        const TimerReload &reload);

// void Timer0_Init(void): timer 0 set to the mode, loaded, its flag cleared and started.
std::string timer0InitText(TimerMode mode, const TimerReload &reload, std::string_view heading,
                           std::string_view lineEnd);

// void Uart_Init(void): serial mode 1 with reception on, timer 1 in mode 2 as its baud-rate
// generator, SMOD set first when asked for.
std::string uartInitText(bool smod, const TimerReload &reload, std::string_view heading,
                         std::string_view lineEnd);

// The same for any core and timer. On the classic core, Timer 0's and Timer 1's text is the one
// above; elsewhere the core is named ("@11.0592MHz STC15") with the timer's clock where AUXR
// sets it ("，定时器时钟1T").
std::string intervalHeading(std::string_view wanted, double wantedSeconds,
                            const TimerSettings &settings, const TimerSetup &setup);
std::string baudHeading(std::string_view wanted, const TimerSettings &settings,
                        const TimerSetup &setup);

// The set-up function of any timer: Timer0_Init, Timer1_Init, Timer2_Init or Uart_Init. The
// AUXR bits are set with |= and cleared with &=, leaving the others as they are; where the
// function uses registers that reg51.h and 8051.h lack, a comment above it names a header
// that has them. On the classic core Timer 0 and Uart_Init are written as above.
std::string timerInitText(const TimerSettings &settings, const TimerSetup &setup,
                          std::string_view heading, std::string_view lineEnd);

// A comment naming the registers the setup uses that reg51.h and 8051.h lack, and a header
// that has them ("//" in C, ";" for the assemblers); empty if none. timerInitText starts with
// it; the asm and c51 forms of the loads need it as much.
std::string sfrHeaderNote(const TimerSettings &settings, const TimerSetup &setup, Dialect dialect,
                          std::string_view lineEnd);

// What the list format prints of the registers: "TH0=0xD4", "TL0=0xCD", then on a core with
// AUXR the bits it changes ("AUXR|=0x80") and the timer's clock ("timer-clock=1T").
std::string timerListText(const TimerSetup &setup, std::string_view lineEnd);

// The loads as statements, with the AUXR bits first: "AUXR |= 0x80;" and "ORL AUXR,#80H"
// ("ORL AUXR,#0x80" for sdas8051). On the classic core's Timer 0 and 1, timerLoadCText and
// timerLoadAsmText above.
std::string timerLoadCText(const TimerSetup &setup, std::string_view lineEnd);
std::string timerLoadAsmText(const TimerSetup &setup, CCompiler compiler, std::string_view lineEnd);

// Why the set-up function is not written, if it is not: the generic 1T core's timers are
// clocked as each family's own registers say.
std::optional<std::string> timerInitRefusal(const TimerSettings &settings);

// The baud table as text: a heading naming the crystal, core and timer, then one row a rate
// with the timer, mode, SMOD and clock it uses, the reload, the actual rate and the error;
// rates off by more than 2 % are marked 不可用, and rates no reload makes say so.
std::string baudTableText(const TimerSettings &settings, const std::vector<BaudRow> &rows,
                          std::string_view lineEnd);

// How a declaration of a special function register is written.
enum class SfrForm {
    Keil, // sfr AUXR = 0x8E;
    Sdcc, // __sfr __at(0x8E) AUXR;
    A51,  // AUXR DATA 08EH
    Sdas, // AUXR = 0x8E
};

// The registers the setup uses that reg51.h and 8051.h lack, declared; empty if none.
std::string sfrDeclarations(const TimerSetup &setup, SfrForm form, std::string_view lineEnd);

} // namespace zandrel
