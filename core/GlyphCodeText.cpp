#include "core/GlyphCodeText.h"

#include "core/ByteText.h"

#include <cstddef>
#include <cstdint>

namespace zandrel {

std::string HzCodeText(const Glyph &glyph, bool invert, GlyphCodeMode mode, std::string_view label)
{
    const bool c51 = mode == GlyphCodeMode::C51;
    std::string text = c51 ? "{" : "DB ";
    for (std::size_t k = 0; k < glyph.size(); ++k) {
        const std::uint8_t v = invert ? static_cast<std::uint8_t>(~glyph[k]) : glyph[k];
        if (k > 0)
            text += ',';
        // Assembly wants a leading digit, so its items always get three: "0FFH".
        text += c51 ? "0x" : "0";
        text += twoDigitHex(v);
        if (!c51)
            text += 'H';
    }
    text += c51 ? "\r\n},//" : ";";
    text += label;
    return text;
}

} // namespace zandrel
