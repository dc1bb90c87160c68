// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "core/AsmTable.h"
#include "ui/AsmGrid.h"
#include "ui/AsmGridModel.h"
#include "ui/Main.h"
#include "ui/ReferencePage.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

namespace zandrel {

class ReferencePageTest : public QObject
{
    Q_OBJECT

private slots:
    void laysOutItsControls();
    void filtersAsTheQueryIsTyped_data();
    void filtersAsTheQueryIsTyped();
    void showsLettersUpperCase();
    void buildsTheExpressionWithDoubledQuotes();
    void countsChineseInGb2312Bytes();
    void clearingTheQueryShowsEverything();
    void changedQueryPutsItsFirstRecordOnTop();
    void showingThePageFocusesTheQueryBox();
    void leavingThePageKeepsItsState();
    void findButtonCallsTheFindDialogEntry();
    void findButtonShowsItsGlyph();
};

namespace {

struct Window
{
    Window()
    {
        form = std::make_unique<TMainForm>();
        QVERIFY(zandrel::testing::showActive(*form));
        pages = form->findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
        page = form->referencePage();
        pages->setCurrentWidget(page);
        grid = form->findChild<AsmGrid *>(QStringLiteral("AsmGrid"));
        edit = form->findChild<QLineEdit *>(QStringLiteral("AsmCommandEdit"));
        button = form->findChild<QPushButton *>(QStringLiteral("AsmFindBtn"));
    }

    QList<int> ids() const
    {
        QList<int> shown;
        for (std::size_t row = 0; row < page->asmTable().recordCount(); ++row)
            shown << page->asmTable().recordAt(row).ID;
        return shown;
    }

    int currentId() const { return grid->currentRecord() ? grid->currentRecord()->ID : 0; }

    std::unique_ptr<TMainForm> form;
    QTabWidget *pages = nullptr;
    ReferencePage *page = nullptr;
    AsmGrid *grid = nullptr;
    QLineEdit *edit = nullptr;
    QPushButton *button = nullptr;
};

// Types text key by key, as a user would, Chinese included.
void typeKeys(QWidget *widget, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The widget that Tab moves the focus to from widget, by the focus chain.
QWidget *nextTabStop(QWidget *widget)
{
    QWidget *next = widget->nextInFocusChain();
    while (next != widget && !(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
    return next;
}

QList<int> range(int first, int last)
{
    QList<int> ids;
    for (int id = first; id <= last; ++id)
        ids << id;
    return ids;
}

} // namespace

void ReferencePageTest::laysOutItsControls()
{
    Window w;
    QCOMPARE(w.page->objectName(), QStringLiteral("TabSheet5"));
    QCOMPARE(w.pages->tabText(w.pages->indexOf(w.page)), QStringLiteral("指令速查"));
    QCOMPARE(w.edit->geometry(), QRect(200, 213, 121, 20));
    QCOMPARE(w.edit->text(), QString());
    QCOMPARE(w.button->geometry(), QRect(328, 210, 75, 25));
    QCOMPARE(w.button->text(), QStringLiteral("查询(&C)"));
    auto *label = w.form->findChild<QLabel *>(QStringLiteral("StaticText9"));
    QVERIFY(label);
    QCOMPARE(label->text(), QStringLiteral("输入查询条件:"));
    QCOMPARE(label->geometry(), QRect(104, 216, 82, 16));
    QCOMPARE(label->focusPolicy(), Qt::NoFocus);
    QCOMPARE(nextTabStop(w.grid), static_cast<QWidget *>(w.edit));
    QCOMPARE(nextTabStop(w.edit), static_cast<QWidget *>(w.button));
    QCOMPARE(w.grid->font(), w.form->font());
}

void ReferencePageTest::filtersAsTheQueryIsTyped_data()
{
    QTest::addColumn<QString>("query");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("MOV") << QStringLiteral("MOV") << range(1, 22) + QList<int>{105, 106};
    QTest::newRow("mov") << QStringLiteral("mov") << range(1, 22) + QList<int>{105, 106};
    QTest::newRow("one blank") << QStringLiteral(" ")
                               << range(1, 86) + range(88, 89) + range(92, 111);
    QTest::newRow("XCH A") << QStringLiteral("XCH A") << QList<int>{};
    QTest::newRow("XCH  A") << QStringLiteral("XCH  A") << QList<int>{25, 26, 27};
    QTest::newRow("DRIECT") << QStringLiteral("DRIECT") << QList<int>{36};
    QTest::newRow("quote") << QStringLiteral("'") << QList<int>{};
    QTest::newRow("A'B") << QStringLiteral("A'B") << QList<int>{};
    QTest::newRow("__") << QStringLiteral("__") << range(1, 130);
    QTest::newRow("#DATA_") << QStringLiteral("#DATA_")
                            << QList<int>{4,  7,  12, 15, 16, 44, 48, 52,  56, 58,
                                          62, 64, 68, 70, 82, 83, 84, 123, 124};
    QTest::newRow("MOV%DPTR") << QStringLiteral("MOV%DPTR") << QList<int>{16, 17, 20, 22};
    QTest::newRow("C%A%R") << QStringLiteral("C%A%R")
                           << QList<int>{17, 25, 26, 27, 28, 45, 46, 47, 81, 82, 83, 84};
    QTest::newRow("Chinese") << QStringLiteral("测") << QList<int>{};
    QTest::newRow("19 characters") << QStringLiteral("MOV DIRECT,#DATA16X") << QList<int>{};
}

void ReferencePageTest::filtersAsTheQueryIsTyped()
{
    QFETCH(QString, query);
    QFETCH(QList<int>, ids);
    Window w;
    typeKeys(w.edit, query);
    QCOMPARE(w.ids(), ids);
    QCOMPARE(w.grid->model()->rowCount(), ids.size());
    QCOMPARE(w.currentId(), ids.isEmpty() ? 0 : ids.first());
    QVERIFY(w.page->asmTable().Filtered());
    QVERIFY(w.page->asmTable().FilterCaseInsensitive());
}

void ReferencePageTest::showsLettersUpperCase()
{
    Window w;
    QTest::keyClicks(w.edit, QStringLiteral("mov a,"));
    QCOMPARE(w.edit->text(), QStringLiteral("MOV A,"));
    QCOMPARE(w.edit->cursorPosition(), 6);
    w.edit->insert(QStringLiteral("#data测")); // as pasted
    QCOMPARE(w.edit->text(), QStringLiteral("MOV A,#DATA测"));
    QCOMPARE(w.edit->maxLength(), 32767);
}

void ReferencePageTest::buildsTheExpressionWithDoubledQuotes()
{
    Window w;
    const AsmTable &table = w.page->asmTable();
    QTest::keyClicks(w.edit, QStringLiteral("MOV A"));
    QCOMPARE(table.Filter(), std::string("NAME LIKE '%MOV A%'"));
    w.edit->setText(QStringLiteral("A'B"));
    QCOMPARE(table.Filter(), std::string("NAME LIKE '%A''B%'"));
    QCOMPARE(table.compiled()->pattern, std::string("%A'B%"));
    w.edit->setText(QStringLiteral("  "));
    QCOMPARE(table.Filter(), std::string("NAME LIKE '%  %'")); // not trimmed
}

void ReferencePageTest::countsChineseInGb2312Bytes()
{
    Window w;
    const AsmTable &table = w.page->asmTable();
    w.edit->setText(QStringLiteral("测"));
    QCOMPARE(table.Filter(), std::string("NAME LIKE '%\xB2\xE2%'"));
    // Characters GB2312 lacks take two bytes that match nothing.
    w.edit->setText(QStringLiteral("A😀€"));
    QCOMPARE(table.Filter(), std::string("NAME LIKE '%A\xA1\xA1\xA1\xA1%'"));
    QCOMPARE(w.grid->model()->rowCount(), 0);

    // 253 bytes of query keep S whole; beyond that the pattern is cut at 255 bytes.
    w.edit->setText(QString(251, QLatin1Char('%')) + QStringLiteral("测"));
    QCOMPARE(table.compiled()->pattern.size(), std::size_t(255));
    QCOMPARE(w.grid->model()->rowCount(), 0);
    w.edit->setText(QString(253, QLatin1Char('%')) + QStringLiteral("测"));
    QCOMPARE(table.compiled()->pattern, std::string(254, '%')); // half of 测 dropped
    QCOMPARE(w.grid->model()->rowCount(), 130);
    w.edit->setText(QString(300, QLatin1Char('A')));
    QCOMPARE(table.compiled()->pattern, "%" + std::string(254, 'A'));
    QCOMPARE(w.grid->model()->rowCount(), 0);
}

void ReferencePageTest::clearingTheQueryShowsEverything()
{
    Window w;
    QTest::keyClicks(w.edit, QStringLiteral("REL%X"));
    QCOMPARE(w.grid->model()->rowCount(), 0);
    w.edit->selectAll();
    QTest::keyClick(w.edit, Qt::Key_Backspace);
    QCOMPARE(w.edit->text(), QString());
    QCOMPARE(w.page->asmTable().Filter(), std::string("NAME LIKE '%%'"));
    QCOMPARE(w.grid->model()->rowCount(), 130);
    QCOMPARE(w.currentId(), 1);
}

void ReferencePageTest::changedQueryPutsItsFirstRecordOnTop()
{
    Window w;
    QTest::keyClicks(w.edit, QStringLiteral("MOV"));
    w.grid->setCurrentRow(21);
    QCOMPARE(w.currentId(), 22);
    QTest::keyClicks(w.edit, QStringLiteral("X"));
    QCOMPARE(w.ids(), (QList<int>{19, 20, 21, 22}));
    QCOMPARE(w.currentId(), 19);
    QCOMPARE(w.grid->topRow(), 0);
}

void ReferencePageTest::showingThePageFocusesTheQueryBox()
{
    Window w;
    w.pages->setCurrentIndex(0);
    w.pages->setCurrentWidget(w.page);
    QVERIFY(w.edit->hasFocus());
    // With the focus in the query box no row is highlighted.
    const QRect cell = w.grid->visualRect(w.grid->model()->index(0, AsmGridModel::ByteCount));
    QCOMPARE(w.grid->viewport()->grab().toImage().pixelColor(cell.left() + 3, cell.center().y()),
             w.grid->palette().color(QPalette::Base));
}

void ReferencePageTest::leavingThePageKeepsItsState()
{
    Window w;
    QTest::keyClicks(w.edit, QStringLiteral("A"));
    w.grid->setFocus();
    QTest::keyClick(w.grid, Qt::Key_End);
    w.grid->setCurrentColumn(AsmGridModel::Gut);
    const int top = w.grid->topRow();
    QVERIFY(top > 0);
    w.pages->setCurrentIndex(0);
    w.pages->setCurrentWidget(w.page);
    QCOMPARE(w.edit->text(), QStringLiteral("A"));
    QCOMPARE(w.page->asmTable().Filter(), std::string("NAME LIKE '%A%'"));
    QCOMPARE(w.currentId(), 126);
    QCOMPARE(w.grid->currentColumn(), int(AsmGridModel::Gut));
    QCOMPARE(w.grid->topRow(), top);
    QVERIFY(w.edit->hasFocus());
}

void ReferencePageTest::findButtonCallsTheFindDialogEntry()
{
    Window w;
    QTest::mouseClick(w.button, Qt::LeftButton); // no entry installed: nothing happens
    QList<AsmGrid *> calls;
    GridFindDialogEntry() = [&](AsmGrid &grid) { calls << &grid; };
    QTest::mouseClick(w.button, Qt::LeftButton);
    QTest::keyClick(w.edit, Qt::Key_C, Qt::AltModifier); // the button clicks a moment later
    QTRY_COMPARE(calls, (QList<AsmGrid *>{w.grid, w.grid}));
    GridFindDialogEntry() = nullptr;
}

void ReferencePageTest::findButtonShowsItsGlyph()
{
    Window w;
    QCOMPARE(w.button->iconSize(), QSize(16, 16));
    const QImage glyph = w.button->icon().pixmap(16, 16).toImage();
    QCOMPARE(glyph.size(), QSize(16, 16));
    QCOMPARE(glyph.pixelColor(0, 0).alpha(), 0); // transparent around the picture
    int yellow = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QColor c = glyph.pixelColor(x, y);
            yellow += c.alpha() == 255 && c.red() > 200 && c.green() > 150 && c.blue() < 100;
        }
    QVERIFY(yellow > 20); // the folder
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::ReferencePageTest)
#include "ReferencePageTest.moc"
