#include "core/GlyphCodeText.h"

#include <cstddef>
#include <cstdint>

namespace zandrel {

std::string GlyphItemList(std::span<const std::uint8_t> bytes, GlyphCodeMode mode)
{
    static const char digits[] = "0123456789ABCDEF";
    const bool c51 = mode == GlyphCodeMode::C51;
    std::string text;
    text.reserve(bytes.size() * 5);
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        const std::uint8_t v = bytes[k];
        if (k > 0)
            text += ',';
        // Assembly wants a leading digit, so its items always get three: "0FFH".
        text += c51 ? "0x" : "0";
        text += digits[v >> 4];
        text += digits[v & 0x0F];
        if (!c51)
            text += 'H';
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
    text += GlyphItemList(emitted, mode);
    text += c51 ? "\r\n},//" : ";";
    text += label;
    return text;
}

} // namespace zandrel
