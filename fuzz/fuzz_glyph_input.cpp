// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary Unicode text through the glyph page's input path: GB2312 encoding, the check for
// one character of the font, the lookup and both code texts.
#include "core/FontTable.h"
#include "core/GlyphCodeText.h"
#include "ui/Text.h"
#include "fuzz/FuzzCheck.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

using zandrel::fuzz::check;

void generate(const QString &text)
{
    // Every character counts one byte when it is ASCII and two otherwise, its stand-in's size
    // when it has no GB2312 code; an encodable text is exactly that long and decodes back to
    // itself, but for the acute accent, which is written as the full-width apostrophe.
    const QList<uint> characters = text.toUcs4();
    qsizetype length = 0;
    for (uint ucs4 : characters)
        length += ucs4 < 0x80 ? 1 : 2;
    check(zandrel::gb2312Length(text) == length);
    const std::optional<std::string> code = zandrel::toGb2312(text);
    if (code) {
        check(static_cast<qsizetype>(code->size()) == length);
        QString expected = QString::fromUcs4(reinterpret_cast<const char32_t *>(characters.constData()),
                                             characters.size());
        expected.replace(QChar(0x00B4), QChar(0xFF07));
        check(zandrel::fromGb2312(*code) == expected);
    }
    if (!code || code->size() != 2)
        return;
    const auto hi = static_cast<std::uint8_t>((*code)[0]);
    const auto lo = static_cast<std::uint8_t>((*code)[1]);
    const std::optional<zandrel::Glyph> glyph = zandrel::GlyphOf(hi, lo);
    const bool inFont = hi >= 0xA1 && hi <= 0xF7 && lo >= 0xA1 && lo <= 0xFE;
    check(glyph.has_value() == inFont);
    if (!glyph)
        return;
    for (bool invert : {false, true}) {
        const std::string c51 = zandrel::HzCodeText(*glyph, invert, zandrel::GlyphCodeMode::C51, *code);
        check(c51.size() == 1 + 32 * 4 + 31 + 2 + 4 + code->size());
        const std::string asm51 = zandrel::HzCodeText(*glyph, invert, zandrel::GlyphCodeMode::Asm51, *code);
        check(asm51.size() == 3 + 32 * 4 + 31 + 1 + code->size());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // The same bytes once as UTF-8 and once as UTF-16 code units, lone surrogates included.
    generate(QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)));
    QString units(static_cast<qsizetype>(size / 2), Qt::Uninitialized);
    for (std::size_t i = 0; i + 1 < size; i += 2)
        units[static_cast<qsizetype>(i / 2)] = QChar(static_cast<char16_t>(data[i] | data[i + 1] << 8));
    generate(units);
    return 0;
}
