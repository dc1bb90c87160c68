// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphTable.h"

#include "core/GlyphCodeText.h"

namespace zandrel {
namespace {

std::string hexItem(std::uint8_t v)
{
    return glyphItemList(std::span<const std::uint8_t>(&v, 1), GlyphCodeMode::C51);
}

void appendPreview(std::string &text, const Glyph &bytes, const GlyphTableEntry &entry,
                   const GlyphTableOptions &options)
{
    text += entry.label + options.lineEnd;
    for (int row = 0; row < 16; ++row) {
        for (int column = 0; column < 16; ++column)
            text += pixelOf(bytes, options.layout, options.order, row, column) ? '#' : '.';
        text += options.lineEnd;
    }
    text += options.lineEnd;
}

} // namespace

std::string glyphTableText(std::span<const GlyphTableEntry> entries, const GlyphTableOptions &options)
{
    const std::string &eol = options.lineEnd;
    const std::string &name = options.name;
    std::string text;
    switch (options.format) {
    case GlyphTableFormat::C51:
        text += "unsigned char code " + name + "[][32] = {" + eol;
        break;
    case GlyphTableFormat::Asm51:
        text += name + ":" + eol;
        break;
    case GlyphTableFormat::Struct:
        text += "struct " + name + "_glyph {" + eol + "    unsigned char gb[2];" + eol +
                "    unsigned char dots[32];" + eol + "};" + eol + "struct " + name +
                "_glyph code " + name + "[] = {" + eol;
        break;
    case GlyphTableFormat::Bin:
        text.reserve(entries.size() * 32);
        break;
    case GlyphTableFormat::Preview:
        break;
    }

    for (const GlyphTableEntry &entry : entries) {
        const std::optional<Glyph> glyph = GlyphOf(entry.hi, entry.lo);
        if (!glyph)
            continue;
        const Glyph bytes = layOutGlyph(*glyph, options.layout, options.order, options.invert);
        switch (options.format) {
        case GlyphTableFormat::C51:
            text += "{" + glyphItemList(bytes, GlyphCodeMode::C51) + "},//" + entry.label + eol;
            break;
        case GlyphTableFormat::Asm51:
            text += "DB " + glyphItemList(bytes, GlyphCodeMode::Asm51) + ";" + entry.label + eol;
            break;
        case GlyphTableFormat::Struct:
            text += "{{" + hexItem(entry.hi) + "," + hexItem(entry.lo) + "},{" +
                    glyphItemList(bytes, GlyphCodeMode::C51) + "}},//" + entry.label + eol;
            break;
        case GlyphTableFormat::Bin:
            text.append(reinterpret_cast<const char *>(bytes.data()), bytes.size());
            break;
        case GlyphTableFormat::Preview:
            appendPreview(text, bytes, entry, options);
            break;
        }
    }

    if (options.format == GlyphTableFormat::C51 || options.format == GlyphTableFormat::Struct)
        text += "};" + eol;
    return text;
}

} // namespace zandrel
