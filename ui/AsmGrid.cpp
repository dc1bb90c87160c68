// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the grid's navigation interface, and the instruction grid itself: its title
// and indicator headers, keys, mouse and wheel.
#include "ui/AsmGrid.h"

#include "ui/Application.h"
#include "ui/AsmGridModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionHeaderV2>
#include <QStyledItemDelegate>
#include <QWheelEvent>
#include <qdrawutil.h>

#include <algorithm>

namespace zandrel {
namespace {

constexpr int kIndicatorWidth = 12;

// Title row: push-button titles. Clickable sections make Qt keep track of the title the left
// button holds, which is then drawn pressed; with sorting off a click does nothing else. Qt
// moves sections with the left button only, so a right-button drag is passed on as a
// left-button one while the sections are movable for just that drag.
class TitleHeader : public QHeaderView
{
public:
    explicit TitleHeader(QWidget *parent) : QHeaderView(Qt::Horizontal, parent)
    {
        setSectionsClickable(true);
        setHighlightSections(false);
        setSortIndicatorShown(false);
        setSectionsMovable(false);
        setStretchLastSection(false);
        setSectionResizeMode(QHeaderView::Interactive);
        setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton && event->buttons() == Qt::RightButton) {
            rightDrag_ = true;
            setSectionsMovable(true);
            QMouseEvent left = AsLeftButton(*event, Qt::LeftButton, Qt::LeftButton);
            QHeaderView::mousePressEvent(&left);
        } else if (!rightDrag_) {
            QHeaderView::mousePressEvent(event);
        }
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (!rightDrag_) {
            QHeaderView::mouseMoveEvent(event);
            return;
        }
        QMouseEvent left = AsLeftButton(*event, Qt::NoButton, Qt::LeftButton);
        QHeaderView::mouseMoveEvent(&left);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (!rightDrag_) {
            QHeaderView::mouseReleaseEvent(event);
            return;
        }
        if (event->button() != Qt::RightButton)
            return;
        QMouseEvent left = AsLeftButton(*event, Qt::LeftButton, Qt::NoButton);
        QHeaderView::mouseReleaseEvent(&left);
        setSectionsMovable(false);
        rightDrag_ = false;
    }

    // A second click only presses the title again: no fitting a column to its contents.
    void mouseDoubleClickEvent(QMouseEvent *event) override { mousePressEvent(event); }

    // Qt measures titles in bold, for headers that show the current column's title in bold.
    // These titles are never drawn bold, so they are measured as drawn, which also spares the
    // start-up a bold face that nothing shows.
    QSize sectionSizeFromContents(int logicalIndex) const override
    {
        ensurePolished();
        QStyleOptionHeaderV2 option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        option.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }

    // Not every style shows a pressed header section, so a held title is drawn here: a
    // sunken panel with its label one pixel down and to the right.
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        QStyleOptionHeaderV2 option;
        initStyleOption(&option);
        initStyleOptionForIndex(&option, logicalIndex);
        if (!(option.state & QStyle::State_Sunken)) {
            QHeaderView::paintSection(painter, rect, logicalIndex);
            return;
        }
        option.rect = rect;
        painter->save();
        painter->fillRect(rect, palette().color(QPalette::Button).darker(112));
        qDrawShadePanel(painter, rect, palette(), true, 1);
        option.rect =
            style()->subElementRect(QStyle::SE_HeaderLabel, &option, this).translated(1, 1);
        style()->drawControl(QStyle::CE_HeaderLabel, &option, painter, this);
        painter->restore();
    }

private:
    static QMouseEvent AsLeftButton(const QMouseEvent &event, Qt::MouseButton button,
                                    Qt::MouseButtons buttons)
    {
        return QMouseEvent(event.type() == QEvent::MouseButtonDblClick ? QEvent::MouseButtonPress
                                                                       : event.type(),
                           event.position(), event.scenePosition(), event.globalPosition(), button,
                           buttons, event.modifiers(), event.pointingDevice());
    }

    bool rightDrag_ = false;
};

// The indicator column: the rows' header, drawn with an arrow at the current record. It
// takes no clicks, so rows are neither selected nor resized through it.
class IndicatorHeader : public QHeaderView
{
public:
    explicit IndicatorHeader(AsmGrid &grid) : QHeaderView(Qt::Vertical, &grid), grid_(grid)
    {
        setSectionsClickable(false);
        setHighlightSections(false);
        setMinimumSectionSize(1);
        setSectionResizeMode(QHeaderView::Fixed);
        setFixedWidth(kIndicatorWidth);
    }

    // The column is as wide as the arrow, whatever the rows hold; Qt would otherwise measure
    // every row's (empty) title after each refresh of the view to find the widest.
    QSize sizeHint() const override { return {kIndicatorWidth, defaultSectionSize()}; }

protected:
    void paintSection(QPainter *painter, const QRect &rect, int logicalIndex) const override
    {
        // Qt leaves the painter clipped to the section's label; the arrow needs it unclipped.
        painter->save();
        QHeaderView::paintSection(painter, rect, logicalIndex);
        painter->restore();
        if (grid_.currentRow() != logicalIndex)
            return;
        const QPoint centre = rect.center();
        const QPoint arrow[] = {{centre.x() - 2, centre.y() - 4},
                                {centre.x() - 2, centre.y() + 4},
                                {centre.x() + 2, centre.y()}};
        painter->setPen(Qt::NoPen);
        painter->setBrush(palette().color(QPalette::WindowText));
        painter->drawPolygon(arrow, 3);
    }

    void mousePressEvent(QMouseEvent *event) override { event->accept(); }
    void mouseMoveEvent(QMouseEvent *event) override { event->accept(); }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }

private:
    AsmGrid &grid_;
};

// The whole row is the mark of the current record: no focus frame around its current cell
// and no hover look. The highlight itself is Qt's selection.
class NoFocusFrameDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem cell(option);
        cell.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        QStyledItemDelegate::paint(painter, cell, index);
    }
};

} // namespace

std::function<void(AsmGrid &grid)> &GridFindDialogEntry()
{
    static std::function<void(AsmGrid & grid)> entry;
    return entry;
}

AsmGrid::AsmGrid(AsmGridModel &model, QWidget *parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("AsmGrid"));
    setAccessibleName(QStringLiteral("指令表"));
    setHorizontalHeader(new TitleHeader(this));
    setVerticalHeader(new IndicatorHeader(*this));
    setModel(&model_);
    setItemDelegate(new NoFocusFrameDelegate(this));

    // The current record is Qt's current index and its row the one selection. An unfocused
    // grid paints its selection in the inactive colours (initViewItemOption), which here are
    // those of an unselected row.
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight, colours.color(QPalette::Inactive, QPalette::Base));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Inactive, QPalette::Text));
    setPalette(colours);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSortingEnabled(false);
    setAutoScroll(false);
    setCornerButtonEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);

    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);

    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    verticalScrollBar()->setTracking(true);

    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    for (int column = 0; column < AsmGridModel::ColumnCount; ++column)
        horizontalHeader()->resizeSection(column, AsmGridModel::widthOf(column));

    connect(&model_, &AsmGridModel::modelReset, this, &AsmGrid::viewRefreshed);
    connect(&model_, &AsmGridModel::currentRecordMoved, this, &AsmGrid::currentRecordMovedTo);
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
            &AsmGrid::currentIndexChanged);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AsmGrid::rowSelected);
    showCurrentIndex();
}

bool AsmGrid::hasOpenTable() const
{
    return model_.table().active();
}

QList<int> AsmGrid::columnsInDisplayOrder() const
{
    QList<int> columns;
    for (int visual = 0; visual < horizontalHeader()->count(); ++visual)
        columns.append(horizontalHeader()->logicalIndex(visual));
    return columns;
}

QString AsmGrid::columnTitle(int column) const
{
    return model_.headerData(column, Qt::Horizontal).toString();
}

bool AsmGrid::isColumnVisible(int column) const
{
    return column >= 0 && column < AsmGridModel::ColumnCount && !isColumnHidden(column);
}

std::optional<InstructionField> AsmGrid::columnField(int column) const
{
    if (column < 0 || column >= AsmGridModel::ColumnCount)
        return std::nullopt;
    return AsmGridModel::fieldOf(column);
}

QString AsmGrid::currentDisplayText(int column) const
{
    const std::optional<int> row = currentRow();
    if (!row)
        return {};
    return model_.data(model_.index(*row, column)).toString();
}

QString AsmGrid::currentFieldText(int column) const
{
    const InstructionRecord *record = currentRecord();
    const std::optional<InstructionField> field = columnField(column);
    if (!record || !field)
        return {};
    return QString::fromStdString(fieldText(*record, *field));
}

void AsmGrid::setCurrentColumn(int column)
{
    if (column < 0 || column >= AsmGridModel::ColumnCount || column == currentColumn_)
        return;
    currentColumn_ = column;
    showCurrentIndex();
    if (redrawSuspended_ > 0)
        scrollPending_ = true;
    else
        ensureColumnVisible(column);
}

const InstructionRecord *AsmGrid::currentRecord() const
{
    return model_.table().currentRecord();
}

std::optional<int> AsmGrid::currentRow() const
{
    const std::optional<std::size_t> row = model_.table().currentRow();
    return row ? std::optional<int>(static_cast<int>(*row)) : std::nullopt;
}

bool AsmGrid::setCurrentRow(int row)
{
    return row >= 0 && model_.table().moveTo(static_cast<std::size_t>(row));
}

bool AsmGrid::moveFirst()
{
    return model_.table().first();
}

bool AsmGrid::moveNext()
{
    return model_.table().next();
}

bool AsmGrid::movePrior()
{
    return model_.table().prior();
}

AsmGrid::Bookmark AsmGrid::saveBookmark() const
{
    Bookmark bookmark;
    if (const InstructionRecord *record = currentRecord())
        bookmark.recordId = record->ID;
    bookmark.topRow = topRow();
    return bookmark;
}

void AsmGrid::returnToBookmark(const Bookmark &bookmark)
{
    if (bookmark.recordId)
        if (const std::optional<std::size_t> row = model_.table().rowOfId(*bookmark.recordId))
            model_.table().moveTo(*row);
    verticalScrollBar()->setValue(bookmark.topRow);
    scrollPending_ = false;
}

void AsmGrid::suspendRedraw()
{
    if (redrawSuspended_++ == 0)
        setUpdatesEnabled(false);
}

void AsmGrid::resumeRedraw()
{
    if (redrawSuspended_ == 0 || --redrawSuspended_ > 0)
        return;
    setUpdatesEnabled(true);
    if (scrollPending_) {
        scrollPending_ = false;
        if (const std::optional<int> row = currentRow())
            ensureRowVisible(*row);
        ensureColumnVisible(currentColumn_);
    }
    viewport()->update();
    verticalHeader()->viewport()->update();
}

int AsmGrid::fullyVisibleRows() const
{
    return std::max(1, viewport()->height() / verticalHeader()->defaultSectionSize());
}

int AsmGrid::topRow() const
{
    // Rows scroll one at a time, so the scroll position is the top row.
    return verticalScrollBar()->value();
}

bool AsmGrid::focusNextPrevChild(bool)
{
    // Tab and Shift+Tab stay in the grid; keyPressEvent gives them their meaning.
    return false;
}

void AsmGrid::keyPressEvent(QKeyEvent *event)
{
    AsmTable &table = model_.table();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const bool ctrl = modifiers == Qt::ControlModifier;
    const bool shift = modifiers & Qt::ShiftModifier;
    const int lastOnScreen = topRow() + fullyVisibleRows() - 1;

    if (modifiers & Qt::AltModifier) {
        event->ignore(); // accelerators belong to the page
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!ctrl) {
            // Qt's own step to the row above or below, in the current column.
            QTableView::keyPressEvent(event);
            break;
        }
        if (event->key() == Qt::Key_Up)
            table.moveTo(static_cast<std::size_t>(topRow()));
        else
            setCurrentRow(std::min(lastOnScreen, model_.rowCount() - 1));
        break;
    case Qt::Key_PageUp:
        ctrl ? table.moveTo(static_cast<std::size_t>(topRow())) : table.moveBy(-fullyVisibleRows());
        break;
    case Qt::Key_PageDown:
        ctrl ? setCurrentRow(std::min(lastOnScreen, model_.rowCount() - 1))
             : table.moveBy(fullyVisibleRows());
        break;
    case Qt::Key_Home:
        table.first();
        break;
    case Qt::Key_End:
        table.last();
        break;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (modifiers & Qt::ControlModifier) {
            event->ignore(); // Ctrl+Tab switches pages
            return;
        }
        const int visual = horizontalHeader()->visualIndex(currentColumn_);
        if (event->key() == Qt::Key_Backtab || shift) {
            if (visual == firstVisualColumn())
                table.prior();
        } else if (visual == lastVisualColumn()) {
            table.next();
        }
        break;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
        if (!allColumnsFit())
            shiftColumns(event->key() == Qt::Key_Right ? 1 : -1);
        break;
    case Qt::Key_F:
        if (!ctrl) {
            event->ignore();
            return;
        }
        guarded([this] {
            if (const auto &showFindDialog = GridFindDialogEntry())
                showFindDialog(*this);
        });
        break;
    case Qt::Key_A:
    case Qt::Key_C:
    case Qt::Key_V:
    case Qt::Key_X:
        if (!ctrl) {
            event->ignore();
            return;
        }
        break; // no selecting, copying, pasting or cutting in a read-only grid
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_F2:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        break; // read-only: no editor, no new or deleted record
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void AsmGrid::mousePressEvent(QMouseEvent *event)
{
    // A click on a data cell makes its record current; the current column stays.
    if (event->button() == Qt::LeftButton) {
        const QModelIndex index = indexAt(event->position().toPoint());
        if (index.isValid())
            setCurrentRow(index.row());
    }
    event->accept();
}

void AsmGrid::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
}

void AsmGrid::mouseReleaseEvent(QMouseEvent *event)
{
    event->accept();
}

void AsmGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click counts as a click and nothing more.
    mousePressEvent(event);
}

void AsmGrid::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    event->accept();
    const QPoint delta = event->angleDelta();
    // Fine-grained wheels send fractions of a notch; act once a whole notch has built up.
    wheelRemainder_ += delta.y() != 0 ? delta.y() : delta.x();
    const int notches = wheelRemainder_ / QWheelEvent::DefaultDeltasPerStep;
    wheelRemainder_ -= notches * QWheelEvent::DefaultDeltasPerStep;
    if (notches == 0)
        return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const int rows = (modifiers & Qt::ControlModifier) ? fullyVisibleRows() : 1;
    // Turning the wheel away from the user goes up.
    if (modifiers & Qt::ShiftModifier)
        model_.table().moveBy(-notches * rows);
    else
        verticalScrollBar()->setValue(topRow() - notches * rows);
}

void AsmGrid::focusInEvent(QFocusEvent *event)
{
    QTableView::focusInEvent(event);
    if (const std::optional<int> row = currentRow())
        updateRow(*row);
}

void AsmGrid::focusOutEvent(QFocusEvent *event)
{
    QTableView::focusOutEvent(event);
    if (const std::optional<int> row = currentRow())
        updateRow(*row);
}

void AsmGrid::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (model_.rowCount() > 0)
        return;
    // An empty view still shows one empty row under the titles.
    QPainter painter(viewport());
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    painter.setPen(QColor::fromRgba(
        static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
    const int bottom = verticalHeader()->defaultSectionSize() - 1;
    int right = -horizontalHeader()->offset();
    for (int visual = 0; visual < horizontalHeader()->count(); ++visual) {
        const int column = horizontalHeader()->logicalIndex(visual);
        if (isColumnHidden(column))
            continue;
        right += columnWidth(column);
        painter.drawLine(right - 1, 0, right - 1, bottom);
    }
    painter.drawLine(0, bottom, right - 1, bottom);
}

void AsmGrid::initViewItemOption(QStyleOptionViewItem *option) const
{
    QTableView::initViewItemOption(option);
    // Without the focus the selection is drawn in the inactive colours: no highlighted row.
    if (!hasFocus())
        option->state &= ~QStyle::State_Active;
}

void AsmGrid::showCurrentIndex()
{
    const std::optional<int> row = currentRow();
    const QModelIndex index = row ? model_.index(*row, currentColumn_) : QModelIndex();
    if (index == selectionModel()->currentIndex())
        return;
    if (index.isValid())
        selectionModel()->setCurrentIndex(
            index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    else
        selectionModel()->clear();
}

void AsmGrid::currentIndexChanged(const QModelIndex &current)
{
    // A move Qt made itself (its own keys, an assistive tool): the table follows.
    if (!current.isValid())
        return;
    currentColumn_ = current.column();
    if (currentRow() != current.row())
        setCurrentRow(current.row());
}

void AsmGrid::rowSelected(const QItemSelection &selected)
{
    // An assistive tool selects a row without moving Qt's current index; the record follows.
    if (!selected.isEmpty() && currentRow() != selected.first().top())
        setCurrentRow(selected.first().top());
}

void AsmGrid::viewRefreshed()
{
    showCurrentIndex();
    // The first record is current after every refresh and is shown at the top.
    if (redrawSuspended_ > 0)
        scrollPending_ = true;
    else
        scrollToTop();
    verticalHeader()->viewport()->update();
}

void AsmGrid::currentRecordMovedTo(int, int currentRow)
{
    showCurrentIndex();
    verticalHeader()->viewport()->update();
    if (redrawSuspended_ > 0)
        scrollPending_ = true;
    else if (currentRow >= 0)
        ensureRowVisible(currentRow);
}

void AsmGrid::ensureRowVisible(int row)
{
    const int top = topRow();
    const int visible = fullyVisibleRows();
    if (row < top)
        verticalScrollBar()->setValue(row);
    else if (row >= top + visible)
        verticalScrollBar()->setValue(row - visible + 1);
}

void AsmGrid::ensureColumnVisible(int column)
{
    if (allColumnsFit())
        return;
    // Columns scroll one at a time: the scroll position is the leftmost visual column.
    QScrollBar *bar = horizontalScrollBar();
    const int visual = horizontalHeader()->visualIndex(column);
    if (visual < bar->value()) {
        bar->setValue(visual);
        return;
    }
    while (bar->value() < bar->maximum() &&
           columnViewportPosition(column) + columnWidth(column) > viewport()->width())
        bar->setValue(bar->value() + 1);
}

void AsmGrid::updateRow(int row)
{
    if (row < 0 || row >= model_.rowCount())
        return;
    viewport()->update(QRect(0, rowViewportPosition(row), viewport()->width(), rowHeight(row)));
    verticalHeader()->viewport()->update();
}

void AsmGrid::shiftColumns(int step)
{
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + step);
}

bool AsmGrid::allColumnsFit() const
{
    return horizontalScrollBar()->maximum() == 0;
}

int AsmGrid::firstVisualColumn() const
{
    for (int visual = 0; visual < horizontalHeader()->count(); ++visual)
        if (!isColumnHidden(horizontalHeader()->logicalIndex(visual)))
            return visual;
    return -1;
}

int AsmGrid::lastVisualColumn() const
{
    for (int visual = horizontalHeader()->count() - 1; visual >= 0; --visual)
        if (!isColumnHidden(horizontalHeader()->logicalIndex(visual)))
            return visual;
    return -1;
}

} // namespace zandrel
