// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <cstdint>
#include <optional>

// What every font gives the glyph tables, built in or read from a file, and how a glyph is
// put into its cell.
namespace zandrel {

// A character to draw: its Unicode code point, and its GB2312 code where it has one
// (0x21-0x7E for ASCII, hi * 256 + lo for a two-byte character; 0 for none). The built-in
// tables look the code up, a font file the code point.
struct GlyphKey
{
    char32_t character = 0;
    std::uint16_t gb2312 = 0;
};

// A glyph as a font draws it: one-bit rows, the leftmost pixel in the most significant bit,
// pitch bytes apart from the top row down; and where it sits against the pen on the baseline.
// A view into the source, valid until its next call.
struct GlyphImage
{
    const std::uint8_t *rows = nullptr;
    int pitch = 0;
    int width = 0;
    int height = 0;
    int left = 0;    // columns from the pen to the leftmost column
    int top = 0;     // rows from the baseline up to the top row
    int advance = 0; // where the pen goes next, in pixels
};

// The font's line in pixels: how far its glyphs may reach above and below the baseline, and
// its em (the size it was drawn at).
struct FontLine
{
    int ascent = 0;
    int descent = 0;
    int em = 0;
};

class GlyphSource
{
public:
    virtual ~GlyphSource() = default;
    virtual FontLine line() const = 0;
    // Nothing when the font has no glyph for the character. Throws Error when the font's data
    // for it is broken.
    virtual std::optional<GlyphImage> glyphOf(const GlyphKey &key) = 0;
};

// The row of a cell that is height rows tall on which the baseline lies (the first row below
// it), the same for every glyph of the font. The em is centred in the cell, 7/8 of it above the
// baseline as the ideographs of Chinese fonts are drawn; where the font's whole line would then
// stick out of a cell that could hold it, the baseline moves just enough to keep it in.
int baselineOf(const FontLine &line, int height);

// Draws the glyph into cell, which keeps its size, with its baseline on that row and its
// advance centred across the cell (moved inwards where only that keeps its ink inside). False
// when ink falls outside the cell, unless clip is set: then what is outside is left out. A
// whole table reuses one cell.
bool placeGlyph(const GlyphImage &glyph, int baseline, bool clip, Bitmap &cell);

} // namespace zandrel
