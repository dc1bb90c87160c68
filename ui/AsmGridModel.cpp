// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/AsmGridModel.h"

namespace zandrel {
namespace {

int rowOrNone(std::optional<std::size_t> row)
{
    return row ? static_cast<int>(*row) : -1;
}

} // namespace

AsmGridModel::AsmGridModel(std::span<const InstructionRecord> records, QObject *parent)
    : QAbstractTableModel(parent), table_(records)
{
    table_.setCallbacks({
        [this] { beginResetModel(); },
        [this] { endResetModel(); },
        [this](std::optional<std::size_t> previous) {
            emit currentRecordMoved(rowOrNone(previous), rowOrNone(table_.currentRow()));
        },
    });
}

int AsmGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(table_.recordCount());
}

int AsmGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AsmGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return alignmentOf(index.column()).toInt();
    default:
        return {};
    }
}

QVariant AsmGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    // The vertical header is the indicator column: no text, only the arrow the grid draws.
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return titleOf(section);
    case Qt::TextAlignmentRole:
        return (Qt::AlignLeft | Qt::AlignVCenter).toInt();
    default:
        return {};
    }
}

Qt::ItemFlags AsmGridModel::flags(const QModelIndex &index) const
{
    // Read-only: never editable.
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

InstructionField AsmGridModel::fieldOf(int column)
{
    switch (column) {
    case Name:
        return InstructionField::NAME;
    case Gut:
        return InstructionField::GUT;
    case Kind:
        return InstructionField::KIND;
    case ByteCount:
        return InstructionField::BYTECOUNT;
    default:
        return InstructionField::TIMECOUNT;
    }
}

QString AsmGridModel::titleOf(int column)
{
    switch (column) {
    case Name:
        return QStringLiteral("助记符");
    case Gut:
        return QStringLiteral("指令说明");
    case Kind:
        return QStringLiteral("类别");
    case ByteCount:
        return QStringLiteral("字节数");
    default:
        return QStringLiteral("周期数");
    }
}

int AsmGridModel::widthOf(int column)
{
    static constexpr int widths[ColumnCount] = {147, 199, 100, 50, 50};
    return widths[column];
}

Qt::Alignment AsmGridModel::alignmentOf(int column)
{
    const bool number = column == ByteCount || column == TimeCount;
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

QString AsmGridModel::cellText(int row, int column) const
{
    return QString::fromStdString(
        fieldText(table_.recordAt(static_cast<std::size_t>(row)), fieldOf(column)));
}

} // namespace zandrel
