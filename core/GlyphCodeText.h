// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/FontTable.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace zandrel {

// The two forms of code text, by their index in the page's mode choice.
enum class GlyphCodeMode { C51 = 0, Asm51 = 1 };

// A glyph's 32 bytes as source text for an 8051 program, each byte complemented when invert
// is set (for displays that light on a low level):
//   C51:    "{0x00,...,0x08" CR LF "},//" label
//   51-ASM: "DB 000H,...,008H;" label
// label is copied byte for byte (GB2312 text in, GB2312 text out).
std::string HzCodeText(const Glyph &glyph, bool invert, GlyphCodeMode mode, std::string_view label);

} // namespace zandrel
