// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "dialogs/GridFindDialog.h"
#include "ui/AsmGrid.h"
#include "ui/AsmGridModel.h"
#include "ui/Main.h"
#include "ui/ReferencePage.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTimer>

#include <functional>

namespace zandrel {

class GridFindDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installGridFindDialog(); }
    // First: the run's one dialog is created by its first opening.
    void firstOpeningShowsTheDefaults();
    void findStepsFromMatchToMatch_data();
    void findStepsFromMatchToMatch();
    void allColumnsStepsThroughTheRestOfTheRecord();
    void onlyTextDirectionAndFindInStartFromTheTopAgain();
    void reopeningEmptiesTheTextAndKeepsTheHistoryAndChoices();
    void escapeRestoresTheTextTypedThenCloses();
    void secondWayInWhileOpenKeepsTheOneDialog();
};

namespace {

// The main window on the reference page and, while it is open, the dialog's controls.
struct Fixture
{
    Fixture()
    {
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"))
            ->setCurrentWidget(form.referencePage());
        grid = form.findChild<AsmGrid *>(QStringLiteral("AsmGrid"));
    }

    int currentId() const { return grid->currentRecord() ? grid->currentRecord()->ID : 0; }

    template <typename T> T *child(const char *name) const
    {
        return dialog->findChild<T *>(QString::fromLatin1(name));
    }
    QComboBox *box(const char *name) const { return child<QComboBox>(name); }
    QCheckBox *check(const char *name) const { return child<QCheckBox>(name); }

    // Opens the dialog as the user does (with "查询(&C)" unless told otherwise) and runs
    // body while its modal loop runs; closes it afterwards if body left it open.
    void WhileOpen(const std::function<void()> &body, const std::function<void()> &open = {})
    {
        bool ran = false;
        QTimer timer;
        timer.setSingleShot(true);
        QObject::connect(&timer, &QTimer::timeout, [&] {
            dialog = qobject_cast<TGridFindDialog *>(QApplication::activeModalWidget());
            const auto close = qScopeGuard([this] {
                if (dialog && dialog->isVisible())
                    dialog->reject();
            });
            QVERIFY(dialog);
            ran = true;
            // Keys go to the focus window, which follows the activation a moment later.
            QTRY_COMPARE(QGuiApplication::focusWindow(), dialog->windowHandle());
            body();
        });
        timer.start(0);
        if (open)
            open();
        else
            QTest::mouseClick(form.findChild<QPushButton *>(QStringLiteral("AsmFindBtn")),
                              Qt::LeftButton);
        QVERIFY2(ran, "the dialog did not open");
    }

    void choose(const char *boxName, const QString &entry) const
    {
        QVERIFY2(box(boxName)->findText(entry) >= 0, qPrintable(entry));
        box(boxName)->setCurrentIndex(box(boxName)->findText(entry));
    }

    void choose(const QString &findIn, const QString &matchKind, const QString &direction,
                bool caseCounts) const
    {
        choose("cbFindIn", findIn);
        choose("cbMatchinType", matchKind);
        choose("cbFindDirection", direction);
        check("cbCharCase")->setChecked(caseCounts);
        check("cbUseFormat")->setChecked(true);
    }

    void type(const QString &text) const
    {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box("cbText"), Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }

    // A key as the user presses it, through the window to the focused control.
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QTest::keyClick(dialog->windowHandle(), key, modifiers);
    }

    TMainForm form;
    AsmGrid *grid = nullptr;
    TGridFindDialog *dialog = nullptr;
};

QList<int> range(int first, int last)
{
    QList<int> ids;
    for (int id = first; id != last; id += first < last ? 1 : -1)
        ids << id;
    return ids << last;
}

const QString kName = QStringLiteral("助记符");
const QString kAny = QStringLiteral("任意匹配");
const QString kWhole = QStringLiteral("完全匹配");
const QString kBegin = QStringLiteral("起始匹配");
const QString kAll = QStringLiteral("全部");

} // namespace

void GridFindDialogTest::firstOpeningShowsTheDefaults()
{
    Fixture f;
    f.WhileOpen([&] {
        QCOMPARE(f.dialog->windowTitle(), QStringLiteral("查找文本"));
        QCOMPARE(f.dialog->size(), QSize(505, 160));
        QTRY_COMPARE(QApplication::focusWidget(), f.box("cbText"));
        QCOMPARE(f.box("cbText")->currentText(), QString());
        QCOMPARE(f.box("cbText")->count(), 0);
        QStringList findIn;
        for (int i = 0; i < f.box("cbFindIn")->count(); ++i)
            findIn << f.box("cbFindIn")->itemText(i);
        QCOMPARE(findIn, QStringList({"助记符", "指令说明", "类别", "字节数", "周期数", "<全部>"}));
        QCOMPARE(f.box("cbFindIn")->currentText(), kName);
        QCOMPARE(f.box("cbMatchinType")->currentText(), kAny);
        QCOMPARE(f.box("cbFindDirection")->currentText(), kAll);
        QVERIFY(!f.check("cbCharCase")->isChecked());
        QVERIFY(f.check("cbUseFormat")->isChecked());
    });
}

void GridFindDialogTest::findStepsFromMatchToMatch_data()
{
    QTest::addColumn<QString>("query"); // the page's mnemonic filter
    QTest::addColumn<int>("startRow");
    QTest::addColumn<QString>("findIn");
    QTest::addColumn<QString>("matchKind");
    QTest::addColumn<QString>("direction");
    QTest::addColumn<bool>("caseCounts");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ctrl");
    QTest::addColumn<QList<int>>("matches"); // in order; then the grid stays put

    const QString bytes = QStringLiteral("字节数");
    // Rows on the whole table, from its first record.
    const auto row = [](const char *name) -> QTestData & {
        return QTest::newRow(name) << QString() << 0;
    };
    row("mov") << kName << kAny << kAll << false << "mov" << false << (range(1, 22) << 105 << 106);
    row("mov, case counting") << kName << kAny << kAll << true << "mov" << false << QList<int>();
    row("J at the start, case counting") << kName << kBegin << kAll << true << "J" << false
                                         << QList<int>{78, 79, 80, 107, 108, 109, 110, 111};
    row("NOP whole") << kName << kWhole << kAll << false << "NOP" << false << QList<int>{87};
    row("nop whole") << kName << kWhole << kAll << false << "nop" << false << QList<int>{87};
    row("two blanks") << kName << kWhole << kAll << false << "POP  direct" << false
                      << QList<int>{24};
    row("one blank") << kName << kWhole << kAll << false << "POP direct" << false << QList<int>();
    row("4 in 周期数") << QStringLiteral("周期数") << kWhole << kAll << false << "4" << false
                       << QList<int>{38, 39};
    row("empty text whole") << bytes << kWhole << kAll << false << "" << false << range(112, 130);
    row("empty text anywhere") << bytes << kAny << kAll << false << "" << false << QList<int>();
    row("empty text at the start")
        << bytes << kBegin << kAll << false << "" << false << range(1, 130);
    row("up from the first record")
        << kName << kAny << QStringLiteral("向上") << false << "mov" << false << QList<int>();
    QTest::newRow("Ctrl+Enter with 全部 goes up from ID 10")
        << QString() << 9 << kName << kAny << kAll << false << "mov" << true << range(9, 1);
    QTest::newRow("rel within the CJNE filter") << "CJNE" << 0 << kName << kAny << kAll << false
                                                << "rel" << false << QList<int>{81, 82, 83, 84};
}

void GridFindDialogTest::findStepsFromMatchToMatch()
{
    QFETCH(QString, query);
    QFETCH(int, startRow);
    QFETCH(QString, findIn);
    QFETCH(QString, matchKind);
    QFETCH(QString, direction);
    QFETCH(bool, caseCounts);
    QFETCH(QString, text);
    QFETCH(bool, ctrl);
    QFETCH(QList<int>, matches);

    testing::MessageBoxRecorder boxes;
    Fixture f;
    QTest::keyClicks(f.form.findChild<QLineEdit *>(QStringLiteral("AsmCommandEdit")), query);
    QVERIFY(f.grid->setCurrentRow(startRow));
    const int startId = f.currentId();
    f.WhileOpen([&] {
        f.choose(findIn, matchKind, direction, caseCounts);
        const int column = f.box("cbFindIn")->currentData().toInt();
        f.type(text);
        for (const int id : matches) {
            f.key(Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
            QCOMPARE(f.currentId(), id);
            QCOMPARE(f.grid->currentColumn(), column);
        }
        for (int again = 0; again < 2; ++again) {
            f.key(Qt::Key_Return, ctrl ? Qt::ControlModifier : Qt::NoModifier);
            QCOMPARE(f.currentId(), matches.isEmpty() ? startId : matches.last());
            QVERIFY(f.dialog->isVisible());
        }
        if (matches.isEmpty())
            QCOMPARE(f.grid->currentColumn(), int(AsmGridModel::Name));
    });
    QVERIFY(boxes.boxes.empty());
}

void GridFindDialogTest::allColumnsStepsThroughTheRestOfTheRecord()
{
    Fixture f;
    f.WhileOpen([&] {
        f.choose(QStringLiteral("<全部>"), kAny, kAll, false);
        f.type(QStringLiteral("累加器"));
        f.key(Qt::Key_Return);
        QCOMPARE(f.currentId(), 1);
        QCOMPARE(f.grid->currentColumn(), int(AsmGridModel::Gut));
        f.key(Qt::Key_Return); // 类别, 字节数, 周期数 of ID 1, then ID 2 from 助记符
        QCOMPARE(f.currentId(), 2);
        QCOMPARE(f.grid->currentColumn(), int(AsmGridModel::Gut));
    });
    QCOMPARE(f.currentId(), 2); // where the dialog left it
}

void GridFindDialogTest::onlyTextDirectionAndFindInStartFromTheTopAgain()
{
    Fixture f;
    f.WhileOpen([&] {
        f.choose(kName, kAny, kAll, false);
        f.type(QStringLiteral("mov"));
        for (int i = 0; i < 3; ++i)
            f.key(Qt::Key_Return);
        QCOMPARE(f.currentId(), 3);
        // Clicking the check boxes also takes the focus out of the text box.
        for (const char *box : {"cbCharCase", "cbCharCase", "cbUseFormat", "cbUseFormat"})
            QTest::mouseClick(f.check(box), Qt::LeftButton);
        f.choose("cbMatchinType", kBegin);
        f.choose("cbMatchinType", kAny);
        f.key(Qt::Key_Return);
        QCOMPARE(f.currentId(), 4);
        f.choose("cbFindDirection", QStringLiteral("向下"));
        f.choose("cbFindDirection", kAll);
        f.key(Qt::Key_Return);
        QCOMPARE(f.currentId(), 1);
    });
}

void GridFindDialogTest::reopeningEmptiesTheTextAndKeepsTheHistoryAndChoices()
{
    Fixture f;
    const int historyBefore = [&] {
        int count = 0;
        f.WhileOpen([&] {
            count = f.box("cbText")->count();
            f.choose(QStringLiteral("<全部>"), kBegin, kAll, false);
            f.type(QStringLiteral("ljmp")); // the start of ID 93 only
            f.key(Qt::Key_Return);
            f.box("cbText")->setEditText(QStringLiteral("LJMP"));
            f.key(Qt::Key_Return);
            QCOMPARE(f.currentId(), 93);
            f.choose("cbFindIn", QStringLiteral("指令说明"));
            f.box("cbText")->setEditText(QStringLiteral("长"));
            f.key(Qt::Key_Return);
        });
        return count;
    }();
    QCOMPARE(f.grid->currentColumn(), int(AsmGridModel::Gut));
    f.grid->setFocus();
    f.WhileOpen(
        [&] {
            QComboBox *text = f.box("cbText");
            QCOMPARE(text->currentText(), QString());
            QCOMPARE(text->count(), historyBefore + 2); // "ljmp" once, whatever its case
            QCOMPARE(text->itemText(historyBefore), QStringLiteral("ljmp"));
            QCOMPARE(f.box("cbFindIn")->currentText(), QStringLiteral("指令说明"));
            QCOMPARE(f.box("cbMatchinType")->currentText(), kBegin);
            f.choose("cbFindIn", kName);
            f.type(QStringLiteral("L"));
            f.key(Qt::Key_Return);
            QCOMPARE(f.currentId(), 89); // not 93: from the first record again
        },
        [&] { QTest::keyClick(f.grid, Qt::Key_F, Qt::ControlModifier); });
}

void GridFindDialogTest::escapeRestoresTheTextTypedThenCloses()
{
    Fixture f;
    f.WhileOpen([&] {
        QComboBox *text = f.box("cbText");
        text->setEditText(QStringLiteral("mov"));
        f.choose(kName, kAny, kAll, false);
        f.child<QWidget>("cbFindIn")->setFocus();
        f.key(Qt::Key_Backtab, Qt::ShiftModifier); // back into the text box
        QTRY_COMPARE(QApplication::focusWidget(), text);
        f.type(QStringLiteral("x"));
        f.key(Qt::Key_Escape);
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(text->currentText(), QStringLiteral("mov"));
        QCOMPARE(text->lineEdit()->selectedText(), QStringLiteral("mov"));
        f.type(QStringLiteral("v"));
        f.key(Qt::Key_Return); // the text counts as unchanged after a Find by Enter
        f.key(Qt::Key_Escape);
        QVERIFY(!f.dialog->isVisible());
    });
}

// Alt+F clicks the button a moment later, by which time the dialog may be open another way.
void GridFindDialogTest::secondWayInWhileOpenKeepsTheOneDialog()
{
    Fixture f;
    f.WhileOpen([&] {
        f.box("cbText")->setEditText(QStringLiteral("mov"));
        GridFindDialogEntry()(*f.grid);
        QVERIFY(f.dialog->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), f.dialog);
        QCOMPARE(f.box("cbText")->currentText(), QStringLiteral("mov"));
    });
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::GridFindDialogTest)
#include "GridFindDialogTest.moc"
