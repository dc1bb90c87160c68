// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "data/HzFontTable.h"

#include <cstddef>

// zandrel-gen's further built-in fonts, generated at build time like HzFontTable and linked
// into zandrel-gen only. Each row of a glyph is whole bytes, the leftmost pixel in the most
// significant bit; GB2312 tables in zone and position order, ASCII tables in code order.
namespace zandrel {

inline constexpr std::size_t kAsciiGlyphCount = 128;

inline constexpr std::size_t kHzFont12TableSize = kFontGlyphCount * 2 * 12;
inline constexpr std::size_t kHzFont24TableSize = kFontGlyphCount * 3 * 24;
inline constexpr std::size_t kAsciiFont12TableSize = kAsciiGlyphCount * 12;     // 6 x 12
inline constexpr std::size_t kAsciiFont16TableSize = kAsciiGlyphCount * 16;     // 8 x 16
inline constexpr std::size_t kAsciiFont24TableSize = kAsciiGlyphCount * 2 * 24; // 12 x 24

extern const unsigned char HzFont12Table[kHzFont12TableSize];
extern const unsigned char HzFont24Table[kHzFont24TableSize];
extern const unsigned char AsciiFont12Table[kAsciiFont12TableSize];
extern const unsigned char AsciiFont16Table[kAsciiFont16TableSize];
extern const unsigned char AsciiFont24Table[kAsciiFont24TableSize];

} // namespace zandrel
