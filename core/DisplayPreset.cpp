// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/DisplayPreset.h"

#include <algorithm>
#include <array>

namespace zandrel {
namespace {

using enum BitmapLayout;
using enum BitOrder;

// From the controllers' data sheets. The page controllers (SSD1306, SH1106, ST7565, PCD8544)
// take one byte as 8 pixels down a column with D0 at the top, a page of 8 rows at a time.
// ST7920's graphic RAM takes 16-bit words across a row, the leftmost pixel in the top bit.
// HD44780's CGRAM takes one byte per row of a 5 x 8 character, its pixels in D4 to D0.
constexpr std::array kPresets = {
    DisplayPreset{"ssd1306", Page, Lsb, Padding::Right, 128, 64,
                  "SSD1306 OLED：128x64，--layout page --bit-order lsb"},
    DisplayPreset{"sh1106", Page, Lsb, Padding::Right, 128, 64,
                  "SH1106 OLED：128x64，--layout page --bit-order lsb"
                  "（显存每页132列，屏幕多从第2列起）"},
    DisplayPreset{"st7565", Page, Lsb, Padding::Right, 128, 64,
                  "ST7565 LCD：128x64，--layout page --bit-order lsb"},
    DisplayPreset{"pcd8544", Page, Lsb, Padding::Right, 84, 48,
                  "PCD8544 LCD（诺基亚5110）：84x48，--layout page --bit-order lsb"},
    DisplayPreset{"st7920", Row, Msb, Padding::Right, 128, 64,
                  "ST7920 LCD12864 图形：128x64，--layout row --bit-order msb，按普通图片排列；"
                  "控制器的显存把第32～63行接在前32行之后（第y+32行在第y行的水平地址8～15）"},
    DisplayPreset{"hd44780", Row, Msb, Padding::Left, 5, 8,
                  "HD44780 LCD1602 自定义字符：5x8，--layout row --bit-order msb --pad left，"
                  "每行一个字节，像素在位4…0"},
};

} // namespace

std::span<const DisplayPreset> displayPresets()
{
    return kPresets;
}

const DisplayPreset *displayPresetNamed(std::string_view name)
{
    const auto found = std::find_if(kPresets.begin(), kPresets.end(),
                                    [&](const DisplayPreset &p) { return p.name == name; });
    return found == kPresets.end() ? nullptr : &*found;
}

} // namespace zandrel
