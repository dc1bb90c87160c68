// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Platform.h"

namespace zandrel::gen {

// POSIX streams carry bytes as they are already.
void prepareStandardStreams() {}

// Terminals here read UTF-8.
void writeText(std::FILE *stream, const QString &text)
{
    std::fputs(text.toUtf8().constData(), stream);
}

} // namespace zandrel::gen
