// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "core/CodeText.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// Whole tables of glyphs for firmware sources, from bytes already packed for the display.
namespace zandrel {

enum class GlyphTableFormat { C51, Asm51, Struct, Bin, Preview };

struct GlyphTableOptions
{
    GlyphTableFormat format = GlyphTableFormat::C51;
    Dialect compiler = Dialect::KeilC51; // of C51 and Struct
    std::string name = "hz16";
    int width = 16; // of the cell
    int height = 16;
    Packing packing;
    bool oneByteCodes = false; // half-width characters: Struct gives one byte of code, not two
    std::string lineEnd = "\n";
};

// One character of a table: its code (GB2312, or ASCII for one byte) and the text its comment
// or preview heading shows, in whatever encoding the output is meant to have.
struct GlyphTableEntry
{
    std::uint16_t code;
    std::string label;
};

// Appends the table of the entries, whose glyphs are bytes back to back in entry order, every
// line ended by options.lineEnd (bin has no lines):
//   C51:     "unsigned char code NAME[][32] = {", "{0x00,...},//啊" a glyph, "};"
//   Asm51:   "NAME:", "DB 000H,...;啊" a glyph
//   Struct:  a struct of the code and the bytes, and "struct NAME_glyph code NAME[] = {" of them
//   Preview: the label, then the cell read back from the bytes, '#' a 1 bit and '.' a 0 bit,
//            and a blank line
void appendGlyphTable(std::string &text, std::span<const GlyphTableEntry> entries,
                      std::span<const std::uint8_t> bytes, const GlyphTableOptions &options);

// The rows of a bitmap as '#' (set) and '.' (clear), each row ended by lineEnd.
std::string previewText(const Bitmap &bitmap, const std::string &lineEnd);

// A Netpbm P4 picture of glyphs of one size, perRow of them a row in reading order, side by
// side without gaps; the last row is as wide as the others, filled with off pixels.
std::string glyphSheetPbm(std::span<const Bitmap> glyphs, int perRow);

enum class ImageFormat { C51, Asm51, Bin, Preview, Pbm };

struct ImageTableOptions
{
    ImageFormat format = ImageFormat::C51;
    Dialect compiler = Dialect::KeilC51; // of C51
    std::string name = "image";
    Packing packing;
    std::string lineEnd = "\n";
};

// One picture's bytes, packed as options.packing says:
//   C51:     "unsigned char code NAME[1024] = {", 16 items a line, "};"
//   Asm51:   "NAME:", then "DB" lines of 16 items
//   Preview: the rows, '#' a 1 bit
//   Pbm:     a Netpbm P4 file of the bits, 1 black
// C51 and Asm51 start with a comment giving the size and the packing.
std::string imageTableText(const Bitmap &bitmap, const ImageTableOptions &options);

} // namespace zandrel
