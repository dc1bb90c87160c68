// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphLayout.h"

namespace zandrel {

BitPlace PlaceOf(GlyphLayout layout, GlyphBitOrder order, int row, int column)
{
    // Position of the pixel within its byte, counted from the byte's first pixel.
    int within = 0;
    std::size_t byte = 0;
    switch (layout) {
    case GlyphLayout::Row:
        byte = static_cast<std::size_t>(2 * row + column / 8);
        within = column % 8;
        break;
    case GlyphLayout::Column:
        byte = static_cast<std::size_t>(2 * column + row / 8);
        within = row % 8;
        break;
    case GlyphLayout::Page:
        byte = static_cast<std::size_t>(16 * (row / 8) + column);
        within = row % 8;
        break;
    }
    return {byte, order == GlyphBitOrder::Msb ? 7 - within : within};
}

bool PixelOf(const Glyph &bytes, GlyphLayout layout, GlyphBitOrder order, int row, int column)
{
    const BitPlace place = PlaceOf(layout, order, row, column);
    return (bytes[place.byte] >> place.bit) & 1;
}

Glyph LayOutGlyph(const Glyph &glyph, GlyphLayout layout, GlyphBitOrder order, bool invert)
{
    Glyph out{};
    for (int row = 0; row < 16; ++row)
        for (int column = 0; column < 16; ++column)
            if (PixelOf(glyph, GlyphLayout::Row, GlyphBitOrder::Msb, row, column)) {
                const BitPlace place = PlaceOf(layout, order, row, column);
                out[place.byte] = static_cast<std::uint8_t>(out[place.byte] | (1u << place.bit));
            }
    if (invert)
        for (std::uint8_t &b : out)
            b = static_cast<std::uint8_t>(~b);
    return out;
}

} // namespace zandrel
