#include "dialogs/GridTextSearch.h"

#include "ui/AsmGrid.h"

#include <QList>
#include <QScopeGuard>

namespace zandrel {

bool CellTextMatches(const QString &cellText, const QString &searchText,
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
    if (!grid.HasOpenTable())
        return false;
    QList<int> columns;
    for (const int column : grid.ColumnsInDisplayOrder())
        if (grid.IsColumnVisible(column))
            columns.append(column);
    if (columns.isEmpty() || (!search.allColumns && !search.column))
        return false;

    const bool forward = search.direction != GridSearchDirection::Up;
    // For an all-columns search, the place in columns of the cell examined. A current column
    // that is not shown counts as lying before the first column (or after the last, going
    // up), so that the first step lands on a shown one.
    qsizetype place = columns.indexOf(grid.CurrentColumn());
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
        return forward ? grid.MoveNext() : grid.MovePrior();
    };

    grid.SuspendRedraw();
    const auto resume = qScopeGuard([&grid] { grid.ResumeRedraw(); });
    const AsmGrid::Bookmark start = grid.SaveBookmark();

    // The cell the search starts from is never examined itself, except by All, which
    // starts over from the first cell.
    bool onRecord = false;
    if (search.direction == GridSearchDirection::All) {
        onRecord = grid.MoveFirst();
        place = 0;
    } else {
        onRecord = step();
    }
    const CellMatchOptions options{search.matchKind, search.caseInsensitive, QLocale()};
    for (; onRecord; onRecord = step()) {
        const int column = search.allColumns ? columns.at(place) : *search.column;
        const QString cellText =
            search.displayText ? grid.CurrentDisplayText(column) : grid.CurrentFieldText(column);
        if (CellTextMatches(cellText, search.text, options)) {
            grid.SetCurrentColumn(column);
            return true;
        }
    }
    grid.ReturnToBookmark(start);
    return false;
}

} // namespace zandrel
