// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/FontTable.h"

#include <cstddef>

// How the 256 pixels of a glyph are packed into 32 bytes for a display.
namespace zandrel {

enum class GlyphLayout {
    Row,    // the font's own: 16 rows top to bottom, two bytes a row, left byte first
    Column, // 16 columns left to right, two bytes a column: rows 0-7, then rows 8-15
    Page,   // bytes 0-15: rows 0-7 of columns 0-15; bytes 16-31: rows 8-15
};

// Where a byte's first pixel (leftmost of a horizontal byte, topmost of a vertical one) goes.
enum class GlyphBitOrder { Msb, Lsb };

struct BitPlace
{
    std::size_t byte;
    int bit;
};

// The byte and bit that carry the pixel at row, column (0 to 15 each, from the top left).
BitPlace placeOf(GlyphLayout layout, GlyphBitOrder order, int row, int column);

// The glyph (in the font's layout, 1 is ink) repacked, every byte complemented when invert
// is set. Row, Msb, no invert gives the glyph back unchanged.
Glyph layOutGlyph(const Glyph &glyph, GlyphLayout layout, GlyphBitOrder order, bool invert);

// The bit at row, column of bytes packed in that layout.
bool pixelOf(const Glyph &bytes, GlyphLayout layout, GlyphBitOrder order, int row, int column);

} // namespace zandrel
