// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Text.h"

#include "core/AsciiText.h"
#include "core/Gb2312.h"

#include <QByteArray>
#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace zandrel {

bool isBlank(const QString &text)
{
    // In UTF-8 a character up to 32 is that one byte, and no other character has such a byte.
    return trimBlanks(text.toStdString()).empty();
}

std::optional<std::string> toGb2312(const QString &text)
{
    const QList<uint> characters = text.toUcs4();
    for (uint ucs4 : characters)
        if (isPrivateUse(ucs4))
            return std::nullopt;
    QStringEncoder encoder("GB2312");
    const QByteArray bytes = encoder.encode(text);
    if (!encoder.isValid() || encoder.hasError())
        return std::nullopt;
    return bytes.toStdString();
}

QString fromGb2312(std::string_view bytes)
{
    QStringDecoder decoder("GB2312");
    return decoder.decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

std::string toGb2312WithStandIns(const QString &text)
{
    static const QByteArray standIn("\xA1\xA1");
    QStringEncoder encoder("GB2312");
    std::string bytes;
    for (qsizetype i = 0; i < text.size();) {
        // A surrogate pair is one character.
        const qsizetype units =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QStringView character = QStringView(text).mid(i, units);
        i += units;
        if (character.front().unicode() < 0x80) {
            bytes += static_cast<char>(character.front().unicode());
            continue;
        }
        QByteArray encoded = encoder.isValid() ? encoder.encode(character) : QByteArray();
        const bool gb2312 = !encoder.hasError() && encoded.size() == 2 &&
                            static_cast<unsigned char>(encoded[0]) >= 0xA1 &&
                            static_cast<unsigned char>(encoded[1]) >= 0xA1;
        if (!gb2312) {
            encoded = standIn;
            encoder.resetState();
        }
        bytes.append(encoded.constData(), static_cast<std::size_t>(encoded.size()));
    }
    return bytes;
}

qsizetype gb2312Length(const QString &text)
{
    return static_cast<qsizetype>(toGb2312WithStandIns(text).size());
}

} // namespace zandrel
