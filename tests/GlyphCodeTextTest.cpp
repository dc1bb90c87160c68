// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/GlyphCodeText.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace zandrel {
namespace {

// 测 (0xB2 0xE2) as the font has it.
const Glyph kCe = {0x00, 0x00, 0x40, 0x44, 0x27, 0xE4, 0x24, 0x54, 0x85, 0x54, 0x65,
                  0x54, 0x25, 0x54, 0x0D, 0x54, 0x15, 0x54, 0x25, 0x54, 0xE5, 0x54,
                  0x21, 0x04, 0x22, 0x84, 0x24, 0x44, 0x28, 0x54, 0x20, 0x08};
const std::string kCeLabel = "\xB2\xE2";

// The opening text, then the item 32 times with separators between, then the closing text.
std::string repeated(std::string text, const char *item, const char *separator, const char *closing)
{
    for (int i = 0; i < 32; ++i)
        text.append(i ? separator : "").append(item);
    return text.append(closing);
}

struct Case
{
    const char *name;
    Glyph glyph;
    bool invert;
    GlyphCodeMode mode;
    std::string label;
    std::string expected;
};

// Names the case in test names and failure messages instead of dumping its bytes.
void PrintTo(const Case &c, std::ostream *os)
{
    *os << c.name;
}

class HzCodeTextTest : public ::testing::TestWithParam<Case>
{
};

TEST_P(HzCodeTextTest, WritesTheGlyphBytes)
{
    const Case &c = GetParam();
    EXPECT_EQ(HzCodeText(c.glyph, c.invert, c.mode, c.label), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, HzCodeTextTest,
    ::testing::Values(
        Case{"CeC51", kCe, false, GlyphCodeMode::C51, kCeLabel,
             "{0x00,0x00,0x40,0x44,0x27,0xE4,0x24,0x54,0x85,0x54,0x65,0x54,0x25,0x54,0x0D,0x54,"
             "0x15,0x54,0x25,0x54,0xE5,0x54,0x21,0x04,0x22,0x84,0x24,0x44,0x28,0x54,0x20,0x08"
             "\r\n},//\xB2\xE2"},
        Case{"CeC51Inverted", kCe, true, GlyphCodeMode::C51, kCeLabel,
             "{0xFF,0xFF,0xBF,0xBB,0xD8,0x1B,0xDB,0xAB,0x7A,0xAB,0x9A,0xAB,0xDA,0xAB,0xF2,0xAB,"
             "0xEA,0xAB,0xDA,0xAB,0x1A,0xAB,0xDE,0xFB,0xDD,0x7B,0xDB,0xBB,0xD7,0xAB,0xDF,0xF7"
             "\r\n},//\xB2\xE2"},
        Case{"CeAsm", kCe, false, GlyphCodeMode::Asm51, kCeLabel,
             "DB 000H,000H,040H,044H,027H,0E4H,024H,054H,085H,054H,065H,054H,025H,054H,00DH,054H,"
             "015H,054H,025H,054H,0E5H,054H,021H,004H,022H,084H,024H,044H,028H,054H,020H,008H;"
             "\xB2\xE2"},
        Case{"CeAsmInverted", kCe, true, GlyphCodeMode::Asm51, kCeLabel,
             "DB 0FFH,0FFH,0BFH,0BBH,0D8H,01BH,0DBH,0ABH,07AH,0ABH,09AH,0ABH,0DAH,0ABH,0F2H,0ABH,"
             "0EAH,0ABH,0DAH,0ABH,01AH,0ABH,0DEH,0FBH,0DDH,07BH,0DBH,0BBH,0D7H,0ABH,0DFH,0F7H;"
             "\xB2\xE2"},
        Case{"BlankC51Inverted", Glyph{}, true, GlyphCodeMode::C51, "\xA1\xA1",
             repeated("{", "0xFF", ",", "\r\n},//\xA1\xA1")},
        Case{"BlankAsmInverted", Glyph{}, true, GlyphCodeMode::Asm51, "\xA1\xA1",
             repeated("DB ", "0FFH", ",", ";\xA1\xA1")},
        Case{"BlankC51", Glyph{}, false, GlyphCodeMode::C51, "\xA1\xA1",
             repeated("{", "0x00", ",", "\r\n},//\xA1\xA1")},
        Case{"BlankAsm", Glyph{}, false, GlyphCodeMode::Asm51, "\xA1\xA1",
             repeated("DB ", "000H", ",", ";\xA1\xA1")},
        // The label goes through untouched, whatever it holds.
        Case{"FullAsmOddLabel",
             [] {
                 Glyph g;
                 g.fill(0xFF);
                 return g;
             }(),
             false, GlyphCodeMode::Asm51, " a;\r\n", repeated("DB ", "0FFH", ",", "; a;\r\n")},
        Case{"FullC51InvertedEmptyLabel",
             [] {
                 Glyph g;
                 g.fill(0xFF);
                 return g;
             }(),
             true, GlyphCodeMode::C51, "", repeated("{", "0x00", ",", "\r\n},//")}),
    [](const ::testing::TestParamInfo<Case> &info) { return std::string(info.param.name); });

} // namespace
} // namespace zandrel
