// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/GlyphLayout.h"

#include <cstdint>
#include <span>
#include <string>

// Whole tables of glyphs for firmware sources.
namespace zandrel {

enum class GlyphTableFormat { C51, Asm51, Struct, Bin, Preview };

struct GlyphTableOptions
{
    GlyphTableFormat format = GlyphTableFormat::C51;
    std::string name = "hz16";
    GlyphLayout layout = GlyphLayout::Row;
    GlyphBitOrder order = GlyphBitOrder::Msb;
    bool invert = false;
    std::string lineEnd = "\n";
};

// One character of the table: its GB2312 code (in the font) and the text its comment or
// preview heading shows, in whatever encoding the output is meant to have.
struct GlyphTableEntry
{
    std::uint8_t hi;
    std::uint8_t lo;
    std::string label;
};

// The table of the entries' glyphs, every line ended by options.lineEnd (bin has no lines).
// Each C51 line is the window's code text on one line; each 51-ASM line is exactly it.
std::string glyphTableText(std::span<const GlyphTableEntry> entries, const GlyphTableOptions &options);

} // namespace zandrel
