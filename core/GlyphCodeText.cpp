// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/GlyphCodeText.h"

#include "core/CodeText.h"

#include <cstdint>

namespace zandrel {

std::string HzCodeText(const Glyph &glyph, bool invert, GlyphCodeMode mode, std::string_view label)
{
    Glyph emitted = glyph;
    if (invert)
        for (std::uint8_t &b : emitted)
            b = static_cast<std::uint8_t>(~b);
    const bool c51 = mode == GlyphCodeMode::C51;
    std::string text = c51 ? "{" : "DB ";
    text += byteList(emitted, c51 ? Dialect::KeilC51 : Dialect::A51);
    text += c51 ? "\r\n},//" : ";";
    text += label;
    return text;
}

} // namespace zandrel
