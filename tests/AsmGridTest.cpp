// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "dialogs/GridTextSearch.h"
#include "ui/AsmGrid.h"
#include "ui/AsmGridModel.h"
#include "ui/Main.h"
#include "ui/ReferencePage.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>
#include <QWheelEvent>

#include <memory>

namespace zandrel {

class AsmGridTest : public QObject
{
    Q_OBJECT

private slots:
    void startsOnTheFirstRecordAndColumn();
    void showsTheColumnsAsLaidOut();
    void keysMoveTheCurrentRecord_data();
    void keysMoveTheCurrentRecord();
    void tabNeverLeavesTheGrid();
    void clipboardKeysDoNothing();
    void leftAndRightShiftColumnsOnlyWhenTheyDoNotFit();
    void ctrlFCallsTheFindDialogEntry();
    void wheelScrollsOrMoves_data();
    void wheelScrollsOrMoves();
    void wheelDoesNothingWithoutFocus();
    void clickMakesTheRecordCurrentAndKeepsTheColumn();
    void doubleClickOpensNoEditor();
    void highlightsTheCurrentRowOnlyWithFocus();
    void titlesDrawPressedWhileHeld();
    void titleClickNeitherSortsNorMoves();
    void rightDragMovesAColumnAndLeftDragDoesNot();
    void refreshPutsTheFirstRecordOnTop();
    void emptyViewHasNoCurrentRecord();
    void findInterfaceWalksTheView();
    void bookmarkRestoresRecordAndTopRow();
    void suspendedGridDoesNotRepaint();
    void currentIndexIsTheCurrentRecord_data();
    void currentIndexIsTheCurrentRecord();
};

namespace {

// The main window showing the reference page, active, with the grid focused. A test checks
// ready first: a check here could only leave the constructor, not the test.
struct Window
{
    Window()
    {
        form = std::make_unique<TMainForm>();
        if (!zandrel::testing::showActive(*form))
            return;
        auto *pages = form->findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
        grid = form->findChild<AsmGrid *>(QStringLiteral("AsmGrid"));
        edit = form->findChild<QLineEdit *>(QStringLiteral("AsmCommandEdit"));
        if (!pages || !grid || !edit)
            return;
        pages->setCurrentWidget(form->referencePage());
        grid->setFocus();
        ready = grid->hasFocus();
    }

    int currentId() const { return grid->currentRecord() ? grid->currentRecord()->ID : 0; }

    std::unique_ptr<TMainForm> form;
    AsmGrid *grid = nullptr;
    QLineEdit *edit = nullptr;
    bool ready = false;
};

QPoint cellCentre(AsmGrid *grid, int row, int column)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

void sendWheel(QWidget *target, int angle, Qt::KeyboardModifiers modifiers)
{
    const QPointF position(target->width() / 2, target->height() / 2);
    QWheelEvent event(position, target->mapToGlobal(position), QPoint(), QPoint(0, angle),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &event);
}

void SendMouse(QWidget *target, QEvent::Type type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons)
{
    QMouseEvent event(type, position, target->mapToGlobal(position), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// The colour of a cell at a point clear of its text: the left edge of a number cell, whose
// text is right-aligned.
QColor rowBackground(AsmGrid *grid, int row)
{
    const QRect cell = grid->visualRect(grid->model()->index(row, AsmGridModel::ByteCount));
    return grid->viewport()->grab().toImage().pixelColor(cell.left() + 3, cell.center().y());
}

} // namespace

void AsmGridTest::startsOnTheFirstRecordAndColumn()
{
    Window w;
    QVERIFY(w.ready);
    QCOMPARE(w.grid->model()->rowCount(), 130);
    QCOMPARE(w.currentId(), 1);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::Name));
    QCOMPARE(w.grid->topRow(), 0);
    QVERIFY(w.grid->hasOpenTable());
}

void AsmGridTest::showsTheColumnsAsLaidOut()
{
    Window w;
    QVERIFY(w.ready);
    // Along the page's top, as wide as the page (596 pixels in a window of the usual size).
    QCOMPARE(w.grid->geometry(), QRect(0, 0, w.form->referencePage()->width(), 198));
    QHeaderView *titles = w.grid->horizontalHeader();
    const QList<int> widths = {147, 199, 100, 50, 50};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(titles->sectionSize(column), widths[column]);
        QCOMPARE(titles->sectionResizeMode(column), QHeaderView::Interactive);
    }
    QVERIFY(titles->isVisible());
    QVERIFY(titles->sectionsClickable());
    QVERIFY(!titles->isSortIndicatorShown());
    QVERIFY(!w.grid->isSortingEnabled());
    QVERIFY(w.grid->verticalHeader()->isVisible()); // the indicator column
    QVERIFY(w.grid->showGrid());
    QCOMPARE(w.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(w.grid->textElideMode(), Qt::ElideNone);
    QCOMPARE(w.grid->frameShadow(), QFrame::Plain);
    QCOMPARE(w.grid->lineWidth(), 1);
    QVERIFY(w.grid->verticalScrollBar()->hasTracking());
    QVERIFY(w.grid->columnsInDisplayOrder() == (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(w.grid->columnTitle(AsmGridModel::Kind), QStringLiteral("类别"));
}

void AsmGridTest::keysMoveTheCurrentRecord_data()
{
    // Rows are given as a number of rows plus a number of pages (fully visible rows).
    QTest::addColumn<int>("startRow");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("expectedRows");
    QTest::addColumn<int>("expectedPages");
    const auto none = Qt::KeyboardModifiers();
    const int name = AsmGridModel::Name;
    const int last = AsmGridModel::TimeCount;
    QTest::newRow("Down") << 5 << name << int(Qt::Key_Down) << none << 6 << 0;
    QTest::newRow("Up") << 5 << name << int(Qt::Key_Up) << none << 4 << 0;
    QTest::newRow("Up at the first") << 0 << name << int(Qt::Key_Up) << none << 0 << 0;
    QTest::newRow("Down at the last") << 129 << name << int(Qt::Key_Down) << none << 129 << 0;
    QTest::newRow("PgDn") << 0 << name << int(Qt::Key_PageDown) << none << 0 << 1;
    QTest::newRow("PgUp") << 60 << name << int(Qt::Key_PageUp) << none << 60 << -1;
    QTest::newRow("PgUp near the first") << 2 << name << int(Qt::Key_PageUp) << none << 0 << 0;
    QTest::newRow("PgDn near the last") << 127 << name << int(Qt::Key_PageDown) << none << 129 << 0;
    QTest::newRow("Home") << 50 << name << int(Qt::Key_Home) << none << 0 << 0;
    QTest::newRow("End") << 50 << name << int(Qt::Key_End) << none << 129 << 0;
    QTest::newRow("Ctrl+Home") << 50 << name << int(Qt::Key_Home)
                               << Qt::KeyboardModifiers(Qt::ControlModifier) << 0 << 0;
    QTest::newRow("Ctrl+End") << 50 << name << int(Qt::Key_End)
                              << Qt::KeyboardModifiers(Qt::ControlModifier) << 129 << 0;
    QTest::newRow("Tab in the first column") << 5 << name << int(Qt::Key_Tab) << none << 5 << 0;
    QTest::newRow("Tab in the last column") << 5 << last << int(Qt::Key_Tab) << none << 6 << 0;
    QTest::newRow("Tab on the last record") << 129 << last << int(Qt::Key_Tab) << none << 129 << 0;
    QTest::newRow("Shift+Tab in the first column")
        << 5 << name << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 4 << 0;
    QTest::newRow("Shift+Tab in the last column")
        << 5 << last << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 5 << 0;
    QTest::newRow("Shift+Tab as Tab with Shift")
        << 5 << name << int(Qt::Key_Tab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 4 << 0;
    QTest::newRow("Shift+Tab on the first record")
        << 0 << name << int(Qt::Key_Backtab) << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0 << 0;
    for (const int key :
         {int(Qt::Key_Return), int(Qt::Key_Enter), int(Qt::Key_Escape), int(Qt::Key_F2),
          int(Qt::Key_Insert), int(Qt::Key_Delete), int(Qt::Key_M), int(Qt::Key_Space)})
        QTest::newRow(qPrintable(QStringLiteral("nothing: key %1").arg(key, 0, 16)))
            << 5 << name << key << none << 5 << 0;
    for (const int key : {int(Qt::Key_A), int(Qt::Key_C), int(Qt::Key_V), int(Qt::Key_X)})
        QTest::newRow(qPrintable(QStringLiteral("nothing: Ctrl+%1").arg(QChar(key))))
            << 5 << name << key << Qt::KeyboardModifiers(Qt::ControlModifier) << 5 << 0;
}

void AsmGridTest::keysMoveTheCurrentRecord()
{
    QFETCH(int, startRow);
    QFETCH(int, column);
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, expectedRows);
    QFETCH(int, expectedPages);
    Window w;
    QVERIFY(w.ready);
    w.grid->setCurrentColumn(column);
    QVERIFY(w.grid->setCurrentRow(startRow));
    QTest::keyClick(w.grid, Qt::Key(key), modifiers);
    QCOMPARE(*w.grid->currentRow(), expectedRows + expectedPages * w.grid->fullyVisibleRows());
    QCOMPARE(w.grid->currentColumn(), column);
    QVERIFY(w.grid->hasFocus());
    QVERIFY(!w.grid->findChild<QLineEdit *>()); // no cell editor
    // The current record is always brought into view.
    const int row = *w.grid->currentRow();
    QVERIFY(row >= w.grid->topRow() && row < w.grid->topRow() + w.grid->fullyVisibleRows());
}

void AsmGridTest::tabNeverLeavesTheGrid()
{
    Window w;
    QVERIFY(w.ready);
    w.grid->setCurrentColumn(AsmGridModel::TimeCount);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(w.grid, Qt::Key_Tab);
    QVERIFY(w.grid->hasFocus());
    QCOMPARE(w.currentId(), 4);
    w.grid->setCurrentColumn(AsmGridModel::Name);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(w.grid, Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(w.grid->hasFocus());
    QCOMPARE(w.currentId(), 1);
}

void AsmGridTest::clipboardKeysDoNothing()
{
    Window w;
    QVERIFY(w.ready);
    QApplication::clipboard()->setText(QStringLiteral("untouched"));
    QTest::keyClick(w.grid, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(w.grid, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("untouched"));
    QTest::keyClick(w.grid, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.grid->model()->rowCount(), 130);
    QCOMPARE(w.grid->currentDisplayText(AsmGridModel::Name), QStringLiteral("MOV A,Rn"));
}

void AsmGridTest::leftAndRightShiftColumnsOnlyWhenTheyDoNotFit()
{
    Window w;
    QVERIFY(w.ready);
    QScrollBar *bar = w.grid->horizontalScrollBar();
    QTest::keyClick(w.grid, Qt::Key_Right);
    QCOMPARE(bar->value(), 0); // all five columns fit

    w.grid->horizontalHeader()->resizeSection(AsmGridModel::Gut, 400);
    QApplication::processEvents();
    QVERIFY(bar->maximum() > 0);
    QTest::keyClick(w.grid, Qt::Key_Right);
    QCOMPARE(bar->value(), 1);
    QCOMPARE(w.grid->columnViewportPosition(AsmGridModel::Gut), 0);
    QTest::keyClick(w.grid, Qt::Key_Left);
    QCOMPARE(bar->value(), 0);
    QCOMPARE(w.currentId(), 1);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::Name));
}

void AsmGridTest::ctrlFCallsTheFindDialogEntry()
{
    Window w;
    QVERIFY(w.ready);
    QTest::keyClick(w.grid, Qt::Key_F, Qt::ControlModifier); // no entry yet: nothing happens
    AsmGrid *called = nullptr;
    int calls = 0;
    GridFindDialogEntry() = [&](AsmGrid &grid) {
        called = &grid;
        ++calls;
    };
    QTest::keyClick(w.grid, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w.grid, Qt::Key_F);
    QCOMPARE(calls, 0);
    QTest::keyClick(w.grid, Qt::Key_F, Qt::ControlModifier);
    GridFindDialogEntry() = nullptr;
    QCOMPARE(calls, 1);
    QCOMPARE(called, w.grid);
}

void AsmGridTest::wheelScrollsOrMoves_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<int>("scrollPages");
    QTest::addColumn<int>("scrollRows");
    QTest::addColumn<int>("movePages");
    QTest::addColumn<int>("moveRows");
    // Two notches down, from top row 40 with row 40 current.
    QTest::newRow("plain: scroll by one") << Qt::KeyboardModifiers() << 0 << 2 << 0 << 0;
    QTest::newRow("Shift: move by one")
        << Qt::KeyboardModifiers(Qt::ShiftModifier) << 0 << 0 << 0 << 2;
    QTest::newRow("Ctrl: scroll by a page")
        << Qt::KeyboardModifiers(Qt::ControlModifier) << 2 << 0 << 0 << 0;
    QTest::newRow("Ctrl+Shift: move by a page")
        << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << 0 << 0 << 2 << 0;
}

void AsmGridTest::wheelScrollsOrMoves()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(int, scrollPages);
    QFETCH(int, scrollRows);
    QFETCH(int, movePages);
    QFETCH(int, moveRows);
    Window w;
    QVERIFY(w.ready);
    w.grid->verticalScrollBar()->setValue(40);
    w.grid->setCurrentRow(40);
    QCOMPARE(w.grid->topRow(), 40);
    sendWheel(w.grid->viewport(), -120, modifiers);
    sendWheel(w.grid->viewport(), -60, modifiers); // half notches add up
    sendWheel(w.grid->viewport(), -60, modifiers);
    const int page = w.grid->fullyVisibleRows();
    const int row = *w.grid->currentRow();
    QCOMPARE(row, 40 + moveRows + movePages * page);
    if (moveRows + movePages == 0)
        QCOMPARE(w.grid->topRow(), 40 + scrollRows + scrollPages * page);
    else // a moved record is kept in view
        QVERIFY(row >= w.grid->topRow() && row < w.grid->topRow() + page);
    sendWheel(w.grid->viewport(), 240, modifiers);
    QCOMPARE(*w.grid->currentRow(), 40);
}

void AsmGridTest::wheelDoesNothingWithoutFocus()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    sendWheel(w.grid->viewport(), -120, Qt::NoModifier);
    sendWheel(w.grid->viewport(), -120, Qt::ShiftModifier);
    QCOMPARE(w.grid->topRow(), 0);
    QCOMPARE(w.currentId(), 1);
}

void AsmGridTest::clickMakesTheRecordCurrentAndKeepsTheColumn()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    w.grid->setCurrentColumn(AsmGridModel::Kind);
    QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {},
                      cellCentre(w.grid, 3, AsmGridModel::Gut));
    QCOMPARE(w.currentId(), 4);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::Kind));
    QVERIFY(w.grid->hasFocus());
    QTest::mouseClick(w.grid->viewport(), Qt::RightButton, {},
                      cellCentre(w.grid, 6, AsmGridModel::Gut));
    QCOMPARE(w.currentId(), 4);
}

void AsmGridTest::doubleClickOpensNoEditor()
{
    Window w;
    QVERIFY(w.ready);
    const QPoint cell = cellCentre(w.grid, 2, AsmGridModel::Name);
    QTest::mouseDClick(w.grid->viewport(), Qt::LeftButton, {}, cell);
    QVERIFY(!w.grid->findChild<QLineEdit *>());
    QCOMPARE(w.grid->currentDisplayText(AsmGridModel::Name), QStringLiteral("MOV A,@Ri"));
}

void AsmGridTest::highlightsTheCurrentRowOnlyWithFocus()
{
    Window w;
    QVERIFY(w.ready);
    const QColor highlight = w.grid->palette().color(QPalette::Active, QPalette::Highlight);
    const QColor base = w.grid->palette().color(QPalette::Active, QPalette::Base);
    w.edit->setFocus();
    QCOMPARE(rowBackground(w.grid, 0), base);

    QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {},
                      cellCentre(w.grid, 2, AsmGridModel::Name));
    QCOMPARE(rowBackground(w.grid, 2), highlight);
    QCOMPARE(rowBackground(w.grid, 0), base);
    QTest::keyClick(w.grid, Qt::Key_Down);
    QCOMPARE(rowBackground(w.grid, 3), highlight);
    QCOMPARE(rowBackground(w.grid, 2), base);

    w.edit->setFocus();
    QCOMPARE(rowBackground(w.grid, 3), base);
}

void AsmGridTest::titlesDrawPressedWhileHeld()
{
    Window w;
    QVERIFY(w.ready);
    QHeaderView *titles = w.grid->horizontalHeader();
    const QPoint title(titles->sectionViewportPosition(AsmGridModel::Gut) + 100,
                       titles->height() / 2);
    QTest::mouseMove(titles->viewport(), title);
    const QImage released = titles->grab().toImage();
    QTest::mousePress(titles->viewport(), Qt::LeftButton, {}, title);
    const QImage pressed = titles->grab().toImage();
    QTest::mouseRelease(titles->viewport(), Qt::LeftButton, {}, title);
    QVERIFY(pressed != released);
    QCOMPARE(titles->grab().toImage(), released);
}

void AsmGridTest::titleClickNeitherSortsNorMoves()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    QTest::keyClicks(w.edit, QStringLiteral("A"));
    const int rows = w.grid->model()->rowCount();
    QHeaderView *titles = w.grid->horizontalHeader();
    for (int column = 0; column < 5; ++column) {
        const QPoint title(titles->sectionViewportPosition(column) + 20, titles->height() / 2);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, title);
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, {}, title);
    }
    QCOMPARE(w.grid->model()->rowCount(), rows);
    int previousId = 0;
    for (int row = 0; row < rows; ++row) {
        const int id = w.form->referencePage()->asmTable().recordAt(row).ID;
        QVERIFY(id > previousId);
        previousId = id;
    }
    QCOMPARE(w.grid->model()->index(0, 0).data().toString(), QStringLiteral("MOV A,Rn"));
    QCOMPARE(w.currentId(), 1);
    QVERIFY(w.grid->columnsInDisplayOrder() == (QList<int>{0, 1, 2, 3, 4}));
}

void AsmGridTest::rightDragMovesAColumnAndLeftDragDoesNot()
{
    Window w;
    QVERIFY(w.ready);
    QWidget *titles = w.grid->horizontalHeader()->viewport();
    QHeaderView *header = w.grid->horizontalHeader();
    const int y = header->height() / 2;
    const QPoint name(header->sectionViewportPosition(AsmGridModel::Name) + 60, y);
    const QPoint kind(header->sectionViewportPosition(AsmGridModel::Kind) + 60, y);

    SendMouse(titles, QEvent::MouseButtonPress, name, Qt::LeftButton, Qt::LeftButton);
    SendMouse(titles, QEvent::MouseMove, (name + kind) / 2, Qt::NoButton, Qt::LeftButton);
    SendMouse(titles, QEvent::MouseMove, kind, Qt::NoButton, Qt::LeftButton);
    SendMouse(titles, QEvent::MouseButtonRelease, kind, Qt::LeftButton, Qt::NoButton);
    QVERIFY(w.grid->columnsInDisplayOrder() == (QList<int>{0, 1, 2, 3, 4}));

    SendMouse(titles, QEvent::MouseButtonPress, name, Qt::RightButton, Qt::RightButton);
    SendMouse(titles, QEvent::MouseMove, (name + kind) / 2, Qt::NoButton, Qt::RightButton);
    SendMouse(titles, QEvent::MouseMove, kind, Qt::NoButton, Qt::RightButton);
    SendMouse(titles, QEvent::MouseButtonRelease, kind, Qt::RightButton, Qt::NoButton);
    QVERIFY(w.grid->columnsInDisplayOrder() == (QList<int>{1, 2, 0, 3, 4}));
    QVERIFY(!header->sectionsMovable()); // only for the length of the drag

    // Tab and Shift+Tab follow the new order: the current column (助记符) is no longer first.
    QTest::keyClick(w.grid, Qt::Key_Down);
    QTest::keyClick(w.grid, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(w.currentId(), 2);
}

void AsmGridTest::refreshPutsTheFirstRecordOnTop()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    QTest::keyClicks(w.edit, QStringLiteral("A"));
    w.grid->verticalScrollBar()->setValue(30);
    w.grid->setCurrentRow(35);
    w.grid->setCurrentColumn(AsmGridModel::Kind);
    QTest::keyClicks(w.edit, QStringLiteral(","));
    QCOMPARE(w.grid->topRow(), 0);
    QCOMPARE(*w.grid->currentRow(), 0);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::Kind));
}

void AsmGridTest::emptyViewHasNoCurrentRecord()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    QTest::keyClicks(w.edit, QStringLiteral("REL%X"));
    QCOMPARE(w.grid->model()->rowCount(), 0);
    QVERIFY(!w.grid->currentRecord());
    QVERIFY(!w.grid->currentRow());
    QCOMPARE(w.grid->currentDisplayText(AsmGridModel::Name), QString());
    QVERIFY(!w.grid->moveFirst());
    w.grid->setFocus();
    QTest::keyClick(w.grid, Qt::Key_Down);
    QTest::keyClick(w.grid, Qt::Key_PageDown, Qt::ControlModifier);
    QVERIFY(!w.grid->currentRow());
    // One empty row under the titles: its bottom grid line is drawn.
    const QImage image = w.grid->viewport()->grab().toImage();
    const int lineY = w.grid->verticalHeader()->defaultSectionSize() - 1;
    const QColor base = w.grid->palette().color(QPalette::Base);
    QVERIFY(image.pixelColor(40, lineY) != base);
    QCOMPARE(image.pixelColor(40, lineY + 5), base);
}

void AsmGridTest::findInterfaceWalksTheView()
{
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    QTest::keyClicks(w.edit, QStringLiteral("MOVX"));
    QVERIFY(w.grid->moveFirst());
    QStringList names;
    do
        names << w.grid->currentDisplayText(AsmGridModel::Name);
    while (w.grid->moveNext());
    QCOMPARE(names, (QStringList{QStringLiteral("MOVX A,@Ri"), QStringLiteral("MOVX A,@DPTR"),
                                 QStringLiteral("MOVX @Ri,A"), QStringLiteral("MOVX @DPTR,A")}));
    QCOMPARE(w.currentId(), 22);
    QVERIFY(w.grid->movePrior());
    QVERIFY(w.grid->movePrior());
    QVERIFY(w.grid->movePrior());
    QVERIFY(!w.grid->movePrior());
    QCOMPARE(w.currentId(), 19);

    w.grid->setCurrentColumn(AsmGridModel::TimeCount);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::TimeCount));
    for (int column = 0; column < 5; ++column) {
        QVERIFY(w.grid->isColumnVisible(column));
        QCOMPARE(w.grid->currentFieldText(column), w.grid->currentDisplayText(column));
    }
    QCOMPARE(w.grid->columnField(AsmGridModel::Gut), InstructionField::GUT);
    QCOMPARE(w.grid->currentDisplayText(AsmGridModel::ByteCount), QStringLiteral("1"));
}

void AsmGridTest::bookmarkRestoresRecordAndTopRow()
{
    Window w;
    QVERIFY(w.ready);
    w.grid->verticalScrollBar()->setValue(50);
    w.grid->setCurrentRow(53);
    const AsmGrid::Bookmark bookmark = w.grid->saveBookmark();
    w.grid->suspendRedraw();
    while (w.grid->moveNext()) {
    }
    w.grid->returnToBookmark(bookmark);
    w.grid->resumeRedraw();
    QCOMPARE(w.currentId(), 54);
    QCOMPARE(w.grid->topRow(), 50);

    // Without the bookmark the grid follows the record it ends on.
    w.grid->suspendRedraw();
    w.grid->moveFirst();
    w.grid->resumeRedraw();
    QCOMPARE(w.grid->topRow(), 0);
}

void AsmGridTest::suspendedGridDoesNotRepaint()
{
    Window w;
    QVERIFY(w.ready);
    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    QApplication::processEvents();
    w.grid->viewport()->installEventFilter(&counter);
    w.grid->suspendRedraw();
    w.grid->suspendRedraw();
    for (int i = 0; i < 20; ++i)
        w.grid->moveNext();
    QApplication::processEvents();
    w.grid->resumeRedraw();
    QApplication::processEvents();
    QCOMPARE(counter.paints, 0);
    QCOMPARE(w.grid->topRow(), 0); // not scrolled while suspended
    w.grid->resumeRedraw();
    QTRY_VERIFY(counter.paints > 0);
    QVERIFY(w.grid->topRow() > 0); // the current record (row 20) came into view
    QCOMPARE(w.grid->topRow(), 21 - w.grid->fullyVisibleRows());
}

void AsmGridTest::currentIndexIsTheCurrentRecord_data()
{
    // After the query, one step; then Qt's current index must name the record and column.
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("step");
    QTest::addColumn<int>("id");     // 0: no current index
    QTest::addColumn<int>("column");
    const int name = AsmGridModel::Name;
    QTest::newRow("at start") << QString() << QString() << 1 << name;
    QTest::newRow("after typing MOVX") << QStringLiteral("MOVX") << QString() << 19 << name;
    QTest::newRow("Down") << QStringLiteral("MOVX") << QStringLiteral("down") << 20 << name;
    QTest::newRow("End") << QString() << QStringLiteral("end") << 130 << name;
    QTest::newRow("click") << QString() << QStringLiteral("click") << 4 << name;
    QTest::newRow("Shift+wheel") << QString() << QStringLiteral("wheel") << 2 << name;
    QTest::newRow("row selected by an assistive tool")
        << QString() << QStringLiteral("select") << 6 << name;
    QTest::newRow("find") << QStringLiteral("MOVX") << QStringLiteral("find") << 21
                          << int(AsmGridModel::Gut);
    QTest::newRow("empty view") << QStringLiteral("REL%X") << QString() << 0 << name;
    QTest::newRow("Down in an empty view") << QStringLiteral("REL%X") << QStringLiteral("down") << 0
                                           << name;
}

void AsmGridTest::currentIndexIsTheCurrentRecord()
{
    QFETCH(QString, query);
    QFETCH(QString, step);
    QFETCH(int, id);
    QFETCH(int, column);
    Window w;
    QVERIFY(w.ready);
    w.edit->setFocus();
    QTest::keyClicks(w.edit, query);
    w.grid->setFocus();
    if (step == QLatin1String("down"))
        QTest::keyClick(w.grid, Qt::Key_Down);
    else if (step == QLatin1String("end"))
        QTest::keyClick(w.grid, Qt::Key_End);
    else if (step == QLatin1String("click"))
        QTest::mouseClick(w.grid->viewport(), Qt::LeftButton, {},
                          cellCentre(w.grid, 3, AsmGridModel::Kind));
    else if (step == QLatin1String("wheel"))
        sendWheel(w.grid->viewport(), -120, Qt::ShiftModifier);
    else if (step == QLatin1String("select"))
        QAccessible::queryAccessibleInterface(w.grid)->tableInterface()->selectRow(5);
    else if (step == QLatin1String("find")) {
        GridTextSearch search; // first met in 21's 指令说明 "累加器传送到外部RAM(8地址)"
        search.text = QStringLiteral("累加器传送");
        search.column = AsmGridModel::Gut;
        QVERIFY(SearchGridText(*w.grid, search));
    }

    const QModelIndex current = w.grid->currentIndex();
    QCOMPARE(current, w.grid->selectionModel()->currentIndex());
    if (id == 0) {
        QVERIFY(!current.isValid());
        QVERIFY(!w.grid->selectionModel()->hasSelection());
        return;
    }
    QVERIFY(current.isValid());
    QCOMPARE(current.row(), *w.grid->currentRow());
    QCOMPARE(w.currentId(), id);
    QCOMPARE(current.column(), column);
    QCOMPARE(w.grid->currentColumn(), column);
    // The row is the one selection.
    QCOMPARE(w.grid->selectionModel()->selectedRows(), QModelIndexList{w.grid->model()->index(current.row(), 0)});
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::AsmGridTest)
#include "AsmGridTest.moc"
