// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/Support.h"

#include "readers/FontCatalog.h"

namespace zandrel::generators {

namespace {

void makeList(const FontListRequest &request, Result &result)
{
    const std::string lineEnd = lineEndOf(request.crlf);
    // Appended piece by piece: GCC 12's Release optimiser warns falsely of overlapping copies
    // in a chain of string sums.
    std::string &list = result.bytes;
    for (const InstalledFont &font : listInstalledFonts()) {
        // A damaged file has no family to list it by; it is named as damaged instead.
        list += font.damaged ? QStringLiteral("损坏").toStdString() : font.family;
        list += '\t';
        list += font.style;
        list += '\t';
        list += font.file;
        list += '\t';
        list += std::to_string(font.face);
        list += '\t';
        for (std::size_t i = 0; i < font.strikes.size(); ++i) {
            if (i > 0)
                list += ',';
            list += std::to_string(font.strikes[i]);
        }
        if (font.strikes.empty())
            list += '-';
        list += '\t';
        list += font.hanzi < 0 || font.damaged ? std::string("-") : std::to_string(font.hanzi);
        list += lineEnd;
    }
}

} // namespace

Result makeFontList(const FontListRequest &request)
{
    return madeOrRefused([&](Result &result) { makeList(request, result); });
}

} // namespace zandrel::generators
