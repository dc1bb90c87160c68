// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the grid's navigation interface: the instruction grid and what the find
// dialog's search walk (dialogs/GridTextSearch) reads and moves through it; the cursor
// underneath is the table's current record (core/AsmTable).
#pragma once

#include "core/InstructionRecord.h"

#include <QTableView>

#include <functional>
#include <optional>

namespace zandrel {

class AsmGridModel;
class AsmTable;

// A read-only view of the instruction table's view, one row per record, whole-row highlight,
// an indicator column marking the current record. The table's current record is the grid's
// current record, and Qt's current index always stands on it, in the grid's current column,
// with its row selected (no current index when the view is empty); moves Qt makes itself
// move the table's record. The current column is left alone by keys and clicks; only the
// find dialog sets it. The highlight shows only while the grid has the focus. Keys: Up/Down,
// PgUp/PgDn, Home/End move the record; Tab/Shift+Tab move it only from the last/first column
// and never leave the grid; Left/Right shift the columns when not all fit; Ctrl+F calls
// GridFindDialogEntry; editing and clipboard keys do nothing. The wheel scrolls (Shift:
// moves the record; Ctrl: by pages).
class AsmGrid : public QTableView
{
    Q_OBJECT

public:
    explicit AsmGrid(AsmGridModel &model, QWidget *parent = nullptr);

    // ---- What the find dialog works with ----
    //
    // Columns are named by their model column (AsmGridModel::Column); their display order
    // is the user's, since titles can be dragged. A search runs along these lines:
    //
    //     grid.suspendRedraw();
    //     const AsmGrid::Bookmark start = grid.saveBookmark();
    //     bool found = false;
    //     for (bool onRecord = grid.moveNext(); onRecord && !found; onRecord = grid.moveNext())
    //         found = matches(grid.currentDisplayText(column));
    //     if (found)
    //         grid.setCurrentColumn(column);
    //     else
    //         grid.returnToBookmark(start);
    //     grid.resumeRedraw(); // one repaint, with the match in view

    // Whether the grid shows a table that is open. Only then is there anything to search.
    bool hasOpenTable() const;

    // The columns, left to right as shown.
    QList<int> columnsInDisplayOrder() const;
    QString columnTitle(int column) const;
    bool isColumnVisible(int column) const;
    // The field the column shows; every column of this grid has one.
    std::optional<InstructionField> columnField(int column) const;
    // The column's text in the current record as the grid shows it, and the field's value
    // as text. Both are empty without a current record, and both are the same here.
    QString currentDisplayText(int column) const;
    QString currentFieldText(int column) const;

    // The current column: the first column at start; set by the find dialog only. Setting it
    // scrolls the column into view when not all columns fit.
    int currentColumn() const { return currentColumn_; }
    void setCurrentColumn(int column);

    // The current record (nullptr when the view is empty) and its row in the view.
    const InstructionRecord *currentRecord() const;
    std::optional<int> currentRow() const;
    // Makes row current; false when there is no such row.
    bool setCurrentRow(int row);

    // Moves of the current record. Each returns false, moving nothing, when there is no
    // record to go to: the notice that a step would go past the first or the last record.
    bool moveFirst();
    bool moveNext();
    bool movePrior();

    // The current record together with the row at the top of the grid.
    struct Bookmark
    {
        std::optional<int> recordId;
        int topRow = 0;
    };
    Bookmark saveBookmark() const;
    // Puts the grid back on the bookmarked record with the same top row (the record must
    // still be in the view; otherwise only the top row is restored).
    void returnToBookmark(const Bookmark &bookmark);

    // While suspended (calls nest), the grid neither repaints nor scrolls after the current
    // record; resuming redraws it once and brings the current record into view.
    void suspendRedraw();
    void resumeRedraw();

    // Rows fully visible in the grid at its current size (at least 1).
    int fullyVisibleRows() const;
    int topRow() const;

protected:
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void initViewItemOption(QStyleOptionViewItem *option) const override;

private:
    // Puts Qt's current index on the current record in the current column, selecting its
    // row; clears it when the view is empty.
    void showCurrentIndex();
    void currentIndexChanged(const QModelIndex &current);
    void rowSelected(const QItemSelection &selected);
    void viewRefreshed();
    void currentRecordMovedTo(int previousRow, int currentRow);
    void ensureRowVisible(int row);
    void updateRow(int row);
    void shiftColumns(int step);
    bool allColumnsFit() const;
    // First and last visible column in display order (visual indexes).
    int firstVisualColumn() const;
    int lastVisualColumn() const;
    void ensureColumnVisible(int column);

    AsmGridModel &model_;
    int currentColumn_ = 0;
    int redrawSuspended_ = 0;
    bool scrollPending_ = false;
    int wheelRemainder_ = 0;
};

// How the reference page's button and the grid's Ctrl+F show a find dialog for a grid.
// Empty until the find dialog installs itself; while empty, asking for the dialog does
// nothing.
std::function<void(AsmGrid &grid)> &GridFindDialogEntry();

} // namespace zandrel
