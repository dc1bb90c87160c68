// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphLayout.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

struct PixelCase
{
    int row;
    int column;
    GlyphLayout layout;
    GlyphBitOrder order;
    std::size_t byte;
    std::uint8_t value;
};

// One lit pixel, and the one byte it lands in.
TEST(layOutGlyph, putsAPixelInItsByteAndBit)
{
    using enum GlyphLayout;
    using enum GlyphBitOrder;
    const PixelCase cases[] = {
        {0, 0, Row, Msb, 0, 0x80},     {0, 0, Row, Lsb, 0, 0x01},     {9, 3, Row, Msb, 18, 0x10},
        {9, 11, Row, Lsb, 19, 0x08},   {0, 0, Column, Msb, 0, 0x80},  {9, 3, Column, Msb, 7, 0x40},
        {9, 3, Column, Lsb, 7, 0x02},  {15, 15, Column, Msb, 31, 0x01}, {0, 0, Page, Lsb, 0, 0x01},
        {9, 3, Page, Lsb, 19, 0x02},   {7, 15, Page, Msb, 15, 0x01},  {8, 0, Page, Msb, 16, 0x80},
    };
    for (const PixelCase &c : cases) {
        Glyph glyph{};
        glyph[static_cast<std::size_t>(2 * c.row + c.column / 8)] = static_cast<std::uint8_t>(0x80 >> (c.column % 8));
        Glyph expected{};
        expected[c.byte] = c.value;
        EXPECT_EQ(layOutGlyph(glyph, c.layout, c.order, false), expected) << c.row << "," << c.column;
        for (std::uint8_t &b : expected)
            b = static_cast<std::uint8_t>(~b);
        EXPECT_EQ(layOutGlyph(glyph, c.layout, c.order, true), expected) << c.row << "," << c.column;
    }
}

TEST(pixelOf, readsBackWhatEveryLayoutPacked)
{
    // 啊 from the font.
    const Glyph a = {0x00, 0x04, 0x2F, 0x7E, 0xF9, 0x04, 0xA9, 0x04, 0xAA, 0x14, 0xAA,
                     0x7C, 0xAC, 0x54, 0xAA, 0x54, 0xAA, 0x54, 0xA9, 0x54, 0xE9, 0x74,
                     0xAD, 0x54, 0x0A, 0x04, 0x08, 0x04, 0x08, 0x14, 0x08, 0x0C};
    EXPECT_EQ(layOutGlyph(a, GlyphLayout::Row, GlyphBitOrder::Msb, false), a);
    for (GlyphLayout layout : {GlyphLayout::Row, GlyphLayout::Column, GlyphLayout::Page})
        for (GlyphBitOrder order : {GlyphBitOrder::Msb, GlyphBitOrder::Lsb}) {
            const Glyph packed = layOutGlyph(a, layout, order, false);
            for (int r = 0; r < 16; ++r)
                for (int c = 0; c < 16; ++c)
                    ASSERT_EQ(pixelOf(packed, layout, order, r, c), pixelOf(a, GlyphLayout::Row, GlyphBitOrder::Msb, r, c));
        }
}

} // namespace
} // namespace zandrel
