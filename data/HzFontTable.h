// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstddef>

namespace zandrel {

// GB2312 zones 1 to 87, 94 positions each, 32 bytes per 16 x 16 glyph: every character the
// encoding assigns, and nothing past it.
inline constexpr std::size_t kGlyphBytes = 32;
inline constexpr std::size_t kFontGlyphCount = 87 * 94;
inline constexpr std::size_t kFontTableSize = kFontGlyphCount * kGlyphBytes;

// The built-in font, generated at build time from the configured font file: glyphs in zone
// and position order, rows top to bottom, two bytes a row, most significant bit leftmost.
extern const unsigned char HzFontTable[kFontTableSize];

} // namespace zandrel
