// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The pieces of C and assembler source that every generated table and statement is made of,
// in the dialect of the compiler that reads it.
namespace zandrel {

// The compiler a build uses, as --compiler names it.
enum class CCompiler { Keil, Sdcc };

enum class Dialect {
    KeilC51, // C, tables in code memory as "code"
    Sdcc,    // C, the same as "__code": SDCC refuses Keil's keyword; numbers also as sdas8051 takes
             // them
    A51,     // the 8051 assembler: DB lines, ';' comments
};

constexpr bool isC(Dialect dialect)
{
    return dialect != Dialect::A51;
}

// The C dialect of a compiler.
constexpr Dialect cDialectOf(CCompiler compiler)
{
    return compiler == CCompiler::Sdcc ? Dialect::Sdcc : Dialect::KeilC51;
}

// The storage class that puts a table into code memory: "code", "__code"; nothing for A51.
std::string_view codeSpace(Dialect dialect);

// value in hexadecimal with at least digits digits: C "0x3C"; A51 "3CH", with a leading 0
// where the first digit is a letter ("0FDH"), as the assembler wants.
std::string hexLiteral(unsigned value, int digits, Dialect dialect);

// Byte items joined by ",", four characters each: C "0x00,0x7F"; A51 "000H,07FH" (always three
// digits, so that columns line up and every item starts with a digit).
std::string byteList(std::span<const std::uint8_t> bytes, Dialect dialect);
// The same, appended to text.
void appendByteList(std::string &text, std::span<const std::uint8_t> bytes, Dialect dialect);

// A comment to the end of the line: "//text" or ";text". A C comment never ends in a
// backslash, which would carry the comment onto the next line.
std::string lineComment(std::string_view text, Dialect dialect);

} // namespace zandrel
