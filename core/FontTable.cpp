// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/FontTable.h"

#include "data/HzFontTable.h"

#include <algorithm>
#include <cstddef>

namespace zandrel {

std::optional<Glyph> GlyphOf(std::uint8_t hi, std::uint8_t lo)
{
    if (hi < 0xA1 || hi > 0xF7 || lo < 0xA1 || lo > 0xFE)
        return std::nullopt;
    const std::size_t index = std::size_t{hi - 0xA1u} * 94 + (lo - 0xA1u);
    static_assert(std::tuple_size_v<Glyph> == kGlyphBytes);
    Glyph glyph;
    std::copy_n(HzFontTable + index * kGlyphBytes, kGlyphBytes, glyph.begin());
    return glyph;
}

} // namespace zandrel
