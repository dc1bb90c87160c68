// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// The one-bit picture every glyph and image becomes, and the byte layouts displays want.
namespace zandrel {

inline constexpr int kMaxBitmapSide = 256;

// A width × height picture of lit (1, ink) and off (0) pixels. Rows top to bottom, each in
// whole bytes, the leftmost pixel in the most significant bit: the built-in fonts' packing, so
// a glyph of theirs is one copy.
class Bitmap
{
public:
    Bitmap() = default;
    // All off. Sides from 0 to kMaxBitmapSide; anything else throws Error.
    Bitmap(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    int rowBytes() const { return (width_ + 7) / 8; }

    bool pixel(int x, int y) const
    {
        return (bits_[static_cast<std::size_t>(y * rowBytes() + x / 8)] >> (7 - x % 8)) & 1;
    }
    void setPixel(int x, int y, bool lit);
    void clear() { std::fill(bits_.begin(), bits_.end(), std::uint8_t{0}); }

    const std::uint8_t *row(int y) const
    {
        return bits_.data() + static_cast<std::size_t>(y * rowBytes());
    }
    std::uint8_t *row(int y) { return bits_.data() + static_cast<std::size_t>(y * rowBytes()); }
    // Every row, one after another.
    std::span<const std::uint8_t> rows() const { return bits_; }

    bool operator==(const Bitmap &) const = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> bits_;
};

enum class BitmapLayout {
    Row,      // horizontal bytes, row after row
    Column,   // vertical bytes, column after column
    RowBlock, // horizontal bytes: every row of the leftmost 8 columns, then the next 8
    Page,     // vertical bytes: every column of the top 8 rows, then the next 8 (SSD1306, ST7565)
};

// Where a byte's first pixel (leftmost of a horizontal byte, topmost of a vertical one) goes.
enum class BitOrder { Msb, Lsb };

// Where the unused bits of a row (horizontal bytes) or a column (vertical bytes) that does not
// fill its bytes go. Right: after its last pixel, in its last byte. Left: before its first
// pixel, in its first byte, so that a 5-pixel row in Msb order sits in bits 4 to 0, as an
// HD44780's custom characters want it. For vertical bytes left means above the top row.
enum class Padding { Right, Left };

struct Packing
{
    BitmapLayout layout = BitmapLayout::Row;
    BitOrder order = BitOrder::Msb;
    bool invert = false; // every byte complemented, padding included: for displays lit by a 0
    Padding pad = Padding::Right;
};

// Bytes a width × height bitmap takes in that layout; a partial byte counts whole.
std::size_t packedSize(int width, int height, BitmapLayout layout);

// Appends the bitmap's bytes in that packing. A partial byte has off pixels where
// packing.pad puts them.
void packBitmap(const Bitmap &bitmap, const Packing &packing, std::vector<std::uint8_t> &out);

// Reads bytes packed that way back into a bitmap; bytes holds at least packedSize() of them.
Bitmap unpackBitmap(std::span<const std::uint8_t> bytes, int width, int height,
                    const Packing &packing);

} // namespace zandrel
