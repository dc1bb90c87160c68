// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Bitmap.h"
#include "core/Dither.h"
#include "core/GlyphSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

namespace zandrel {
namespace {

using enum BitmapLayout;
using enum BitOrder;

// A picture of no pattern, the same on every run (seed 19).
Bitmap speckled(int width, int height)
{
    Bitmap bitmap(width, height);
    unsigned state = 19;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            state = state * 1103515245u + 12345u;
            bitmap.setPixel(x, y, (state >> 16) & 1);
        }
    return bitmap;
}

// The layouts as a display's data sheet words them: which pixels make up each byte, in
// order, and which of them is the byte's first (lit pixels outside the picture are none).
// Left padding shifts the picture along the bytes by the bits the last byte would leave over.
std::vector<std::uint8_t> transposed(const Bitmap &b, BitmapLayout layout, BitOrder order,
                                     Padding pad = Padding::Right)
{
    const int w = b.width(), h = b.height(), blocks = (w + 7) / 8, pages = (h + 7) / 8;
    const int dx = pad == Padding::Left ? blocks * 8 - w : 0;
    const int dy = pad == Padding::Left ? pages * 8 - h : 0;
    std::vector<std::uint8_t> out;
    const auto byte = [&](auto pixelAt) {
        int v = 0;
        for (int i = 0; i < 8; ++i)
            if (pixelAt(i))
                v |= 1 << (order == Msb ? 7 - i : i);
        out.push_back(static_cast<std::uint8_t>(v));
    };
    const auto lit = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && b.pixel(x, y);
    };
    if (layout == Row)
        for (int y = 0; y < h; ++y)
            for (int k = 0; k < blocks; ++k)
                byte([&](int i) { return lit(8 * k + i - dx, y); });
    if (layout == RowBlock)
        for (int k = 0; k < blocks; ++k)
            for (int y = 0; y < h; ++y)
                byte([&](int i) { return lit(8 * k + i - dx, y); });
    if (layout == Column)
        for (int x = 0; x < w; ++x)
            for (int p = 0; p < pages; ++p)
                byte([&](int i) { return lit(x, 8 * p + i - dy); });
    if (layout == Page)
        for (int p = 0; p < pages; ++p)
            for (int x = 0; x < w; ++x)
                byte([&](int i) { return lit(x, 8 * p + i - dy); });
    return out;
}

class PackBitmap : public ::testing::TestWithParam<
                       std::tuple<std::pair<int, int>, BitmapLayout, BitOrder, Padding>>
{
};

TEST_P(PackBitmap, matchesTheTranspositionAndReadsBack)
{
    const auto [extent, layout, order, pad] = GetParam();
    const Bitmap bitmap = speckled(extent.first, extent.second);
    const std::vector<std::uint8_t> expected = transposed(bitmap, layout, order, pad);
    for (bool invert : {false, true}) {
        std::vector<std::uint8_t> packed = {0xAA}; // appended after what is there
        packBitmap(bitmap, {layout, order, invert, pad}, packed);
        ASSERT_EQ(packed.size(), 1 + expected.size());
        EXPECT_EQ(packed.size() - 1, packedSize(extent.first, extent.second, layout));
        for (std::size_t k = 0; k < expected.size(); ++k)
            ASSERT_EQ(packed[k + 1], invert ? static_cast<std::uint8_t>(~expected[k]) : expected[k])
                << "byte " << k;
        EXPECT_EQ(unpackBitmap(std::span(packed).subspan(1), extent.first, extent.second,
                               {layout, order, invert, pad}),
                  bitmap);
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, PackBitmap,
                         ::testing::Combine(::testing::Values(std::pair{5, 7}, std::pair{6, 12},
                                                              std::pair{12, 12}, std::pair{16, 16},
                                                              std::pair{24, 24}, std::pair{13, 17}),
                                            ::testing::Values(Row, Column, RowBlock, Page),
                                            ::testing::Values(Msb, Lsb),
                                            ::testing::Values(Padding::Right, Padding::Left)));

// A 5 x 3 picture, as wide as an HD44780 custom character's row, in every packing:
//   X . . . X
//   . X X . .
//   X X X X X
// Left padding puts its 5-pixel rows in bits 4 to 0 (Msb) and its 3-pixel columns at the
// far end of their bytes.
TEST(packBitmap, padsPartialBytesOnEitherSide)
{
    const struct
    {
        BitmapLayout layout;
        BitOrder order;
        Padding pad;
        std::vector<std::uint8_t> bytes;
    } cases[] = {
        {Row, Msb, Padding::Right, {0x88, 0x60, 0xF8}},
        {Row, Msb, Padding::Left, {0x11, 0x0C, 0x1F}},
        {Row, Lsb, Padding::Right, {0x11, 0x06, 0x1F}},
        {Row, Lsb, Padding::Left, {0x88, 0x30, 0xF8}},
        {RowBlock, Msb, Padding::Left, {0x11, 0x0C, 0x1F}},
        {Column, Msb, Padding::Right, {0xA0, 0x60, 0x60, 0x20, 0xA0}},
        {Column, Msb, Padding::Left, {0x05, 0x03, 0x03, 0x01, 0x05}},
        {Column, Lsb, Padding::Right, {0x05, 0x06, 0x06, 0x04, 0x05}},
        {Page, Lsb, Padding::Left, {0xA0, 0xC0, 0xC0, 0x80, 0xA0}},
    };
    const std::pair<int, int> lit[] = {{0, 0}, {4, 0}, {1, 1}, {2, 1}, {0, 2},
                                       {1, 2}, {2, 2}, {3, 2}, {4, 2}};
    Bitmap bitmap(5, 3);
    for (const auto &[x, y] : lit)
        bitmap.setPixel(x, y, true);
    for (const auto &c : cases) {
        const Packing packing{c.layout, c.order, false, c.pad};
        std::vector<std::uint8_t> packed;
        packBitmap(bitmap, packing, packed);
        EXPECT_EQ(packed, c.bytes)
            << static_cast<int>(c.layout) << static_cast<int>(c.order) << static_cast<int>(c.pad);
        EXPECT_EQ(unpackBitmap(packed, 5, 3, packing), bitmap);
    }
}

// One lit pixel of a 16 x 16 glyph, and the one byte and bit it lands in.
TEST(packBitmap, putsAPixelInItsByteAndBit)
{
    const struct
    {
        int x, y;
        BitmapLayout layout;
        BitOrder order;
        std::size_t byte;
        std::uint8_t value;
    } cases[] = {
        {0, 0, Row, Msb, 0, 0x80},        {0, 0, Row, Lsb, 0, 0x01},
        {3, 9, Row, Msb, 18, 0x10},       {11, 9, Row, Lsb, 19, 0x08},
        {0, 0, Column, Msb, 0, 0x80},     {3, 9, Column, Msb, 7, 0x40},
        {3, 9, Column, Lsb, 7, 0x02},     {15, 15, Column, Msb, 31, 0x01},
        {0, 0, Page, Lsb, 0, 0x01},       {3, 9, Page, Lsb, 19, 0x02},
        {15, 7, Page, Msb, 15, 0x01},     {0, 8, Page, Msb, 16, 0x80},
        {11, 9, RowBlock, Msb, 25, 0x10}, {3, 9, RowBlock, Lsb, 9, 0x08},
    };
    for (const auto &c : cases) {
        Bitmap bitmap(16, 16);
        bitmap.setPixel(c.x, c.y, true);
        std::vector<std::uint8_t> expected(32, 0), packed;
        expected[c.byte] = c.value;
        packBitmap(bitmap, {c.layout, c.order, false}, packed);
        EXPECT_EQ(packed, expected) << c.x << "," << c.y;
    }
}

// A glyph's place in its cell: the baseline every glyph of the font shares, the advance
// centred, refusal or clipping of ink outside.
TEST(placeGlyph, sitsOnTheBaselineAndCentresTheAdvance)
{
    // A 4 x 2 block of ink.
    const std::uint8_t ink[] = {0xF0, 0xF0};
    const struct
    {
        FontLine line;
        int cellWidth, cellHeight;
        int left, top, advance;
        bool clip;
        int expectedX, expectedY; // of the block's top left; -1: refused
        int litPixels;
    } cases[] = {
        {{14, 2, 16}, 16, 16, 0, 14, 16, false, 0, 0, 8}, // em filling the cell: baseline 14
        {{14, 4, 16}, 16, 16, 2, 10, 16, false, 2, 4, 8}, // line taller than the cell: em rule
        {{14, 4, 16}, 16, 18, 0, 2, 16, false, 0, 12, 8}, // line fits: moved up to keep the descent
        {{11, 1, 12}, 16, 16, 0, 11, 12, false, 2, 2, 8}, // a 12 px em centred in 16 x 16
        {{14, 2, 16}, 8, 16, 6, 14, 8, false, 4, 0, 8},   // ink past the advance, moved in
        {{14, 2, 16}, 16, 16, 0, 15, 16, false, -1, -1, 0}, // above the cell: refused
        {{14, 2, 16}, 16, 16, 0, 15, 16, true, 0, -1, 4},   // clipped: only its lower row
    };
    for (const auto &c : cases) {
        const GlyphImage glyph{ink, 1, 4, 2, c.left, c.top, c.advance};
        Bitmap placed(c.cellWidth, c.cellHeight);
        ASSERT_EQ(placeGlyph(glyph, baselineOf(c.line, c.cellHeight), c.clip, placed),
                  c.expectedX >= 0)
            << c.left << "," << c.top;
        if (c.expectedX < 0)
            continue;
        const Bitmap *cell = &placed;
        int lit = 0;
        for (int y = 0; y < c.cellHeight; ++y)
            for (int x = 0; x < c.cellWidth; ++x)
                lit += cell->pixel(x, y);
        EXPECT_EQ(lit, c.litPixels);
        EXPECT_TRUE(cell->pixel(c.expectedX, std::max(c.expectedY, 0)) &&
                    cell->pixel(c.expectedX + 3, c.expectedY + 1))
            << c.left << "," << c.top;
    }
}

// Clipped at every offset, across byte boundaries, each pixel lands where it should. The ink
// is wider than the cell, so that it is not moved in.
TEST(placeGlyph, movesEveryPixelByItsOffset)
{
    Bitmap ink = speckled(13, 5);
    ink.setPixel(0, 0, true);
    ink.setPixel(12, 4, true);
    for (int left = -14; left <= 12; ++left) {
        const GlyphImage glyph{ink.row(0), ink.rowBytes(), 13, 5, left, 3, 10};
        Bitmap cell(10, 4);
        ASSERT_TRUE(placeGlyph(glyph, 2, true, cell));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 10; ++x) {
                const int gx = x - left, gy = y + 1; // top 3 over the baseline on row 2
                ASSERT_EQ(cell.pixel(x, y), gx >= 0 && gx < 13 && ink.pixel(gx, gy))
                    << left << ": " << x << "," << y;
            }
    }
}

// Grey levels to bits: the threshold decides a flat area's pixels exactly; a dither gives a
// grey area its density and leaves black and white alone.
TEST(ditherToBitmap, keepsDensityAndExtremes)
{
    const struct
    {
        Dither dither;
        int level;
        int threshold;
        int litOf256; // of a 16 x 16 area
    } cases[] = {
        {Dither::None, 127, 128, 256},
        {Dither::None, 128, 128, 0},
        {Dither::None, 0, 0, 0},
        {Dither::Bayer4, 128, 128, 128},
        {Dither::Bayer4, 64, 128, 192},
        {Dither::FloydSteinberg, 128, 128, 127},
        {Dither::FloydSteinberg, 192, 128, 64},
        {Dither::Atkinson, 128, 128, 128},
        {Dither::Atkinson, 0, 128, 256},
        {Dither::FloydSteinberg, 255, 128, 0},
    };
    for (const auto &c : cases) {
        const GreyImage grey{16, 16,
                             std::vector<std::uint8_t>(256, static_cast<std::uint8_t>(c.level))};
        const Bitmap bitmap = ditherToBitmap(grey, c.threshold, c.dither);
        int lit = 0;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                lit += bitmap.pixel(x, y);
        EXPECT_NEAR(lit, c.litOf256, 8) << static_cast<int>(c.dither) << " at " << c.level;
    }
}

} // namespace
} // namespace zandrel
