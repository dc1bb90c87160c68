// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Build-time tool: checks a font file and writes it out as the C++ source of a constant
// table, so that the programs carry their fonts and never read them at run time.
//
//   FontTableGenerator [KIND] <font file> <output .cpp>
//
// KIND is gb16 (the default: the window's GB2312 16 x 16 font, HzFontTable), gb12, gb24,
// ascii12, ascii16 or ascii24. The font file is either a .bpsf file (a 9-byte header: 0x36
// 0x04, a mode byte, height, width, a 32-bit little-endian glyph count; then the glyphs, each
// row in whole bytes) or a raw table without header. Either way the glyphs must be in code
// order: GB2312 zone and position, or ASCII. Any failed check ends the tool with a message
// naming the file and the check, and writes nothing.

#include "core/ByteText.h"
#include "data/BuiltinFontTables.h"
#include "data/HzFontTable.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using zandrel::twoDigitHex;

constexpr std::size_t kHeaderSize = 9;

struct KnownGlyph
{
    std::size_t index;
    const char *name;
    std::vector<unsigned char> bytes; // empty: all blank
};

constexpr std::size_t gbIndex(unsigned hi, unsigned lo)
{
    return (hi - 0xA1) * 94 + (lo - 0xA1);
}

// A font the programs carry, and glyphs whose exact bitmaps tell the right font in the right
// order from anything else.
struct FontKind
{
    const char *kind;
    const char *table;    // the constant's name
    const char *size;     // the name of its size
    const char *header;   // that declares it
    const char *variable; // the build setting that names the file, for messages
    const char *what;     // "a GB2312 16x16" in messages
    const char *order;
    unsigned width;
    unsigned height;
    std::size_t glyphs;
    std::vector<KnownGlyph> known;

    std::size_t glyphBytes() const { return (width + 7) / 8 * height; }
    std::size_t tableSize() const { return glyphs * glyphBytes(); }
};

const FontKind kKinds[] = {
    {"gb16", "HzFontTable", "kFontTableSize", "data/HzFontTable.h", "ZANDREL_FONT_FILE", "a GB2312 16x16",
     "zone/position", 16, 16, zandrel::kFontGlyphCount,
     {{gbIndex(0xB0, 0xA1), "\xE5\x95\x8A", // 啊
       {0x00, 0x04, 0x2F, 0x7E, 0xF9, 0x04, 0xA9, 0x04, 0xAA, 0x14, 0xAA, 0x7C, 0xAC, 0x54, 0xAA, 0x54,
        0xAA, 0x54, 0xA9, 0x54, 0xE9, 0x74, 0xAD, 0x54, 0x0A, 0x04, 0x08, 0x04, 0x08, 0x14, 0x08, 0x0C}},
      {gbIndex(0xB2, 0xE2), "\xE6\xB5\x8B", // 测
       {0x00, 0x00, 0x40, 0x44, 0x27, 0xE4, 0x24, 0x54, 0x85, 0x54, 0x65, 0x54, 0x25, 0x54, 0x0D, 0x54,
        0x15, 0x54, 0x25, 0x54, 0xE5, 0x54, 0x21, 0x04, 0x22, 0x84, 0x24, 0x44, 0x28, 0x54, 0x20, 0x08}},
      {gbIndex(0xA1, 0xA1), "full-width space", {}}}},
    {"gb12", "HzFont12Table", "kHzFont12TableSize", "data/BuiltinFontTables.h", "ZANDREL_GEN_FONT_DIR",
     "a GB2312 12x12", "zone/position", 12, 12, zandrel::kFontGlyphCount,
     {{gbIndex(0xB0, 0xA1), "\xE5\x95\x8A",
       {0x20, 0x20, 0xFF, 0xF0, 0xAA, 0x20, 0xAF, 0xA0, 0xAA, 0xA0, 0xAE, 0xA0,
        0xAA, 0xA0, 0xEB, 0xA0, 0xAC, 0x20, 0x08, 0x20, 0x08, 0xA0, 0x08, 0x60}},
      {gbIndex(0xA1, 0xA1), "full-width space", {}}}},
    {"gb24", "HzFont24Table", "kHzFont24TableSize", "data/BuiltinFontTables.h", "ZANDREL_GEN_FONT_DIR",
     "a GB2312 24x24", "zone/position", 24, 24, zandrel::kFontGlyphCount,
     {{gbIndex(0xB0, 0xA1), "\xE5\x95\x8A",
       {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x38, 0x00, 0x01, 0xF8, 0x00, 0x01, 0x90, 0x3E, 0x0C, 0xA7, 0xFE,
        0x7E, 0xBE, 0x60, 0x66, 0xB0, 0x30, 0x64, 0xB1, 0x20, 0x6C, 0x9F, 0xA0, 0x6C, 0x9B, 0x20, 0x38, 0x9B, 0x20,
        0x20, 0x8F, 0x30, 0x20, 0x8C, 0x30, 0x00, 0x80, 0x30, 0x00, 0x80, 0x30, 0x00, 0x80, 0x30, 0x01, 0x80, 0x30,
        0x01, 0x80, 0x30, 0x01, 0x81, 0xF0, 0x00, 0x80, 0xF0, 0x00, 0x00, 0x70, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {gbIndex(0xA1, 0xA1), "full-width space", {}}}},
    {"ascii12", "AsciiFont12Table", "kAsciiFont12TableSize", "data/BuiltinFontTables.h", "ZANDREL_GEN_FONT_DIR",
     "an ASCII 6x12", "code", 6, 12, zandrel::kAsciiGlyphCount,
     {{'A', "A", {0x00, 0x30, 0x10, 0x28, 0x28, 0x28, 0x7C, 0x44, 0xEC, 0x00, 0x00, 0x00}}, {' ', "space", {}}}},
    {"ascii16", "AsciiFont16Table", "kAsciiFont16TableSize", "data/BuiltinFontTables.h", "ZANDREL_GEN_FONT_DIR",
     "an ASCII 8x16", "code", 8, 16, zandrel::kAsciiGlyphCount,
     {{'A', "A", {0x00, 0x00, 0x10, 0x38, 0x6C, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6, 0xC6, 0x00, 0x00, 0x00, 0x00}},
      {' ', "space", {}}}},
    {"ascii24", "AsciiFont24Table", "kAsciiFont24TableSize", "data/BuiltinFontTables.h", "ZANDREL_GEN_FONT_DIR",
     "an ASCII 12x24", "code", 12, 24, zandrel::kAsciiGlyphCount,
     {{'A', "A",
       {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x06, 0x00, 0x06, 0x00, 0x0B, 0x00, 0x0B, 0x00,
        0x09, 0x00, 0x11, 0x80, 0x11, 0x80, 0x10, 0x80, 0x3F, 0xC0, 0x20, 0xC0, 0x20, 0x40, 0x40, 0x60,
        0x40, 0x60, 0xE0, 0xF0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}},
      {' ', "space", {}}}},
};

// A failed check; the message says which.
struct Refusal : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

std::vector<unsigned char> readFile(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw Refusal("cannot be opened");
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    if (in.bad())
        throw Refusal("cannot be read");
    return bytes;
}

// Where the glyphs start: after the header of a .bpsf file, else at the first byte.
std::size_t glyphStart(const std::vector<unsigned char> &file, const FontKind &font)
{
    const std::size_t size = file.size();
    if (size >= kHeaderSize && file[0] == 0x36 && file[1] == 0x04) {
        const unsigned height = file[3];
        const unsigned width = file[4];
        const std::uint32_t count =
            file[5] | file[6] << 8 | file[7] << 16 | static_cast<std::uint32_t>(file[8]) << 24;
        std::ostringstream why;
        if (width != font.width || height != font.height)
            why << "header gives " << width << " x " << height << " glyphs, not " << font.width << " x "
                << font.height;
        else if (count < font.glyphs)
            why << "header gives " << count << " glyphs, fewer than the " << font.glyphs << " of "
                << (font.glyphs == zandrel::kFontGlyphCount ? "GB2312 zones 1 to 87" : "ASCII");
        else if ((size - kHeaderSize) / font.glyphBytes() < font.glyphs)
            why << "file is truncated: the table needs " << font.glyphs << " glyphs (" << font.tableSize()
                << " bytes) but only " << size - kHeaderSize << " bytes follow the header";
        if (!why.str().empty())
            throw Refusal(why.str());
        return kHeaderSize;
    }
    if (size < font.tableSize()) {
        std::ostringstream why;
        why << "file has no 0x36 0x04 header and, as a raw table, is too short: " << size
            << " bytes, need at least " << font.tableSize();
        throw Refusal(why.str());
    }
    return 0;
}

void checkKnownGlyphs(const unsigned char *table, const FontKind &font)
{
    for (const KnownGlyph &known : font.known) {
        const unsigned char *glyph = table + known.index * font.glyphBytes();
        const bool same = known.bytes.empty()
                              ? std::all_of(glyph, glyph + font.glyphBytes(), [](unsigned char b) { return b == 0; })
                              : std::equal(known.bytes.begin(), known.bytes.end(), glyph);
        if (!same) {
            const std::string code = font.glyphs == zandrel::kFontGlyphCount
                                         ? twoDigitHex(0xA1 + static_cast<int>(known.index / 94)) +
                                               twoDigitHex(0xA1 + static_cast<int>(known.index % 94))
                                         : twoDigitHex(static_cast<int>(known.index));
            throw Refusal("glyph " + code + " (" + known.name + ") is not the expected bitmap: not " + font.what +
                          " font in " + font.order + " order");
        }
    }
}

std::string tableSource(const unsigned char *table, const FontKind &font)
{
    std::string text = std::string("// Generated at build time by FontTableGenerator; do not edit.\n"
                                   "#include \"") + font.header + "\"\n\nnamespace zandrel {\n\n"
                       "const unsigned char " + font.table + "[" + font.size + "] = {\n";
    const std::size_t size = font.tableSize();
    text.reserve(text.size() + size * 5 + 64);
    // One glyph a line keeps the literal quick to compile and easy to look up.
    for (std::size_t i = 0; i < size; ++i) {
        text += "0x";
        text += twoDigitHex(table[i]);
        text += (i + 1) % font.glyphBytes() == 0 ? ",\n" : ",";
    }
    text += "};\n\n} // namespace zandrel\n";
    return text;
}

// Writes beside the output and renames, so a failed run never leaves a half-written table
// that the build would take as up to date.
void writeAtomically(const std::string &path, const std::string &text)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary);
    }
    std::filesystem::rename(temporary, path);
}

} // namespace

int main(int argc, char *argv[])
{
    const FontKind *font = &kKinds[0];
    if (argc == 4) {
        font = nullptr;
        for (const FontKind &kind : kKinds)
            if (argv[1] == std::string_view(kind.kind))
                font = &kind;
        ++argv;
        --argc;
    }
    if (argc != 3 || !font) {
        std::cerr << "usage: FontTableGenerator [gb16|gb12|gb24|ascii12|ascii16|ascii24] <font file> <output .cpp>\n";
        return 2;
    }
    const std::string fontPath = argv[1];
    try {
        const std::vector<unsigned char> file = readFile(fontPath);
        const unsigned char *table = file.data() + glyphStart(file, *font);
        checkKnownGlyphs(table, *font);
        writeAtomically(argv[2], tableSource(table, *font));
    } catch (const Refusal &refusal) {
        std::cerr << "error: font file '" << fontPath << "' (" << font->variable << "): " << refusal.what() << '\n';
        return 1;
    } catch (const std::exception &failure) {
        std::cerr << "error: FontTableGenerator: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
