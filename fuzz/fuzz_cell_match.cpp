// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find dialog's cell comparison: arbitrary cell and search texts under every match kind,
// with and without letter case, checked against the relations the kinds must keep.
#include "dialogs/GridTextSearch.h"
#include "fuzz/FuzzCheck.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

namespace {

using zandrel::fuzz::check;

bool matches(const QString &cell, const QString &search, zandrel::GridMatchKind kind,
             bool caseInsensitive)
{
    static const QLocale locale(QLocale::English);
    return zandrel::cellTextMatches(cell, search, {kind, caseInsensitive, locale});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    // First line: the search text; the rest: the cell text.
    const QString input =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const qsizetype cut = input.indexOf(QLatin1Char('\n'));
    const QString search = cut < 0 ? input : input.left(cut);
    const QString cell = cut < 0 ? QString() : input.mid(cut + 1);

    using Kind = zandrel::GridMatchKind;
    for (const bool folded : {false, true}) {
        const bool any = matches(cell, search, Kind::AnyPart, folded);
        const bool whole = matches(cell, search, Kind::WholeField, folded);
        const bool begin = matches(cell, search, Kind::FromBeginning, folded);
        // Equal texts begin alike (upper-casing can change lengths, as "ß" to "SS", so
        // only while case counts); a non-empty leading part also occurs in the cell.
        check(folded || !whole || begin);
        check(!begin || search.isEmpty() || any);
        check(!any || (!search.isEmpty() && !cell.isEmpty()));
        check(matches(cell, QString(), Kind::FromBeginning, folded));
        check(matches(cell, cell, Kind::WholeField, folded));
    }
    // Ignoring case can only widen a match.
    for (const Kind kind : {Kind::AnyPart, Kind::WholeField, Kind::FromBeginning})
        check(!matches(cell, search, kind, false) || matches(cell, search, kind, true));
    return 0;
}
