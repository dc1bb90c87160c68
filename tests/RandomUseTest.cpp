// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The whole window under a few thousand random user actions: clicks anywhere, keys with and
// without modifiers, odd text typed and pasted into every edit, the find dialog opened and
// used. Afterwards the pages must still work. The seed is printed; ZANDREL_RANDOM_SEED=n
// repeats a run and ZANDREL_RANDOM_ACTIONS=n sets its length.

#include "RandomUseSupport.h"
#include "WidgetTestSupport.h"

#include "dialogs/GridFindDialog.h"
#include "ui/AsmGrid.h"
#include "ui/ButtonEdit.h"
#include "ui/Main.h"
#include "ui/ReferencePage.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTabBar>
#include <QTabWidget>

namespace zandrel {

class RandomUseTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { installGridFindDialog(); }
    void windowSurvivesRandomUse();
};

namespace {

#ifdef ZANDREL_SANITIZED
constexpr int kDefaultActions = 1000; // the sanitizers slow every event down several times
#else
constexpr int kDefaultActions = 3000;
#endif

class RandomUser
{
public:
    RandomUser(TMainForm &form, quint32 seed)
        : form_(form), random_(seed),
          modalGuard_([this](QWidget *modal) { return useFindDialog(modal); })
    {
        pages_ = form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
        grid_ = form.findChild<AsmGrid *>(QStringLiteral("AsmGrid"));
    }

    void stop() { modalGuard_.stop(); }
    int strayModals() const { return modalGuard_.strayModals; }

    int findDialogsUsed = 0;

    void act()
    {
        switch (pick(10)) {
        case 0:
        case 1:
        case 2:
            clickSomewhere(pages_->currentWidget());
            break;
        case 3:
            clickSomewhere(pages_->tabBar());
            break;
        case 4:
        case 5:
        case 6:
            pressKey(focusTarget(&form_));
            break;
        case 7:
            typeInto(anyEdit(pages_->currentWidget()));
            break;
        case 8:
            pasteInto(anyEdit(pages_->currentWidget()));
            break;
        default:
            if (pick(4) == 0) // the dialog's way in: the button or Ctrl+F in the grid
                openFindDialog();
            else
                pressKey(focusTarget(&form_));
        }
        testing::closePopups();
        if (pick(20) == 0)
            QApplication::processEvents(); // paint now and then
    }

private:
    int pick(int bound) { return static_cast<int>(random_.bounded(bound)); }

    QString oddText()
    {
        static const QStringList pieces = {
            QString(), QStringLiteral(" "), QStringLiteral("  "), QStringLiteral("'"),
            QStringLiteral("''"), QStringLiteral("\""), QStringLiteral("%"), QStringLiteral("_"),
            QStringLiteral("%_%"), QStringLiteral("\\"), QStringLiteral("测"), QStringLiteral("啊"),
            QStringLiteral("€"), QStringLiteral("é"), QStringLiteral("😀"), QStringLiteral("\u00A0"),
            QStringLiteral("\t"), QStringLiteral("\r\n"), QString(QChar(1)), QString(QChar(0x7F)),
            QStringLiteral("\uFFFD"), QStringLiteral("ｱ"), QStringLiteral("MOV"),
            QStringLiteral("mov A"), QStringLiteral("#DATA"), QStringLiteral("0"),
            QStringLiteral("1"), QStringLiteral("101"), QStringLiteral("255"),
            QStringLiteral("256"), QStringLiteral("-1"), QStringLiteral("FF"),
            QStringLiteral("1FF"), QStringLiteral("0x1F"), QStringLiteral("a"),
        };
        QString text;
        for (int n = 1 + pick(5); n > 0; --n)
            text += pieces[pick(pieces.size())];
        return text;
    }

    QString hugeText()
    {
        static const QStringList units = {QStringLiteral("M"), QStringLiteral("%"),
                                          QStringLiteral("测"), QStringLiteral("'_"),
                                          QStringLiteral("9"), QStringLiteral("😀")};
        return units[pick(units.size())].repeated(300 + pick(5000));
    }

    static QWidget *focusTarget(QWidget *window)
    {
        if (QWidget *focused = QApplication::focusWidget(); focused && focused->window() == window)
            return focused;
        return window->focusWidget() ? window->focusWidget() : window;
    }

    // A visible widget inside root, root included, at random.
    QWidget *anyWidget(QWidget *root)
    {
        QList<QWidget *> widgets{root};
        for (QWidget *child : root->findChildren<QWidget *>())
            if (child->isVisible() && !child->rect().isEmpty())
                widgets << child;
        return widgets[pick(widgets.size())];
    }

    QWidget *anyEdit(QWidget *root)
    {
        QList<QWidget *> edits;
        for (QWidget *child : root->findChildren<QWidget *>())
            if (child->isVisible() &&
                (qobject_cast<QLineEdit *>(child) || qobject_cast<QPlainTextEdit *>(child)))
                edits << child;
        return edits.isEmpty() ? focusTarget(root->window()) : edits[pick(edits.size())];
    }

    void clickSomewhere(QWidget *root)
    {
        QWidget *target = anyWidget(root);
        const QPoint at(pick(target->width()), pick(target->height()));
        const Qt::KeyboardModifiers modifiers =
            pick(5) == 0 ? Qt::KeyboardModifiers(Qt::ShiftModifier) : Qt::NoModifier;
        switch (pick(8)) {
        case 0:
            QTest::mouseClick(target, Qt::RightButton, modifiers, at);
            break;
        case 1:
            QTest::mouseDClick(target, Qt::LeftButton, modifiers, at);
            break;
        default:
            QTest::mouseClick(target, Qt::LeftButton, modifiers, at);
        }
    }

    void pressKey(QWidget *target)
    {
        static const Qt::Key keys[] = {
            Qt::Key_Up,     Qt::Key_Down,      Qt::Key_Left,   Qt::Key_Right,  Qt::Key_PageUp,
            Qt::Key_PageDown, Qt::Key_Home,    Qt::Key_End,    Qt::Key_Tab,    Qt::Key_Backtab,
            Qt::Key_Return, Qt::Key_Enter,     Qt::Key_Escape, Qt::Key_Space,  Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_Insert,    Qt::Key_F2,     Qt::Key_F4,     Qt::Key_A,
            Qt::Key_C,      Qt::Key_F,         Qt::Key_G,      Qt::Key_H,      Qt::Key_V,
            Qt::Key_X,      Qt::Key_Z,         Qt::Key_0,      Qt::Key_1,      Qt::Key_9,
        };
        static const Qt::KeyboardModifiers modifiers[] = {
            Qt::NoModifier,      Qt::NoModifier,       Qt::NoModifier,
            Qt::ShiftModifier,   Qt::ControlModifier,  Qt::AltModifier,
            Qt::ControlModifier | Qt::ShiftModifier,
        };
        QTest::keyClick(target, keys[pick(std::size(keys))], modifiers[pick(std::size(modifiers))]);
    }

    void typeInto(QWidget *edit)
    {
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, 2));
        for (const QChar c : oddText())
            QTest::sendKeyEvent(QTest::Click, focusTarget(edit->window()), Qt::Key_unknown,
                                QString(c), Qt::NoModifier);
    }

    void pasteInto(QWidget *edit)
    {
        QGuiApplication::clipboard()->setText(pick(10) == 0 ? hugeText() : oddText());
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::keyClick(focusTarget(edit->window()), Qt::Key_V, Qt::ControlModifier);
    }

    void openFindDialog()
    {
        pages_->setCurrentWidget(form_.referencePage());
        if (pick(2) == 0) {
            QTest::mouseClick(form_.findChild<QPushButton *>(QStringLiteral("AsmFindBtn")),
                              Qt::LeftButton);
        } else {
            grid_->setFocus();
            QTest::keyClick(grid_, Qt::Key_F, Qt::ControlModifier);
        }
    }

    // Runs inside the find dialog's modal loop: uses it for a while. Any other modal window is
    // none the user opened.
    bool useFindDialog(QWidget *modal)
    {
        auto *dialog = qobject_cast<TGridFindDialog *>(modal);
        if (!dialog)
            return false;
        ++findDialogsUsed;
        for (int n = 1 + pick(12); n > 0 && dialog->isVisible(); --n) {
            switch (pick(6)) {
            case 0:
                typeInto(dialog->findChild<QComboBox *>(QStringLiteral("cbText")));
                break;
            case 1:
                clickSomewhere(dialog);
                break;
            case 2: {
                static const char *boxes[] = {"cbFindIn", "cbMatchinType", "cbFindDirection"};
                auto *box = dialog->findChild<QComboBox *>(QString::fromLatin1(boxes[pick(3)]));
                box->setFocus();
                QTest::keyClick(box, pick(2) ? Qt::Key_Down : Qt::Key_Up);
                break;
            }
            case 3:
                QTest::keyClick(focusTarget(dialog), Qt::Key_Return,
                                pick(3) == 0 ? Qt::ControlModifier : Qt::NoModifier);
                break;
            default:
                pressKey(focusTarget(dialog));
            }
            testing::closePopups();
        }
        return true;
    }

    TMainForm &form_;
    QRandomGenerator random_;
    QTabWidget *pages_ = nullptr;
    AsmGrid *grid_ = nullptr;
    testing::ModalGuard modalGuard_;
};

// Qt's current index stands on the table's current record, in the grid's current column.
bool CurrentIndexFollowsTheRecord(const AsmGrid &grid)
{
    const QModelIndex index = grid.currentIndex();
    const std::optional<int> row = grid.currentRow();
    if (!row)
        return !index.isValid();
    return index.isValid() && index.row() == *row && index.column() == grid.currentColumn();
}

} // namespace

void RandomUseTest::windowSurvivesRandomUse()
{
    const std::optional<testing::RandomRun> run = testing::randomRun(kDefaultActions);
    QVERIFY2(run, "ZANDREL_RANDOM_SEED is not a whole number from 0 to 4294967295");
    const auto [seed, actions] = *run;

    testing::MessageBoxRecorder boxes;
    TMainForm form;
    QVERIFY(testing::showActive(form));
    AsmGrid *grid = form.findChild<AsmGrid *>(QStringLiteral("AsmGrid"));
    RandomUser user(form, seed);
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; n < actions; ++n) {
        user.act();
        QVERIFY2(CurrentIndexFollowsTheRecord(*grid),
                 qPrintable(QStringLiteral("action %1 of seed %2").arg(n).arg(seed)));
    }
    user.stop();
    qInfo("%lld ms; %d find dialogs used, %d stray modal windows, %zu message boxes",
          clock.elapsed(), user.findDialogsUsed, user.strayModals(), boxes.boxes.size());
    QVERIFY(user.findDialogsUsed > 0);
    // Only the refusals the pages give, and the failure of a pasted non-number: no handler
    // failed in any other way.
    const QStringList refusals = {QStringLiteral("数值只能是0~255"), QStringLiteral("数值只能是00~FF"),
                                  QStringLiteral("请输入一个GB2312字符")};
    for (const testing::ShownBox &box : boxes.boxes)
        QVERIFY2(box.caption == QStringLiteral("错误") ? refusals.contains(box.text)
                                                      : box.text.endsWith(
                                                            QStringLiteral("' is not a valid integer value.")),
                 qPrintable(box.caption + QStringLiteral(": ") + box.text.left(80)));

    // The window is still there, and each page still does its work.
    QVERIFY(form.isVisible());
    QVERIFY(!QApplication::activeModalWidget());
    auto *decimal = form.findChild<ButtonEdit *>(QStringLiteral("DecEdit"));
    decimal->setText(QStringLiteral("200"));
    decimal->button()->click();
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("BinEdit"))->text(),
             QStringLiteral("11001000"));
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("HexEdit"))->text(), QStringLiteral("C8"));
    QString ticked;
    for (QCheckBox *box : form.findChild<QGroupBox *>(QStringLiteral("BinGroupBox"))
                              ->findChildren<QCheckBox *>())
        ticked += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    QCOMPARE(ticked, QStringLiteral("11001000"));

    auto *query = form.findChild<QLineEdit *>(QStringLiteral("AsmCommandEdit"));
    query->clear();
    QCOMPARE(grid->model()->rowCount(), 130);
    QTest::keyClicks(query, QStringLiteral("movx"));
    QCOMPARE(query->text(), QStringLiteral("MOVX"));
    QCOMPARE(grid->model()->rowCount(), 4);
    QCOMPARE(grid->currentRecord()->ID, 19);
    QVERIFY(CurrentIndexFollowsTheRecord(*grid));
    QTest::keyClicks(query, QStringLiteral("'"));
    QCOMPARE(grid->model()->rowCount(), 0);
    QVERIFY(!grid->currentIndex().isValid());
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::RandomUseTest)
#include "RandomUseTest.moc"
