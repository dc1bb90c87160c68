// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/AsmTable.h"

#include <QAbstractTableModel>

#include <optional>

namespace zandrel {

// The grid's model: the view of the instruction table, one row per record in the view, in
// the table's order. It owns the table and is its one observer, so a refresh of the view is
// one model reset and a move of the current record is one currentRecordMoved signal.
class AsmGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { Name, Gut, Kind, ByteCount, TimeCount, ColumnCount };

    // Opens a table over records, which must outlive the model.
    explicit AsmGridModel(std::span<const InstructionRecord> records, QObject *parent = nullptr);

    AsmTable &table() { return table_; }
    const AsmTable &table() const { return table_; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    // What each column shows: its field and width in pixels.
    static InstructionField fieldOf(int column);
    static int widthOf(int column);

signals:
    // The table's current record moved from previousRow to currentRow (-1: none) within
    // an unchanged view.
    void currentRecordMoved(int previousRow, int currentRow);

private:
    static QString titleOf(int column);
    static Qt::Alignment alignmentOf(int column);
    // The text a cell shows: the field's value, empty for a null number.
    QString cellText(int row, int column) const;

    AsmTable table_;
};

} // namespace zandrel
