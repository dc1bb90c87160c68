// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/FontTable.h"
#include "data/HzFontTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

namespace zandrel {
namespace {

struct KnownGlyph
{
    std::uint8_t hi;
    std::uint8_t lo;
    Glyph bytes;
};

const KnownGlyph kKnownGlyphs[] = {
    {0xB0,
     0xA1, // 啊
     {0x00, 0x04, 0x2F, 0x7E, 0xF9, 0x04, 0xA9, 0x04, 0xAA, 0x14, 0xAA,
      0x7C, 0xAC, 0x54, 0xAA, 0x54, 0xAA, 0x54, 0xA9, 0x54, 0xE9, 0x74,
      0xAD, 0x54, 0x0A, 0x04, 0x08, 0x04, 0x08, 0x14, 0x08, 0x0C}},
    {0xB2,
     0xE2, // 测
     {0x00, 0x00, 0x40, 0x44, 0x27, 0xE4, 0x24, 0x54, 0x85, 0x54, 0x65,
      0x54, 0x25, 0x54, 0x0D, 0x54, 0x15, 0x54, 0x25, 0x54, 0xE5, 0x54,
      0x21, 0x04, 0x22, 0x84, 0x24, 0x44, 0x28, 0x54, 0x20, 0x08}},
    {0xA1, 0xA1, {}}, // full-width space
};

TEST(GlyphOf, GivesTheKnownBitmaps)
{
    for (const KnownGlyph &known : kKnownGlyphs) {
        const std::optional<Glyph> glyph = GlyphOf(known.hi, known.lo);
        ASSERT_TRUE(glyph) << std::hex << int{known.hi} << int{known.lo};
        EXPECT_EQ(*glyph, known.bytes) << std::hex << int{known.hi} << int{known.lo};
    }
}

TEST(GlyphOf, ReadsTheLastGlyphOfZone87FromTheEndOfTheTable)
{
    ASSERT_EQ(kFontTableSize, 261696u);
    const std::optional<Glyph> last = GlyphOf(0xF7, 0xFE);
    ASSERT_TRUE(last);
    EXPECT_TRUE(std::equal(last->begin(), last->end(), HzFontTable + 261696 - 32));
    // Zone 87 holds second-level characters up to its last position: not a blank.
    EXPECT_TRUE(std::any_of(last->begin(), last->end(), [](std::uint8_t b) { return b != 0; }));
}

TEST(GlyphOf, RefusesCodesOutsideTheTable)
{
    const std::pair<std::uint8_t, std::uint8_t> outside[] = {
        {0xA0, 0xA1}, {0xF8, 0xA1}, {0xFF, 0xFF}, {0x00, 0x00}, {0x41, 0x42},
        {0xA1, 0xA0}, {0xA1, 0xFF}, {0xB0, 0x41}, {0xF7, 0xFF}, {0xFE, 0xFE},
    };
    for (auto [hi, lo] : outside)
        EXPECT_FALSE(GlyphOf(hi, lo)) << std::hex << int{hi} << ' ' << int{lo};

    const std::pair<std::uint8_t, std::uint8_t> corners[] = {
        {0xA1, 0xA1}, {0xA1, 0xFE}, {0xF7, 0xA1}, {0xF7, 0xFE}};
    for (auto [hi, lo] : corners)
        EXPECT_TRUE(GlyphOf(hi, lo)) << std::hex << int{hi} << ' ' << int{lo};
}

} // namespace
} // namespace zandrel
