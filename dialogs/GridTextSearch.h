// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the search walk: one search over the grid's cells, cell by cell, through the
// grid's navigation interface (ui/AsmGrid). The find dialog (dialogs/GridFindDialog) asks for
// it; the cursor it moves is the table's current record (core/AsmTable).
#pragma once

#include <QLocale>
#include <QString>

#include <optional>

namespace zandrel {

class AsmGrid;

enum class GridSearchDirection { Up, Down, All };

// How a cell's text has to agree with the search text: contain it, equal it, or begin
// with it.
enum class GridMatchKind { AnyPart, WholeField, FromBeginning };

struct CellMatchOptions
{
    GridMatchKind kind = GridMatchKind::AnyPart;
    bool caseInsensitive = true;
    // Whose rules upper-case the texts when case is ignored.
    QLocale locale;
};

// Whether a cell's text matches the search text. With AnyPart neither text may be empty;
// with WholeField an empty search text matches only empty cells; with FromBeginning it
// matches every cell, and a cell shorter than the search text never matches.
bool cellTextMatches(const QString &cellText, const QString &searchText,
                     const CellMatchOptions &options);

// One search of the grid, as the find dialog asks for it.
struct GridTextSearch
{
    QString text; // as typed, blanks included
    bool caseInsensitive = true;
    bool displayText = true; // compare what the grid shows rather than the field's value
    bool allColumns = false;
    std::optional<int> column; // the one column searched unless allColumns
    GridSearchDirection direction = GridSearchDirection::All;
    GridMatchKind matchKind = GridMatchKind::AnyPart;
};

// Walks the grid's cells from its current one (from its first record for All) and stops on
// the first match: that record and column become current and the result is true. Without a
// match the grid is put back where it stood. Either way it is redrawn once, at the end.
bool SearchGridText(AsmGrid &grid, const GridTextSearch &search);

} // namespace zandrel
