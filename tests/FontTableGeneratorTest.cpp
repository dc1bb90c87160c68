// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Runs the build-time font tool on files made here and checks what it accepts and refuses.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kGlyphCount = 87 * 94;
constexpr std::size_t kTableSize = kGlyphCount * 32;

using Bytes = std::vector<unsigned char>;

const std::array<unsigned char, 32> A = {
    0x00, 0x04, 0x2F, 0x7E, 0xF9, 0x04, 0xA9, 0x04, 0xAA, 0x14, 0xAA, 0x7C, 0xAC, 0x54, 0xAA, 0x54,
    0xAA, 0x54, 0xA9, 0x54, 0xE9, 0x74, 0xAD, 0x54, 0x0A, 0x04, 0x08, 0x04, 0x08, 0x14, 0x08, 0x0C};
const std::array<unsigned char, 32> Ce = {
    0x00, 0x00, 0x40, 0x44, 0x27, 0xE4, 0x24, 0x54, 0x85, 0x54, 0x65, 0x54, 0x25, 0x54, 0x0D, 0x54,
    0x15, 0x54, 0x25, 0x54, 0xE5, 0x54, 0x21, 0x04, 0x22, 0x84, 0x24, 0x44, 0x28, 0x54, 0x20, 0x08};

std::size_t offsetOf(unsigned hi, unsigned lo)
{
    return ((hi - 0xA1) * 94 + (lo - 0xA1)) * 32;
}

// A table that passes the tool's glyph checks: 啊 and 测 in place, ink everywhere else but
// in the full-width space, and a last glyph of its own.
Bytes rawTable(std::size_t size = kTableSize)
{
    Bytes table(size, 0x5A);
    std::fill_n(table.begin(), 32, 0x00);
    std::copy(A.begin(), A.end(), table.begin() + offsetOf(0xB0, 0xA1));
    std::copy(Ce.begin(), Ce.end(), table.begin() + offsetOf(0xB2, 0xE2));
    if (size >= kTableSize)
        std::fill_n(table.begin() + kTableSize - 32, 32, 0xC3);
    return table;
}

Bytes header(unsigned width, unsigned height, std::uint32_t count)
{
    return {0x36,
            0x04,
            0x04,
            static_cast<unsigned char>(height),
            static_cast<unsigned char>(width),
            static_cast<unsigned char>(count),
            static_cast<unsigned char>(count >> 8),
            static_cast<unsigned char>(count >> 16),
            static_cast<unsigned char>(count >> 24)};
}

Bytes bpsf(unsigned width, unsigned height, std::uint32_t count, const Bytes &glyphs)
{
    const Bytes head = header(width, height, count);
    Bytes file(head.size() + glyphs.size());
    std::copy(glyphs.begin(), glyphs.end(), std::copy(head.begin(), head.end(), file.begin()));
    return file;
}

struct ToolRun
{
    int status;
    std::string output;
};

class FontTableGeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() /
              ("zandrel-font-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    fs::path write(const std::string &name, const Bytes &bytes)
    {
        const fs::path path = dir / name;
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    ToolRun generate(const fs::path &font, const std::string &kind = "")
    {
        const std::string command = std::string("'") + FONT_TABLE_GENERATOR + "' " + kind + " '" +
                                    font.string() + "' '" + output().string() + "' 2>&1";
        FILE *pipe = ::popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        std::string text;
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        const int status = ::pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
    }

    fs::path output() const { return dir / "HzFontTable.cpp"; }

    fs::path dir;
};

TEST_F(FontTableGeneratorTest, AcceptsAHeaderedFontAndARawTable)
{
    const Bytes glyphs = rawTable();
    const std::pair<const char *, Bytes> good[] = {
        {"exact.bpsf", bpsf(16, 16, kGlyphCount, glyphs)},
        {"more-zones.bpsf", bpsf(16, 16, 94 * 94, rawTable(94 * 94 * 32))},
        {"raw.bin", glyphs},
        {"raw-longer.bin", rawTable(kTableSize + 100)},
    };
    for (const auto &[name, bytes] : good) {
        const ToolRun run = generate(write(name, bytes));
        EXPECT_EQ(run.status, 0) << name << ": " << run.output;
        EXPECT_TRUE(fs::exists(output())) << name;
        // One glyph a line, the last of zone 87 last of all.
        std::ifstream in(output());
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_NE(text.find("0x00,0x04,0x2F,0x7E,0xF9,0x04,0xA9,0x04,0xAA,0x14"),
                  std::string::npos);
        std::string lastGlyph;
        for (int i = 0; i < 32; ++i)
            lastGlyph += "0xC3,";
        EXPECT_NE(text.find(lastGlyph + "\n};"), std::string::npos) << name;
        fs::remove(output());
    }
}

TEST_F(FontTableGeneratorTest, RefusesBadFontsNamingFileAndCheck)
{
    Bytes wrongCe = rawTable();
    wrongCe[offsetOf(0xB2, 0xE2) + 5] ^= 0x01;
    Bytes inkedSpace = rawTable();
    inkedSpace[17] = 0x80;
    Bytes shifted = rawTable();
    shifted.insert(shifted.begin(), 0x00);
    Bytes wrongMagic = bpsf(16, 16, kGlyphCount, rawTable());
    wrongMagic[1] = 0x05;

    const struct
    {
        const char *name;
        Bytes bytes;
        const char *message;
    } bad[] = {
        {"truncated.bpsf", bpsf(16, 16, kGlyphCount, rawTable(kTableSize - 1)), "truncated"},
        {"half.bpsf", bpsf(16, 16, kGlyphCount, rawTable(kTableSize / 2)), "truncated"},
        {"header-only.bpsf", header(16, 16, kGlyphCount), "truncated"},
        {"few-glyphs.bpsf", bpsf(16, 16, kGlyphCount - 1, rawTable()),
         "8177 glyphs, fewer than the 8178"},
        {"narrow.bpsf", bpsf(8, 16, 256, Bytes(256 * 16)), "8 x 16 glyphs, not 16 x 16"},
        {"24.bpsf", bpsf(24, 24, kGlyphCount, rawTable(kGlyphCount * 72)),
         "24 x 24 glyphs, not 16 x 16"},
        {"short.bin", rawTable(kTableSize - 1), "too short: 261695 bytes, need at least 261696"},
        {"empty.bin", {}, "too short: 0 bytes"},
        {"text.txt", Bytes{'n', 'o', ' ', 'f', 'o', 'n', 't'}, "too short"},
        {"wrong-ce.bin", wrongCe, "glyph B2E2 (测) is not the expected bitmap"},
        {"inked-space.bin", inkedSpace, "glyph A1A1 (full-width space) is not the expected bitmap"},
        {"shifted.bin", shifted, "glyph B0A1 (啊) is not the expected bitmap"},
        {"wrong-magic.bpsf", wrongMagic, "glyph B0A1 (啊) is not the expected bitmap"},
    };
    for (const auto &[name, bytes, message] : bad) {
        const fs::path font = write(name, bytes);
        const ToolRun run = generate(font);
        EXPECT_EQ(run.status, 1) << name;
        EXPECT_NE(run.output.find("font file '" + font.string() + "'"), std::string::npos)
            << name << ": " << run.output;
        EXPECT_NE(run.output.find(message), std::string::npos) << name << ": " << run.output;
        EXPECT_FALSE(fs::exists(output())) << name;
        EXPECT_FALSE(fs::exists(output().string() + ".tmp")) << name;
    }
}

// The other kinds check their own shape: ASCII 8 x 16 in code order, a header whose count may
// be past the glyphs that follow (zhcon's files say 4,096 for 256).
TEST_F(FontTableGeneratorTest, ChecksEachKindsShape)
{
    Bytes ascii(256 * 16, 0x00);
    const unsigned char A[16] = {0x00, 0x00, 0x10, 0x38, 0x6C, 0xC6, 0xC6, 0xFE, 0xC6, 0xC6, 0xC6, 0xC6};
    std::copy(std::begin(A), std::end(A), ascii.begin() + 'A' * 16);
    Bytes wrongA = ascii;
    wrongA['A' * 16 + 3] = 0;
    const struct
    {
        const char *name;
        Bytes bytes;
        int status;
        const char *message;
    } cases[] = {
        {"asc16.bpsf", bpsf(8, 16, 4096, ascii), 0, ""},
        {"short.bpsf", bpsf(8, 16, 256, Bytes(ascii.begin(), ascii.begin() + 127 * 16)), 1, "needs 128 glyphs"},
        {"gb.bpsf", bpsf(16, 16, 256, ascii), 1, "16 x 16 glyphs, not 8 x 16"},
        {"wrong-a.bin", wrongA, 1, "glyph 41 (A) is not the expected bitmap: not an ASCII 8x16 font in code order"},
    };
    for (const auto &c : cases) {
        const ToolRun run = generate(write(c.name, c.bytes), "ascii16");
        EXPECT_EQ(run.status, c.status) << c.name << ": " << run.output;
        EXPECT_NE(run.output.find(c.message), std::string::npos) << c.name << ": " << run.output;
        EXPECT_EQ(fs::exists(output()), c.status == 0) << c.name;
        fs::remove(output());
    }
}

TEST_F(FontTableGeneratorTest, RefusesAMissingFile)
{
    const ToolRun run = generate(dir / "nothing-here.bpsf");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("nothing-here.bpsf' (ZANDREL_FONT_FILE): cannot be opened"),
              std::string::npos)
        << run.output;
    EXPECT_FALSE(fs::exists(output()));
}

} // namespace
