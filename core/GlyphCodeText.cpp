// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/GlyphCodeText.h"

#include "core/ByteText.h"

#include <cstddef>
#include <cstdint>

namespace zandrel {

std::string glyphItemList(std::span<const std::uint8_t> bytes, GlyphCodeMode mode)
{
    const bool c51 = mode == GlyphCodeMode::C51;
    // Every item is four characters, "0x7F" or "07FH": assembly wants a leading digit, so its
    // items always get three digits. Whole tables write thousands, hence the plain stores.
    std::string text(bytes.empty() ? 0 : 5 * bytes.size() - 1, ',');
    char *out = text.data();
    for (std::size_t k = 0; k < bytes.size(); ++k, out += 5) {
        const std::uint8_t v = bytes[k];
        out[0] = '0';
        out[c51 ? 1 : 3] = c51 ? 'x' : 'H';
        out[c51 ? 2 : 1] = kHexDigits[v >> 4];
        out[c51 ? 3 : 2] = kHexDigits[v & 0x0F];
    }
    return text;
}

std::string HzCodeText(const Glyph &glyph, bool invert, GlyphCodeMode mode, std::string_view label)
{
    Glyph emitted = glyph;
    if (invert)
        for (std::uint8_t &b : emitted)
            b = static_cast<std::uint8_t>(~b);
    const bool c51 = mode == GlyphCodeMode::C51;
    std::string text = c51 ? "{" : "DB ";
    text += glyphItemList(emitted, mode);
    text += c51 ? "\r\n},//" : ";";
    text += label;
    return text;
}

} // namespace zandrel
