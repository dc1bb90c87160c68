// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the search walk: comparing cell texts and stepping through the grid's cells.
#include "dialogs/GridTextSearch.h"

#include "ui/AsmGrid.h"

#include <QList>
#include <QScopeGuard>

namespace zandrel {

bool cellTextMatches(const QString &cellText, const QString &searchText,
                     const CellMatchOptions &options)
{
    const auto fold = [&options](const QString &text) {
        return options.caseInsensitive ? options.locale.toUpper(text) : text;
    };
    switch (options.kind) {
    case GridMatchKind::AnyPart:
        return !searchText.isEmpty() && !cellText.isEmpty() &&
               fold(cellText).contains(fold(searchText));
    case GridMatchKind::WholeField:
        return fold(cellText) == fold(searchText);
    case GridMatchKind::FromBeginning:
        return cellText.size() >= searchText.size() &&
               fold(cellText.left(searchText.size())) == fold(searchText);
    }
    return false;
}

bool SearchGridText(AsmGrid &grid, const GridTextSearch &search)
{
    if (!grid.hasOpenTable())
        return false;
    QList<int> columns;
    for (const int column : grid.columnsInDisplayOrder())
        if (grid.isColumnVisible(column))
            columns.append(column);
    if (columns.isEmpty() || (!search.allColumns && !search.column))
        return false;

    const bool forward = search.direction != GridSearchDirection::Up;
    // For an all-columns search, the place in columns of the cell examined. A current column
    // that is not shown counts as lying before the first column (or after the last, going
    // up), so that the first step lands on a shown one.
    qsizetype place = columns.indexOf(grid.currentColumn());
    if (place < 0)
        place = forward ? -1 : columns.size();
    const auto step = [&] {
        if (search.allColumns) {
            if (forward && place + 1 < columns.size()) {
                ++place;
                return true;
            }
            if (!forward && place > 0) {
                --place;
                return true;
            }
            place = forward ? 0 : columns.size() - 1;
        }
        return forward ? grid.moveNext() : grid.movePrior();
    };

    grid.suspendRedraw();
    const auto resume = qScopeGuard([&grid] { grid.resumeRedraw(); });
    const AsmGrid::Bookmark start = grid.saveBookmark();

    // The cell the search starts from is never examined itself, except by All, which
    // starts over from the first cell.
    bool onRecord = false;
    if (search.direction == GridSearchDirection::All) {
        onRecord = grid.moveFirst();
        place = 0;
    } else {
        onRecord = step();
    }
    const CellMatchOptions options{search.matchKind, search.caseInsensitive, QLocale()};
    for (; onRecord; onRecord = step()) {
        const int column = search.allColumns ? columns.at(place) : *search.column;
        const QString cellText =
            search.displayText ? grid.currentDisplayText(column) : grid.currentFieldText(column);
        if (cellTextMatches(cellText, search.text, options)) {
            grid.setCurrentColumn(column);
            return true;
        }
    }
    grid.returnToBookmark(start);
    return false;
}

} // namespace zandrel
