// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphSource.h"

#include <algorithm>
#include <bit>

namespace zandrel {
namespace {

// Division rounding towards minus infinity, for margins that may be negative.
int floorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

} // namespace

int baselineOf(const FontLine &line, int height)
{
    int baseline = floorHalf(height - line.em) + (7 * line.em + 4) / 8;
    if (line.ascent + line.descent <= height)
        baseline = std::clamp(baseline, line.ascent, height - line.descent);
    return baseline;
}

std::optional<Bitmap> placeGlyph(const GlyphImage &glyph, int width, int height, int baseline, bool clip)
{
    Bitmap cell(width, height);
    const auto rowOf = [&](int y) { return glyph.rows + static_cast<std::ptrdiff_t>(y) * glyph.pitch; };
    const int rowBytes = (glyph.width + 7) / 8;
    // Bits past the glyph's width in its last byte are not its pixels.
    const auto lastMask = static_cast<std::uint8_t>(0xFF << (8 * rowBytes - glyph.width));
    if (glyph.width == width && glyph.height == height && glyph.top == baseline &&
        floorHalf(width - glyph.advance) + glyph.left == 0) {
        // A built-in glyph is its cell already.
        for (int y = 0; y < height; ++y) {
            std::copy_n(rowOf(y), rowBytes, cell.row(y));
            cell.row(y)[rowBytes - 1] &= lastMask;
        }
        return cell;
    }

    // The ink's own extent: a font may hand over blank rows and columns around it.
    int inkLeft = glyph.width, inkRight = -1, inkTop = glyph.height, inkBottom = -1;
    for (int y = 0; y < glyph.height; ++y) {
        const std::uint8_t *row = rowOf(y);
        for (int k = 0; k < rowBytes; ++k) {
            const auto b = static_cast<std::uint8_t>(k == rowBytes - 1 ? row[k] & lastMask : row[k]);
            if (b == 0)
                continue;
            inkLeft = std::min(inkLeft, 8 * k + std::countl_zero(b));
            inkRight = std::max(inkRight, 8 * k + 7 - std::countr_zero(b));
            inkTop = std::min(inkTop, y);
            inkBottom = y;
        }
    }
    if (inkRight < 0)
        return cell;

    int x0 = floorHalf(width - glyph.advance) + glyph.left;
    const int inkWidth = inkRight - inkLeft + 1;
    if (inkWidth <= width)
        x0 = std::clamp(x0, -inkLeft, width - 1 - inkRight);
    const int y0 = baseline - glyph.top;
    const bool fits = x0 + inkLeft >= 0 && x0 + inkRight < width && y0 + inkTop >= 0 && y0 + inkBottom < height;
    if (!fits && !clip)
        return std::nullopt;

    for (int y = std::max(inkTop, -y0); y <= std::min(inkBottom, height - 1 - y0); ++y) {
        const std::uint8_t *row = rowOf(y);
        for (int x = std::max(inkLeft, -x0); x <= std::min(inkRight, width - 1 - x0); ++x)
            if ((row[x / 8] >> (7 - x % 8)) & 1)
                cell.setPixel(x0 + x, y0 + y, true);
    }
    return cell;
}

} // namespace zandrel
