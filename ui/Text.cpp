// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Text.h"

#include "core/AsciiText.h"
#include "core/Gb2312.h"

#include <QByteArray>
#include <QList>

namespace zandrel {

bool isBlank(const QString &text)
{
    // In UTF-8 a character up to 32 is that one byte, and no other character has such a byte.
    return trimBlanks(text.toStdString()).empty();
}

namespace {

std::u32string toUcs4(const QString &text)
{
    // A lone surrogate arrives as U+FFFD, which has no GB2312 code either.
    const QList<uint> characters = text.toUcs4();
    return std::u32string(characters.begin(), characters.end());
}

} // namespace

std::optional<std::string> toGb2312(const QString &text)
{
    return encodeGb2312(toUcs4(text));
}

QString fromGb2312(std::string_view bytes)
{
    const std::u32string text = decodeGb2312(bytes);
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toGb2312WithStandIns(const QString &text)
{
    std::string bytes;
    for (char32_t ucs4 : toUcs4(text))
        appendGb2312Code(bytes, gb2312CodeOf(ucs4).value_or(0xA1A1));
    return bytes;
}

qsizetype gb2312Length(const QString &text)
{
    return static_cast<qsizetype>(toGb2312WithStandIns(text).size());
}

} // namespace zandrel
