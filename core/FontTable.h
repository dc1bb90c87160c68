// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace zandrel {

// A 16 x 16 glyph: rows top to bottom, two bytes a row (left byte first), the most
// significant bit leftmost; 1 is ink.
using Glyph = std::array<std::uint8_t, 32>;

// The glyph of the GB2312 code hi, lo from the built-in font. Only hi 0xA1-0xF7 and lo
// 0xA1-0xFE are in the font; any other code gives nothing.
std::optional<Glyph> GlyphOf(std::uint8_t hi, std::uint8_t lo);

} // namespace zandrel
