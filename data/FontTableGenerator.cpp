// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Build-time tool: checks a GB2312 16 x 16 font file and writes it out as the C++ source of
// HzFontTable, so that the program carries the font and never reads it at run time.
//
//   FontTableGenerator <font file> <output .cpp>
//
// The font file is either a .bpsf file (a 9-byte header: 0x36 0x04, a mode byte, width,
// height, a 32-bit little-endian glyph count; then the glyphs) or a raw table without header.
// Either way the glyphs must be in zone/position order. Any failed check ends the tool with
// a message naming the file and the check, and writes nothing.

#include "core/ByteText.h"
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
#include <vector>

namespace {

using zandrel::kFontGlyphCount;
using zandrel::kFontTableSize;
using zandrel::kGlyphBytes;
using zandrel::twoDigitHex;

constexpr std::size_t kHeaderSize = 9;

struct KnownGlyph
{
    unsigned hi;
    unsigned lo;
    const char *name;
    std::array<unsigned char, kGlyphBytes> bytes;
};

// Three glyphs whose exact bitmaps tell a right font in the right order from anything else.
const KnownGlyph kKnownGlyphs[] = {
    {0xB0,
     0xA1,
     "\xE5\x95\x8A", // 啊
     {0x00, 0x04, 0x2F, 0x7E, 0xF9, 0x04, 0xA9, 0x04, 0xAA, 0x14, 0xAA,
      0x7C, 0xAC, 0x54, 0xAA, 0x54, 0xAA, 0x54, 0xA9, 0x54, 0xE9, 0x74,
      0xAD, 0x54, 0x0A, 0x04, 0x08, 0x04, 0x08, 0x14, 0x08, 0x0C}},
    {0xB2,
     0xE2,
     "\xE6\xB5\x8B", // 测
     {0x00, 0x00, 0x40, 0x44, 0x27, 0xE4, 0x24, 0x54, 0x85, 0x54, 0x65,
      0x54, 0x25, 0x54, 0x0D, 0x54, 0x15, 0x54, 0x25, 0x54, 0xE5, 0x54,
      0x21, 0x04, 0x22, 0x84, 0x24, 0x44, 0x28, 0x54, 0x20, 0x08}},
    {0xA1, 0xA1, "full-width space", {}},
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
std::size_t glyphStart(const std::vector<unsigned char> &file)
{
    const std::size_t size = file.size();
    if (size >= kHeaderSize && file[0] == 0x36 && file[1] == 0x04) {
        const unsigned width = file[3];
        const unsigned height = file[4];
        const std::uint32_t count =
            file[5] | file[6] << 8 | file[7] << 16 | static_cast<std::uint32_t>(file[8]) << 24;
        std::ostringstream why;
        if (width != 16 || height != 16)
            why << "header gives " << width << " x " << height << " glyphs, not 16 x 16";
        else if (count < kFontGlyphCount)
            why << "header gives " << count << " glyphs, fewer than the " << kFontGlyphCount
                << " of GB2312 zones 1 to 87";
        else if ((size - kHeaderSize) / kGlyphBytes < count)
            why << "file is truncated: header gives " << count << " glyphs ("
                << std::uint64_t{count} * kGlyphBytes << " bytes) but only " << size - kHeaderSize
                << " bytes follow it";
        if (!why.str().empty())
            throw Refusal(why.str());
        return kHeaderSize;
    }
    if (size < kFontTableSize) {
        std::ostringstream why;
        why << "file has no 0x36 0x04 header and, as a raw table, is too short: " << size
            << " bytes, need at least " << kFontTableSize;
        throw Refusal(why.str());
    }
    return 0;
}

void checkKnownGlyphs(const unsigned char *table)
{
    for (const KnownGlyph &known : kKnownGlyphs) {
        const std::size_t offset = ((known.hi - 0xA1) * 94 + (known.lo - 0xA1)) * kGlyphBytes;
        if (!std::equal(known.bytes.begin(), known.bytes.end(), table + offset)) {
            throw Refusal("glyph " + twoDigitHex(known.hi) + twoDigitHex(known.lo) + " (" + known.name +
                          ") is not the expected bitmap: not a GB2312 16x16 font in "
                          "zone/position order");
        }
    }
}

std::string tableSource(const unsigned char *table)
{
    std::string text = "// Generated at build time by FontTableGenerator; do not edit.\n"
                       "#include \"data/HzFontTable.h\"\n\n"
                       "namespace zandrel {\n\n"
                       "const unsigned char HzFontTable[kFontTableSize] = {\n";
    text.reserve(text.size() + kFontTableSize * 5 + 64);
    // One glyph a line keeps the literal quick to compile and easy to look up.
    for (std::size_t i = 0; i < kFontTableSize; ++i) {
        text += "0x";
        text += twoDigitHex(table[i]);
        text += (i + 1) % kGlyphBytes == 0 ? ",\n" : ",";
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
    if (argc != 3) {
        std::cerr << "usage: FontTableGenerator <font file> <output .cpp>\n";
        return 2;
    }
    const std::string fontPath = argv[1];
    try {
        const std::vector<unsigned char> file = readFile(fontPath);
        const unsigned char *table = file.data() + glyphStart(file);
        checkKnownGlyphs(table);
        writeAtomically(argv[2], tableSource(table));
    } catch (const Refusal &refusal) {
        std::cerr << "error: font file '" << fontPath << "' (ZANDREL_FONT_FILE): " << refusal.what()
                  << '\n';
        return 1;
    } catch (const std::exception &failure) {
        std::cerr << "error: FontTableGenerator: " << failure.what() << '\n';
        return 1;
    }
    return 0;
}
