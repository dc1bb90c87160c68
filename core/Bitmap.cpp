// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Bitmap.h"

#include "core/Error.h"

#include <algorithm>
#include <array>
#include <string>

namespace zandrel {
namespace {

constexpr auto kReversedBits = [] {
    std::array<std::uint8_t, 256> table{};
    for (int v = 0; v < 256; ++v)
        for (int i = 0; i < 8; ++i)
            if ((v >> i) & 1)
                table[static_cast<std::size_t>(v)] =
                    static_cast<std::uint8_t>(table[static_cast<std::size_t>(v)] | (0x80 >> i));
    return table;
}();

// Column x of rows top to top + 7 as a vertical byte, the topmost pixel in bit 7.
std::uint8_t columnByte(const Bitmap &bitmap, int x, int top)
{
    const int byte = x / 8;
    const int shift = 7 - x % 8;
    const int bottom = std::min(top + 8, bitmap.height());
    unsigned value = 0;
    for (int y = top; y < bottom; ++y)
        value |= ((bitmap.row(y)[byte] >> shift) & 1u) << (7 - (y - top));
    return static_cast<std::uint8_t>(value);
}

} // namespace

Bitmap::Bitmap(int width, int height) : width_(width), height_(height)
{
    if (width < 0 || height < 0 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        throw Error("bitmap of " + std::to_string(width) + " x " + std::to_string(height) +
                    " pixels");
    bits_.assign(static_cast<std::size_t>(rowBytes() * height), 0);
}

void Bitmap::setPixel(int x, int y, bool lit)
{
    std::uint8_t &byte = bits_[static_cast<std::size_t>(y * rowBytes() + x / 8)];
    const auto mask = static_cast<std::uint8_t>(0x80 >> (x % 8));
    byte = static_cast<std::uint8_t>(lit ? byte | mask : byte & ~mask);
}

std::size_t packedSize(int width, int height, BitmapLayout layout)
{
    const bool horizontal = layout == BitmapLayout::Row || layout == BitmapLayout::RowBlock;
    const auto across = static_cast<std::size_t>(horizontal ? (width + 7) / 8 : width);
    const auto down = static_cast<std::size_t>(horizontal ? height : (height + 7) / 8);
    return across * down;
}

void packBitmap(const Bitmap &bitmap, const Packing &packing, std::vector<std::uint8_t> &out)
{
    const std::size_t start = out.size();
    const int width = bitmap.width();
    const int height = bitmap.height();
    switch (packing.layout) {
    case BitmapLayout::Row: {
        const auto rows = bitmap.rows();
        out.insert(out.end(), rows.begin(), rows.end());
        break;
    }
    case BitmapLayout::RowBlock:
        for (int block = 0; block < bitmap.rowBytes(); ++block)
            for (int y = 0; y < height; ++y)
                out.push_back(bitmap.row(y)[block]);
        break;
    case BitmapLayout::Column:
        for (int x = 0; x < width; ++x)
            for (int top = 0; top < height; top += 8)
                out.push_back(columnByte(bitmap, x, top));
        break;
    case BitmapLayout::Page:
        for (int top = 0; top < height; top += 8)
            for (int x = 0; x < width; ++x)
                out.push_back(columnByte(bitmap, x, top));
        break;
    }
    const auto packed = std::span(out).subspan(start);
    if (packing.order == BitOrder::Lsb)
        for (std::uint8_t &b : packed)
            b = kReversedBits[b];
    if (packing.invert)
        for (std::uint8_t &b : packed)
            b = static_cast<std::uint8_t>(~b);
}

Bitmap unpackBitmap(std::span<const std::uint8_t> bytes, int width, int height,
                    const Packing &packing)
{
    Bitmap bitmap(width, height);
    const int rowBytes = (width + 7) / 8;
    const int pages = (height + 7) / 8;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::size_t index = 0;
            int within = 0; // from the byte's first pixel
            switch (packing.layout) {
            case BitmapLayout::Row:
                index = static_cast<std::size_t>(y * rowBytes + x / 8);
                within = x % 8;
                break;
            case BitmapLayout::RowBlock:
                index = static_cast<std::size_t>(x / 8 * height + y);
                within = x % 8;
                break;
            case BitmapLayout::Column:
                index = static_cast<std::size_t>(x * pages + y / 8);
                within = y % 8;
                break;
            case BitmapLayout::Page:
                index = static_cast<std::size_t>(y / 8 * width + x);
                within = y % 8;
                break;
            }
            const int bit = packing.order == BitOrder::Msb ? 7 - within : within;
            const bool set = (bytes[index] >> bit) & 1;
            if (set != packing.invert)
                bitmap.setPixel(x, y, true);
        }
    return bitmap;
}

} // namespace zandrel
