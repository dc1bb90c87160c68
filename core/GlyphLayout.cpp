// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphLayout.h"

#include <array>

namespace zandrel {

BitPlace placeOf(GlyphLayout layout, GlyphBitOrder order, int row, int column)
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

bool pixelOf(const Glyph &bytes, GlyphLayout layout, GlyphBitOrder order, int row, int column)
{
    const BitPlace place = placeOf(layout, order, row, column);
    return (bytes[place.byte] >> place.bit) & 1;
}

Glyph layOutGlyph(const Glyph &glyph, GlyphLayout layout, GlyphBitOrder order, bool invert)
{
    Glyph out{};
    if (layout == GlyphLayout::Row && order == GlyphBitOrder::Msb) {
        out = glyph; // the font's own packing
    } else {
        // A whole table repacks thousands of glyphs: look each pixel's place up instead of
        // working it out again.
        static const auto places = [] {
            std::array<std::array<BitPlace, 256>, 6> table{};
            for (int l = 0; l < 3; ++l)
                for (int o = 0; o < 2; ++o)
                    for (int pixel = 0; pixel < 256; ++pixel)
                        table[static_cast<std::size_t>(2 * l + o)][static_cast<std::size_t>(pixel)] =
                            placeOf(static_cast<GlyphLayout>(l), static_cast<GlyphBitOrder>(o), pixel / 16, pixel % 16);
            return table;
        }();
        const auto &place = places[static_cast<std::size_t>(2 * static_cast<int>(layout) + static_cast<int>(order))];
        for (std::size_t k = 0; k < glyph.size(); ++k)
            for (int i = 0; i < 8; ++i)
                if ((glyph[k] >> (7 - i)) & 1) {
                    // Byte k holds pixels 8k to 8k + 7 in reading order, the first in bit 7.
                    const BitPlace &p = place[8 * k + static_cast<std::size_t>(i)];
                    out[p.byte] = static_cast<std::uint8_t>(out[p.byte] | (1u << p.bit));
                }
    }
    if (invert)
        for (std::uint8_t &b : out)
            b = static_cast<std::uint8_t>(~b);
    return out;
}

} // namespace zandrel
