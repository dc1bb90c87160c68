// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/DisplayPreset.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

// One lit pixel of a whole screen packed by the preset lands where the controller's data sheet
// addresses it: the byte it writes, and the data bit.
TEST(displayPreset, putsAPixelWhereTheControllerShowsIt)
{
    const struct
    {
        std::string_view name;
        int x, y;
        std::size_t byte;
        std::uint8_t value;
    } cases[] = {
        {"ssd1306", 5, 13, 128 + 5, 0x20}, // page 1, column 5, D5
        {"sh1106", 127, 63, 7 * 128 + 127, 0x80},
        {"st7565", 0, 0, 0, 0x01},              // D0 at the top of the page
        {"pcd8544", 83, 47, 5 * 84 + 83, 0x80}, // horizontal addressing: bank 5, column 83, D7
        {"st7920", 9, 33, 33 * 16 + 1, 0x40},   // 16 bytes a row, leftmost pixel in the top bit
        {"hd44780", 0, 0, 0, 0x10},             // the character's left column is D4
        {"hd44780", 4, 7, 7, 0x01},
    };
    for (const auto &c : cases) {
        const DisplayPreset *preset = displayPresetNamed(c.name);
        ASSERT_NE(preset, nullptr) << c.name;
        Bitmap screen(preset->width, preset->height);
        screen.setPixel(c.x, c.y, true);
        std::vector<std::uint8_t> packed,
            expected(packedSize(preset->width, preset->height, preset->layout));
        expected[c.byte] = c.value;
        packBitmap(screen, {preset->layout, preset->order, false, preset->pad}, packed);
        EXPECT_EQ(packed, expected) << c.name << " " << c.x << "," << c.y;
    }
    EXPECT_EQ(displayPresets().size(), 6u);
    EXPECT_EQ(displayPresetNamed("ssd1309"), nullptr);
}

} // namespace
} // namespace zandrel
