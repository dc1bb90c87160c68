// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Platform.h"

#include <QFile>

namespace zandrel::gen {

// POSIX streams carry bytes as they are already.
void prepareStandardStreams() {}

std::optional<QByteArray> readStandardInput()
{
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = in.readAll();
    if (in.error() != QFile::NoError)
        return std::nullopt;
    return bytes;
}

// Terminals here read UTF-8.
void writeText(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace zandrel::gen
