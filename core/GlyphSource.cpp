// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphSource.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

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

bool placeGlyph(const GlyphImage &glyph, int baseline, bool clip, Bitmap &cell)
{
    const int width = cell.width();
    const int height = cell.height();
    const auto rowOf = [&](int y) {
        return glyph.rows + static_cast<std::ptrdiff_t>(y) * glyph.pitch;
    };
    const int rowBytes = (glyph.width + 7) / 8;
    // Bits past the glyph's width in its last byte are not its pixels.
    const auto lastMask = static_cast<std::uint8_t>(0xFF << (8 * rowBytes - glyph.width));
    if (glyph.width == width && glyph.height == height && glyph.top == baseline &&
        floorHalf(width - glyph.advance) + glyph.left == 0) {
        // A built-in glyph is its cell already: one copy for a whole table's worth of them.
        if (glyph.pitch == rowBytes)
            std::memcpy(cell.row(0), glyph.rows, static_cast<std::size_t>(rowBytes * height));
        else
            for (int y = 0; y < height; ++y)
                std::memcpy(cell.row(y), rowOf(y), static_cast<std::size_t>(rowBytes));
        if (lastMask != 0xFF)
            for (int y = 0; y < height; ++y)
                cell.row(y)[rowBytes - 1] &= lastMask;
        return true;
    }
    cell.clear();

    // The ink's own extent: a font may hand over blank rows and columns around it. The
    // columns of all rows are ORed together, each row's bytes once.
    std::vector<std::uint8_t> columns(static_cast<std::size_t>(rowBytes), 0);
    int inkTop = glyph.height, inkBottom = -1;
    for (int y = 0; y < glyph.height; ++y) {
        const std::uint8_t *row = rowOf(y);
        unsigned any = 0;
        for (int k = 0; k < rowBytes; ++k) {
            const auto b =
                static_cast<std::uint8_t>(k == rowBytes - 1 ? row[k] & lastMask : row[k]);
            columns[static_cast<std::size_t>(k)] |= b;
            any |= b;
        }
        if (any != 0) {
            inkTop = std::min(inkTop, y);
            inkBottom = y;
        }
    }
    int inkLeft = glyph.width, inkRight = -1;
    for (int k = 0; k < rowBytes; ++k)
        if (const std::uint8_t b = columns[static_cast<std::size_t>(k)]; b != 0) {
            inkLeft = std::min(inkLeft, 8 * k + std::countl_zero(b));
            inkRight = 8 * k + 7 - std::countr_zero(b);
        }
    if (inkRight < 0)
        return true;

    int x0 = floorHalf(width - glyph.advance) + glyph.left;
    const int inkWidth = inkRight - inkLeft + 1;
    if (inkWidth <= width)
        x0 = std::clamp(x0, -inkLeft, width - 1 - inkRight);
    const int y0 = baseline - glyph.top;
    const bool fits =
        x0 + inkLeft >= 0 && x0 + inkRight < width && y0 + inkTop >= 0 && y0 + inkBottom < height;
    if (!fits && !clip)
        return false;

    // Whole bytes shifted into place: the glyph's columns first to last that land in the cell.
    const int first = std::max(inkLeft, -x0);
    const int last = std::min(inkRight, width - 1 - x0);
    const int cellBytes = cell.rowBytes();
    for (int y = std::max(inkTop, -y0); y <= std::min(inkBottom, height - 1 - y0) && first <= last;
         ++y) {
        const std::uint8_t *row = rowOf(y);
        std::uint8_t *out = cell.row(y0 + y);
        for (int k = first / 8; k <= last / 8; ++k) {
            unsigned bits = row[k];
            if (k == first / 8)
                bits &= 0xFFu >> (first % 8);
            if (k == last / 8)
                bits &= 0xFFu << (7 - last % 8);
            bits &= 0xFFu;
            if (bits == 0)
                continue;
            // Column 8k lands on cell column 8k + x0, that is bit 'shift' of byte 'at'.
            const int at = (8 * k + x0) >> 3; // rounds down for a negative column too
            const int shift = (8 * k + x0) & 7;
            if (at >= 0 && at < cellBytes)
                out[at] = static_cast<std::uint8_t>(out[at] | bits >> shift);
            if (shift != 0 && at + 1 >= 0 && at + 1 < cellBytes)
                out[at + 1] = static_cast<std::uint8_t>(out[at + 1] | (bits << (8 - shift)));
        }
    }
    return true;
}

} // namespace zandrel
