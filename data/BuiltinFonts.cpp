// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/BuiltinFonts.h"

#include "data/BuiltinFontTables.h"
#include "data/HzFontTable.h"

namespace zandrel {
namespace {

class BuiltinFont : public GlyphSource
{
public:
    BuiltinFont(int size, const unsigned char *hz, const unsigned char *ascii)
        : size_(size), hz_(hz), ascii_(ascii)
    {
    }

    FontLine line() const override
    {
        const int ascent = (7 * size_ + 4) / 8;
        return {ascent, size_ - ascent, size_};
    }

    std::optional<GlyphImage> glyphOf(const GlyphKey &key) override
    {
        const int ascent = line().ascent;
        const unsigned code = key.gb2312;
        if (code >= 0x21 && code <= 0x7E) {
            const int width = size_ / 2;
            const int pitch = (width + 7) / 8;
            return GlyphImage{ascii_ + code * static_cast<unsigned>(pitch * size_),
                              pitch,
                              width,
                              size_,
                              0,
                              ascent,
                              width};
        }
        const unsigned hi = code >> 8;
        const unsigned lo = code & 0xFF;
        if (hi < 0xA1 || hi > 0xF7 || lo < 0xA1 || lo > 0xFE)
            return std::nullopt;
        const int pitch = (size_ + 7) / 8;
        const std::size_t index = (hi - 0xA1) * 94 + (lo - 0xA1);
        return GlyphImage{hz_ + index * static_cast<std::size_t>(pitch * size_),
                          pitch,
                          size_,
                          size_,
                          0,
                          ascent,
                          size_};
    }

private:
    int size_;
    const unsigned char *hz_;
    const unsigned char *ascii_;
};

} // namespace

std::unique_ptr<GlyphSource> builtinFont(int size)
{
    switch (size) {
    case 12:
        return std::make_unique<BuiltinFont>(12, HzFont12Table, AsciiFont12Table);
    case 16:
        return std::make_unique<BuiltinFont>(16, HzFontTable, AsciiFont16Table);
    case 24:
        return std::make_unique<BuiltinFont>(24, HzFont24Table, AsciiFont24Table);
    default:
        return nullptr;
    }
}

} // namespace zandrel
