// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/GlyphTable.h"

#include <algorithm>

namespace zandrel {

std::string previewText(const Bitmap &bitmap, const std::string &lineEnd)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(bitmap.height()) *
                 (static_cast<std::size_t>(bitmap.width()) + lineEnd.size()));
    for (int y = 0; y < bitmap.height(); ++y) {
        for (int x = 0; x < bitmap.width(); ++x)
            text += bitmap.pixel(x, y) ? '#' : '.';
        text += lineEnd;
    }
    return text;
}

void appendGlyphTable(std::string &text, std::span<const GlyphTableEntry> entries,
                      std::span<const std::uint8_t> bytes, const GlyphTableOptions &options)
{
    const std::string &eol = options.lineEnd;
    const std::string &name = options.name;
    const Dialect c = options.compiler;
    const std::size_t size = packedSize(options.width, options.height, options.packing.layout);
    const std::string count = std::to_string(size);
    const std::string code(codeSpace(c));
    // The preview shows the bits as written, complemented ones included.
    Packing bits = options.packing;
    bits.invert = false;
    switch (options.format) {
    case GlyphTableFormat::C51:
        text += "unsigned char " + code + " " + name + "[][" + count + "] = {" + eol;
        break;
    case GlyphTableFormat::Asm51:
        text += name + ":" + eol;
        break;
    case GlyphTableFormat::Struct:
        text += "struct " + name + "_glyph {" + eol + "    unsigned char " +
                (options.oneByteCodes ? "gb;" : "gb[2];") + eol + "    unsigned char dots[" +
                count + "];" + eol + "};" + eol + "struct " + name + "_glyph " + code + " " + name +
                "[] = {" + eol;
        break;
    case GlyphTableFormat::Bin:
        text.append(reinterpret_cast<const char *>(bytes.data()), entries.size() * size);
        return;
    case GlyphTableFormat::Preview:
        break;
    }

    for (std::size_t n = 0; n < entries.size(); ++n) {
        const GlyphTableEntry &entry = entries[n];
        const auto glyph = bytes.subspan(n * size, size);
        switch (options.format) {
        case GlyphTableFormat::C51:
            text += '{';
            appendByteList(text, glyph, c);
            text += "},";
            text += lineComment(entry.label, c);
            text += eol;
            break;
        case GlyphTableFormat::Asm51:
            text += "DB ";
            appendByteList(text, glyph, Dialect::A51);
            text += lineComment(entry.label, Dialect::A51);
            text += eol;
            break;
        case GlyphTableFormat::Struct: {
            const std::uint8_t codeBytes[2] = {static_cast<std::uint8_t>(entry.code >> 8),
                                               static_cast<std::uint8_t>(entry.code)};
            const auto key =
                options.oneByteCodes ? std::span(codeBytes + 1, 1) : std::span(codeBytes, 2);
            text += options.oneByteCodes ? "{" : "{{";
            appendByteList(text, key, c);
            text += options.oneByteCodes ? ",{" : "},{";
            appendByteList(text, glyph, c);
            text += "}},";
            text += lineComment(entry.label, c);
            text += eol;
            break;
        }
        case GlyphTableFormat::Preview:
            text += entry.label + eol +
                    previewText(unpackBitmap(glyph, options.width, options.height, bits), eol) +
                    eol;
            break;
        case GlyphTableFormat::Bin:
            break;
        }
    }
    if (options.format == GlyphTableFormat::C51 || options.format == GlyphTableFormat::Struct)
        text += "};" + eol;
}

std::string glyphSheetPbm(std::span<const Bitmap> glyphs, int perRow)
{
    const std::size_t count = glyphs.size();
    const int width = count ? glyphs[0].width() : 0;
    const int height = count ? glyphs[0].height() : 0;
    const auto across = std::min<std::size_t>(count, static_cast<std::size_t>(perRow));
    const std::size_t rows = across ? (count + across - 1) / across : 0;
    const std::size_t sheetWidth = across * static_cast<std::size_t>(width);
    std::string text = "P4\n" + std::to_string(sheetWidth) + " " +
                       std::to_string(rows * static_cast<std::size_t>(height)) + "\n";
    std::string line((sheetWidth + 7) / 8, '\0');
    for (std::size_t row = 0; row < rows; ++row)
        for (int y = 0; y < height; ++y) {
            std::fill(line.begin(), line.end(), '\0');
            for (std::size_t k = 0; k < across && row * across + k < count; ++k) {
                const Bitmap &glyph = glyphs[row * across + k];
                for (int x = 0; x < width; ++x)
                    if (glyph.pixel(x, y)) {
                        const std::size_t at =
                            k * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
                        line[at / 8] = static_cast<char>(line[at / 8] | (0x80 >> (at % 8)));
                    }
            }
            text += line;
        }
    return text;
}

} // namespace zandrel

namespace zandrel {
namespace {

std::string packingName(const Packing &packing)
{
    static const char *const layouts[] = {"row", "column", "row-block", "page"};
    std::string name = layouts[static_cast<int>(packing.layout)];
    name += packing.order == BitOrder::Msb ? ", msb" : ", lsb";
    if (packing.pad == Padding::Left)
        name += ", padded left";
    if (packing.invert)
        name += ", inverted";
    return name;
}

} // namespace

std::string imageTableText(const Bitmap &bitmap, const ImageTableOptions &options)
{
    std::vector<std::uint8_t> bytes;
    packBitmap(bitmap, options.packing, bytes);
    const std::string &eol = options.lineEnd;
    Packing bits = options.packing;
    bits.invert = false;
    switch (options.format) {
    case ImageFormat::Bin:
        return {bytes.begin(), bytes.end()};
    case ImageFormat::Preview:
        return previewText(unpackBitmap(bytes, bitmap.width(), bitmap.height(), bits), eol);
    case ImageFormat::Pbm: {
        // P4 has rows of whole bytes, leftmost pixel in the most significant bit, 1 black.
        const Bitmap shown = unpackBitmap(bytes, bitmap.width(), bitmap.height(), bits);
        std::string text =
            "P4\n" + std::to_string(bitmap.width()) + " " + std::to_string(bitmap.height()) + "\n";
        text.append(reinterpret_cast<const char *>(shown.rows().data()), shown.rows().size());
        return text;
    }
    case ImageFormat::C51:
    case ImageFormat::Asm51:
        break;
    }
    const Dialect dialect = options.format == ImageFormat::C51 ? options.compiler : Dialect::A51;
    std::string about = " ";
    about += std::to_string(bitmap.width());
    about += 'x';
    about += std::to_string(bitmap.height());
    about += ", ";
    about += std::to_string(bytes.size());
    about += " bytes, ";
    about += packingName(options.packing);
    std::string text = lineComment(about, dialect);
    text += eol;
    if (isC(dialect))
        text += "unsigned char " + std::string(codeSpace(dialect)) + " " + options.name + "[" +
                std::to_string(bytes.size()) + "] = {" + eol;
    else
        text += options.name + ":" + eol;
    constexpr std::size_t kItemsPerLine = 16;
    for (std::size_t k = 0; k < bytes.size(); k += kItemsPerLine) {
        const auto line = std::span(bytes).subspan(k, std::min(kItemsPerLine, bytes.size() - k));
        if (!isC(dialect))
            text += "DB ";
        text += byteList(line, dialect);
        if (isC(dialect))
            text += ',';
        text += eol;
    }
    if (isC(dialect))
        text += "};" + eol;
    return text;
}

} // namespace zandrel
