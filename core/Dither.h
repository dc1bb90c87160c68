// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <cstdint>
#include <vector>

// From a picture's grey levels to lit and off pixels.
namespace zandrel {

// Luminance, 0 black to 255 white, row after row.
struct GreyImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> levels;
};

enum class Dither { None, FloydSteinberg, Atkinson, Bayer4 };

// A pixel darker than threshold is lit. Dithering spreads what each pixel's choice got wrong
// over its neighbours (Floyd-Steinberg, Atkinson), or moves the threshold in a 4 × 4 pattern
// around its value (Bayer), so that grey areas come out as patterns of their density.
Bitmap ditherToBitmap(const GreyImage &image, int threshold, Dither dither);

} // namespace zandrel
