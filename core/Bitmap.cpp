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

bool horizontal(BitmapLayout layout)
{
    return layout == BitmapLayout::Row || layout == BitmapLayout::RowBlock;
}

// Off pixels in front of every row (horizontal bytes) or column (vertical bytes): what left
// padding adds so that the last byte ends with the last pixel.
int leadingPad(int width, int height, const Packing &packing)
{
    if (packing.pad == Padding::Right)
        return 0;
    return (8 - (horizontal(packing.layout) ? width : height) % 8) % 8;
}

// Byte k of row y as a horizontal byte, with lead off pixels in front of the row.
std::uint8_t rowByte(const Bitmap &bitmap, int y, int k, int lead)
{
    const std::uint8_t *row = bitmap.row(y);
    const unsigned before = k > 0 ? row[k - 1] : 0u;
    return static_cast<std::uint8_t>(((before << 8) | row[k]) >> lead);
}

// Column x of rows top to top + 7 as a vertical byte, the topmost pixel in bit 7. Rows above
// the picture (top is negative under left padding) and below it are off.
std::uint8_t columnByte(const Bitmap &bitmap, int x, int top)
{
    const int byte = x / 8;
    const int shift = 7 - x % 8;
    const int bottom = std::min(top + 8, bitmap.height());
    unsigned value = 0;
    for (int y = std::max(top, 0); y < bottom; ++y)
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
    const bool across8 = horizontal(layout);
    const auto across = static_cast<std::size_t>(across8 ? (width + 7) / 8 : width);
    const auto down = static_cast<std::size_t>(across8 ? height : (height + 7) / 8);
    return across * down;
}

void packBitmap(const Bitmap &bitmap, const Packing &packing, std::vector<std::uint8_t> &out)
{
    const std::size_t start = out.size();
    const int width = bitmap.width();
    const int height = bitmap.height();
    const int lead = leadingPad(width, height, packing);
    switch (packing.layout) {
    case BitmapLayout::Row:
        if (lead == 0) {
            const auto rows = bitmap.rows();
            out.insert(out.end(), rows.begin(), rows.end());
        } else {
            for (int y = 0; y < height; ++y)
                for (int k = 0; k < bitmap.rowBytes(); ++k)
                    out.push_back(rowByte(bitmap, y, k, lead));
        }
        break;
    case BitmapLayout::RowBlock:
        for (int block = 0; block < bitmap.rowBytes(); ++block)
            for (int y = 0; y < height; ++y)
                out.push_back(rowByte(bitmap, y, block, lead));
        break;
    case BitmapLayout::Column:
        for (int x = 0; x < width; ++x)
            for (int top = -lead; top < height; top += 8)
                out.push_back(columnByte(bitmap, x, top));
        break;
    case BitmapLayout::Page:
        for (int top = -lead; top < height; top += 8)
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
    const int lead = leadingPad(width, height, packing);
    const int xLead = horizontal(packing.layout) ? lead : 0;
    const int yLead = lead - xLead;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::size_t index = 0;
            int within = 0; // from the byte's first pixel
            // Where the pixel sits once the padding in front is counted.
            const int px = x + xLead;
            const int py = y + yLead;
            switch (packing.layout) {
            case BitmapLayout::Row:
                index = static_cast<std::size_t>(y * rowBytes + px / 8);
                within = px % 8;
                break;
            case BitmapLayout::RowBlock:
                index = static_cast<std::size_t>(px / 8 * height + y);
                within = px % 8;
                break;
            case BitmapLayout::Column:
                index = static_cast<std::size_t>(x * pages + py / 8);
                within = py % 8;
                break;
            case BitmapLayout::Page:
                index = static_cast<std::size_t>(py / 8 * width + x);
                within = py % 8;
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
