// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <span>
#include <string_view>

// The packings of the display controllers people wire to an 8051, by the controller's name,
// so that nobody has to work out a data sheet's byte order to draw on one.
namespace zandrel {

struct DisplayPreset
{
    std::string_view name; // the controller, lower case: "ssd1306"
    BitmapLayout layout;
    BitOrder order;
    Padding pad;
    int width; // the whole screen (one character for hd44780): the size of a picture for it
    int height;
    std::string_view summary; // one line for --help: what the preset sets, and any catch
};

// Every preset, in the order --help lists them.
std::span<const DisplayPreset> displayPresets();

// The preset of that name (exact spelling, as listed); nullptr for any other.
const DisplayPreset *displayPresetNamed(std::string_view name);

} // namespace zandrel
