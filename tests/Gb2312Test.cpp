// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/Gb2312.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <QList>
#include <QString>

#include <gtest/gtest.h>

namespace zandrel {
namespace {

TEST(isAssignedGb2312, knowsTheSymbolZonesAndTheHanzi)
{
    int assigned = 0;
    for (int hi = 0; hi < 256; ++hi)
        for (int lo = 0; lo < 256; ++lo)
            assigned += isAssignedGb2312(static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo));
    EXPECT_EQ(assigned, 7445);
    const struct
    {
        std::uint8_t hi, lo;
        bool assigned;
    } cases[] = {
        {0xA1, 0xA1, true}, {0xA2, 0xA1, false}, {0xA2, 0xB1, true},  {0xA2, 0xFC, true},
        {0xA9, 0xA3, false}, {0xA9, 0xA4, true}, {0xAA, 0xA1, false}, {0xB0, 0xA1, true},
        {0xD7, 0xF9, true}, {0xD7, 0xFA, false}, {0xF7, 0xFE, true},  {0xF8, 0xA1, false},
        {0xB0, 0xA0, false}, {0xB0, 0xFF, false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(isAssignedGb2312(c.hi, c.lo), c.assigned) << std::hex << int(c.hi) << int(c.lo);
}

TEST(isPrivateUse, coversTheThreeAreas)
{
    for (char32_t c : {0xE000u, 0xF8FFu, 0xF0000u, 0xFFFFDu, 0x100000u, 0x10FFFDu})
        EXPECT_TRUE(isPrivateUse(c)) << std::hex << unsigned(c);
    for (char32_t c : {0xDFFFu, 0xF900u, 0x6D4Bu, 0xEFFFFu, 0xFFFFEu, 0x10FFFEu})
        EXPECT_FALSE(isPrivateUse(c)) << std::hex << unsigned(c);
}

TEST(gb2312Text, encodesAndDecodesWholeTexts)
{
    const struct
    {
        std::u32string text;
        std::optional<std::string> bytes;
    } cases[] = {
        {U"", std::string()},
        {U"\u6D4B\u8BD5", std::string("\xB2\xE2\xCA\xD4")},     // 测试
        {U"a\u4E2D\n", std::string("a\xD6\xD0\n")},               // ASCII stays one byte
        {U"\u3000\uFF07\u00B4", std::string("\xA1\xA1\xA3\xA7\xA3\xA7")},
        {U"\u4E2D\u00C4", std::nullopt},                            // Ä is not in GB2312
        {U"\uE000", std::nullopt},
        {U"\U0002000B", std::nullopt},
        {U"\u0080", std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(encodeGb2312(c.text), c.bytes);
        if (c.bytes && c.text.find(U'\u00B4') == std::u32string::npos) {
            EXPECT_EQ(decodeGb2312(*c.bytes), c.text);
        }
    }
    // Bytes that are no character: a lone lead byte, an unassigned pair, a stray high byte.
    EXPECT_EQ(decodeGb2312("\xB0"), U"\uFFFD");
    EXPECT_EQ(decodeGb2312("\xAA\xA1x"), U"\uFFFDx");
    EXPECT_EQ(decodeGb2312("\x80\xB0\xA1"), U"\uFFFD\u554A");
}

// The table against the system's ICU converter, which the programs used before. They differ
// in one place only: A3A7 is the full-width apostrophe (U+FF07) in the charmap, the acute
// accent (U+00B4) in ICU; the table accepts both characters for it.
TEST(gb2312Text, agreesWithIcuOnEveryAssignedCode)
{
    QStringDecoder decoder("GB2312");
    if (!decoder.isValid() || !QStringEncoder("GB2312").isValid())
        GTEST_SKIP() << "this Qt has no GB2312 converter";
    int assigned = 0;
    for (int hi = 0xA1; hi <= 0xFE; ++hi)
        for (int lo = 0xA1; lo <= 0xFE; ++lo) {
            const auto h = static_cast<std::uint8_t>(hi);
            const auto l = static_cast<std::uint8_t>(lo);
            const std::optional<char32_t> ours = unicodeOfGb2312(h, l);
            ASSERT_EQ(ours.has_value(), isAssignedGb2312(h, l)) << std::hex << hi << lo;
            if (!ours)
                continue;
            ++assigned;
            const char bytes[2] = {static_cast<char>(hi), static_cast<char>(lo)};
            const QList<uint> icu = QString(decoder.decode(QByteArrayView(bytes, 2))).toUcs4();
            EXPECT_EQ(icu.size(), 1);
            if (*ours != U'\uFF07') {
                EXPECT_EQ(icu.value(0), *ours) << std::hex << hi << lo;
            }
            EXPECT_EQ(gb2312CodeOf(*ours), hi << 8 | lo);
        }
    EXPECT_EQ(assigned, 7445);

    // Every character ICU writes as an assigned code has that code here; every other one,
    // those ICU puts on codes GB2312 leaves unassigned included, has none. (GB2312 has nothing
    // beyond the Basic Multilingual Plane.)
    int refusedHere = 0;
    for (char32_t ucs4 = 0x80; ucs4 <= 0xFFFF; ++ucs4) {
        if (ucs4 >= 0xD800 && ucs4 <= 0xDFFF)
            continue;
        QStringEncoder encoder("GB2312"); // a fresh one: an error can stick to the old
        const QByteArray icu = encoder.encode(QString::fromUcs4(&ucs4, 1));
        const bool icuAssigned = !encoder.hasError() && icu.size() == 2 &&
                                 isAssignedGb2312(static_cast<std::uint8_t>(icu[0]), static_cast<std::uint8_t>(icu[1]));
        const std::optional<std::uint16_t> ours = gb2312CodeOf(ucs4);
        if (ucs4 == U'\uFF07') {
            EXPECT_EQ(ours, 0xA3A7);
        } else if (icuAssigned) {
            EXPECT_EQ(ours, static_cast<std::uint8_t>(icu[0]) << 8 | static_cast<std::uint8_t>(icu[1]))
                << std::hex << unsigned(ucs4);
        } else {
            EXPECT_EQ(ours, std::nullopt) << std::hex << unsigned(ucs4);
            refusedHere += !encoder.hasError() && icu.size() == 2;
        }
    }
    // ICU 72 puts 27 symbols and kana and 1,363 private-use characters there.
    EXPECT_GE(refusedHere, 27);
}

} // namespace
} // namespace zandrel
