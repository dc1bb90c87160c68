// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary bytes as a font file through glyph's reading path: FreeType (gzip unpacked first),
// the sizes, a few glyphs of both widths placed in their cells, clipped or not, and packed.
#include "core/Bitmap.h"
#include "core/Error.h"
#include "core/GlyphSource.h"
#include "readers/FontFile.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <cstdlib>

using zandrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    try {
        zandrel::FontFile font(std::vector<std::uint8_t>(data, data + size), 0);
        const std::vector<int> sizes = font.bitmapSizes();
        font.setSize(!font.scalable() && !sizes.empty() ? sizes.front() : 16);
        const zandrel::FontLine line = font.line();
        const zandrel::GlyphKey keys[] = {
            {'A', 'A'}, {'g', 'g'}, {0x4E2D, 0xD6D0}, {0x3000, 0xA1A1}, {0xE9, 0}};
        for (const zandrel::GlyphKey &key : keys) {
            const std::optional<zandrel::GlyphImage> glyph = font.glyphOf(key);
            if (!glyph)
                continue;
            for (const int width : {8, 16}) {
                const int baseline = zandrel::baselineOf(line, 16);
                zandrel::Bitmap clipped(width, 16), placed(width, 16);
                check(zandrel::placeGlyph(*glyph, baseline, true, clipped));
                check(!zandrel::placeGlyph(*glyph, baseline, false, placed) || placed == clipped);
                std::vector<std::uint8_t> bytes;
                zandrel::packBitmap(
                    clipped, {zandrel::BitmapLayout::Page, zandrel::BitOrder::Lsb, false}, bytes);
                check(bytes.size() == zandrel::packedSize(width, 16, zandrel::BitmapLayout::Page));
            }
        }
    } catch (const zandrel::Error &) {
        // Refused: what zandrel-gen reports with exit status 2.
    }
    return 0;
}
