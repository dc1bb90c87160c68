// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/Support.h"

#include "readers/FontCatalog.h"

namespace zandrel::generators {

namespace {

void makeList(const FontListRequest &request, Result &result)
{
    const std::string lineEnd = lineEndOf(request.crlf);
    for (const InstalledFont &font : listInstalledFonts()) {
        std::string strikes;
        for (const int size : font.strikes)
            strikes += (strikes.empty() ? "" : ",") + std::to_string(size);
        const std::string hanzi =
            font.hanzi < 0 || font.damaged ? std::string("-") : std::to_string(font.hanzi);
        // A damaged file has no family to list it by; it is named as damaged instead.
        result.bytes += (font.damaged ? QStringLiteral("损坏").toStdString() : font.family) + '\t' +
                        font.style + '\t' + font.file + '\t' + std::to_string(font.face) + '\t' +
                        (strikes.empty() ? "-" : strikes) + '\t' + hanzi + lineEnd;
    }
}

} // namespace

Result makeFontList(const FontListRequest &request)
{
    return madeOrRefused([&](Result &result) { makeList(request, result); });
}

} // namespace zandrel::generators
