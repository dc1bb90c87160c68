// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "ui/ButtonEdit.h"
#include "ui/Main.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QSignalSpy>

#include <memory>

using zandrel::ButtonEdit;
using zandrel::TMainForm;
using zandrel::testing::MessageBoxRecorder;

class ByteConverterPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void bitBoxesGiveAllThreeTexts_data();
    void bitBoxesGiveAllThreeTexts();
    void editButtonsConvertToEveryView_data();
    void editButtonsConvertToEveryView();
    void binaryTextTicksBoxesOneChangeAtATime();
    void refusesOutOfRangeAndForeignInput_data();
    void refusesOutOfRangeAndForeignInput();
    void nonIntegerTextReachesTheFailureBox_data();
    void nonIntegerTextReachesTheFailureBox();
    void blankBoxesIgnoreTheirButton();
    void keyFiltersDropForeignCharacters_data();
    void keyFiltersDropForeignCharacters();
    void lengthLimitsHold();
    void altDownClicksTheEmbeddedButton();
    void mouseOnTheEmbeddedButtonFocusesAndClicksOnce();
    void altCPressesTheConvertButton();
    void embeddedButtonSitsInsideTheBoxAtItsRightEdge();
    void focusFollowsTheBoxesThenButtonThenEdits();

private:
    ButtonEdit *edit(const char *name) const { return form->findChild<ButtonEdit *>(QLatin1String(name)); }
    QCheckBox *box(int n) const { return form->findChild<QCheckBox *>(QStringLiteral("CheckBox%1").arg(n)); }
    QString bits() const;
    void enter(const char *name, const QString &text) const;

    std::unique_ptr<TMainForm> form;
};

void ByteConverterPageTest::init()
{
    form = std::make_unique<TMainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
}

void ByteConverterPageTest::cleanup()
{
    form.reset();
}

QString ByteConverterPageTest::bits() const
{
    QString result;
    for (int n = 1; n <= 8; ++n)
        result += box(n)->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
    return result;
}

// Puts text into an edit as a paste would (bypassing the key filter) and presses its button.
void ByteConverterPageTest::enter(const char *name, const QString &text) const
{
    edit(name)->setText(text);
    edit(name)->button()->click();
}

void ByteConverterPageTest::bitBoxesGiveAllThreeTexts_data()
{
    QTest::addColumn<QList<int>>("ticked");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::newRow("only box 1 is bit 7") << QList<int>{1} << "10000000" << "128" << "80";
    QTest::newRow("only box 8 is bit 0") << QList<int>{8} << "00000001" << "1" << "01";
    QTest::newRow("all") << QList<int>{1, 2, 3, 4, 5, 6, 7, 8} << "11111111" << "255" << "FF";
    QTest::newRow("0x0F") << QList<int>{5, 6, 7, 8} << "00001111" << "15" << "0F";
}

void ByteConverterPageTest::bitBoxesGiveAllThreeTexts()
{
    QFETCH(QList<int>, ticked);
    QFETCH(QString, binary);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    for (int n : ticked)
        box(n)->click();
    QCOMPARE(edit("BinEdit")->text(), binary);
    QCOMPARE(edit("DecEdit")->text(), decimal);
    QCOMPARE(edit("HexEdit")->text(), hex);
}

void ByteConverterPageTest::editButtonsConvertToEveryView_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("binary");
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("hex");
    QTest::newRow("binary 101 is padded") << "BinEdit" << "101" << "00000101" << "5" << "05";
    QTest::newRow("binary 11111111") << "BinEdit" << "11111111" << "11111111" << "255" << "FF";
    QTest::newRow("binary 0") << "BinEdit" << "0" << "00000000" << "0" << "00";
    QTest::newRow("decimal 255") << "DecEdit" << "255" << "11111111" << "255" << "FF";
    QTest::newRow("decimal 0") << "DecEdit" << "0" << "00000000" << "0" << "00";
    QTest::newRow("decimal 007 loses its zeros") << "DecEdit" << "007" << "00000111" << "7" << "07";
    QTest::newRow("hex A") << "HexEdit" << "A" << "00001010" << "10" << "0A";
    QTest::newRow("hex F becomes 0F") << "HexEdit" << "F" << "00001111" << "15" << "0F";
    QTest::newRow("hex 80") << "HexEdit" << "80" << "10000000" << "128" << "80";
    QTest::newRow("hex with blanks around") << "HexEdit" << " F " << "00001111" << "15" << "0F";
}

void ByteConverterPageTest::editButtonsConvertToEveryView()
{
    QFETCH(QString, editName);
    QFETCH(QString, input);
    QFETCH(QString, binary);
    QFETCH(QString, decimal);
    QFETCH(QString, hex);
    MessageBoxRecorder recorder;
    enter(editName.toLatin1().constData(), input);
    QCOMPARE(edit("BinEdit")->text(), binary);
    QCOMPARE(edit("DecEdit")->text(), decimal);
    QCOMPARE(edit("HexEdit")->text(), hex);
    QCOMPARE(bits(), binary);
    QVERIFY(recorder.boxes.empty());
}

void ByteConverterPageTest::binaryTextTicksBoxesOneChangeAtATime()
{
    // Each box that changes rewrites the texts from the boxes as they stand then, so the
    // binary text passes through the intermediate state with only box 6 ticked.
    QSignalSpy texts(edit("BinEdit"), &QLineEdit::textChanged);
    enter("BinEdit", QStringLiteral("101"));
    QStringList seen;
    for (const auto &arguments : texts)
        seen << arguments.at(0).toString();
    QCOMPARE(seen, (QStringList{"101", "00000101", "00000100", "00000101"}));
    QCOMPARE(bits(), QStringLiteral("00000101"));
}

void ByteConverterPageTest::refusesOutOfRangeAndForeignInput_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("message");
    QTest::newRow("decimal 256") << "DecEdit" << "256" << "数值只能是0~255";
    QTest::newRow("decimal 999") << "DecEdit" << "999" << "数值只能是0~255";
    QTest::newRow("negative decimal") << "DecEdit" << "-5" << "数值只能是0~255";
    QTest::newRow("three hex digits") << "HexEdit" << "1FF" << "数值只能是00~FF";
    QTest::newRow("hex with a foreign digit") << "HexEdit" << "G1" << "数值只能是00~FF";
    QTest::newRow("hex with a blank inside") << "HexEdit" << "F F" << "数值只能是00~FF";
    QTest::newRow("binary with other digits") << "BinEdit" << "12" << "数值只能是00000000~11111111";
    QTest::newRow("negative binary") << "BinEdit" << "-1" << "数值只能是00000000~11111111";
}

void ByteConverterPageTest::refusesOutOfRangeAndForeignInput()
{
    QFETCH(QString, editName);
    QFETCH(QString, input);
    QFETCH(QString, message);
    box(1)->click(); // 128, so that a wrongly applied refusal would show
    MessageBoxRecorder recorder;
    enter(editName.toLatin1().constData(), input);
    QCOMPARE(recorder.boxes.size(), std::size_t(1));
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("错误"));
    QCOMPARE(recorder.boxes[0].text, message);
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(edit(editName.toLatin1().constData())->text(), input);
    QCOMPARE(bits(), QStringLiteral("10000000"));
    if (editName != QLatin1String("BinEdit"))
        QCOMPARE(edit("BinEdit")->text(), QStringLiteral("10000000"));
    if (editName != QLatin1String("DecEdit"))
        QCOMPARE(edit("DecEdit")->text(), QStringLiteral("128"));
    if (editName != QLatin1String("HexEdit"))
        QCOMPARE(edit("HexEdit")->text(), QStringLiteral("80"));
}

void ByteConverterPageTest::nonIntegerTextReachesTheFailureBox_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("input");
    QTest::newRow("binary") << "BinEdit" << "1A";
    QTest::newRow("binary with trailing blank") << "BinEdit" << "101 ";
    QTest::newRow("decimal") << "DecEdit" << "1.5";
}

void ByteConverterPageTest::nonIntegerTextReachesTheFailureBox()
{
    QFETCH(QString, editName);
    QFETCH(QString, input);
    box(8)->click();
    MessageBoxRecorder recorder;
    enter(editName.toLatin1().constData(), input);
    QCOMPARE(recorder.boxes.size(), std::size_t(1));
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Zandrel"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("'%1' is not a valid integer value.").arg(input));
    QCOMPARE(bits(), QStringLiteral("00000001"));
    QCOMPARE(edit("HexEdit")->text(), QStringLiteral("01"));
    // The page still works afterwards.
    enter("DecEdit", QStringLiteral("2"));
    QCOMPARE(bits(), QStringLiteral("00000010"));
}

void ByteConverterPageTest::blankBoxesIgnoreTheirButton()
{
    box(2)->click();
    MessageBoxRecorder recorder;
    for (const char *name : {"BinEdit", "DecEdit", "HexEdit"}) {
        enter(name, QStringLiteral("  "));
        QCOMPARE(edit(name)->text(), QStringLiteral("  "));
    }
    QVERIFY(recorder.boxes.empty());
    QCOMPARE(bits(), QStringLiteral("01000000"));
}

void ByteConverterPageTest::keyFiltersDropForeignCharacters_data()
{
    QTest::addColumn<QString>("editName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("binary keeps 0 and 1") << "BinEdit" << "1021x0 1" << "10101";
    QTest::newRow("decimal keeps digits") << "DecEdit" << "1a-2" << "12";
    QTest::newRow("hex upper-cases") << "HexEdit" << "a" << "A";
    QTest::newRow("hex drops g") << "HexEdit" << "fgc" << "FC";
}

void ByteConverterPageTest::keyFiltersDropForeignCharacters()
{
    QFETCH(QString, editName);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    ButtonEdit *target = edit(editName.toLatin1().constData());
    target->clear();
    target->setFocus();
    QTest::keyClicks(target, typed);
    QCOMPARE(target->text(), shown);
    QTest::keyClick(target, Qt::Key_Backspace);
    QCOMPARE(target->text(), shown.chopped(1));
    // Enter and Escape are dropped too: the text and the byte stay as they are.
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Escape);
    QCOMPARE(target->text(), shown.chopped(1));
    QCOMPARE(bits(), QStringLiteral("00000000"));
}

void ByteConverterPageTest::lengthLimitsHold()
{
    QCOMPARE(edit("BinEdit")->maxLength(), 8);
    QCOMPARE(edit("DecEdit")->maxLength(), 3);
    QCOMPARE(edit("HexEdit")->maxLength(), 3);
    edit("DecEdit")->clear();
    QTest::keyClicks(edit("DecEdit"), QStringLiteral("12345"));
    QCOMPARE(edit("DecEdit")->text(), QStringLiteral("123"));
}

void ByteConverterPageTest::altDownClicksTheEmbeddedButton()
{
    ButtonEdit *decimal = edit("DecEdit");
    decimal->setText(QStringLiteral("255"));
    QSignalSpy clicks(decimal, &ButtonEdit::buttonClicked);
    QTest::keyClick(decimal, Qt::Key_Down, Qt::AltModifier);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(edit("BinEdit")->text(), QStringLiteral("11111111"));
    QCOMPARE(edit("HexEdit")->text(), QStringLiteral("FF"));
    QCOMPARE(bits(), QStringLiteral("11111111"));
}

void ByteConverterPageTest::mouseOnTheEmbeddedButtonFocusesAndClicksOnce()
{
    ButtonEdit *hex = edit("HexEdit");
    hex->setText(QStringLiteral("3C"));
    QSignalSpy clicks(hex, &ButtonEdit::buttonClicked);
    QWidget *button = hex->button();
    const QPoint centre = button->rect().center();
    QTest::mousePress(button, Qt::LeftButton, {}, centre);
    QVERIFY(hex->hasFocus());
    QTest::qWait(600); // held: a repeating button would have fired by now
    QCOMPARE(clicks.size(), 0);
    QTest::mouseRelease(button, Qt::LeftButton, {}, centre);
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(bits(), QStringLiteral("00111100"));
}

void ByteConverterPageTest::altCPressesTheConvertButton()
{
    auto *convert = form->findChild<QPushButton *>(QStringLiteral("BinCalcBtn"));
    QCOMPARE(convert->text(), QStringLiteral("转换(&C)"));
    edit("BinEdit")->setText(QStringLiteral("junk"));
    QVERIFY(zandrel::testing::showActive(*form));
    box(3)->setFocus();
    QTest::keyClick(box(3), Qt::Key_C, Qt::AltModifier);
    // A mnemonic shows the button pressed briefly before it clicks.
    QTRY_COMPARE(edit("BinEdit")->text(), QStringLiteral("00000000"));
}

void ByteConverterPageTest::embeddedButtonSitsInsideTheBoxAtItsRightEdge()
{
    for (const char *name : {"BinEdit", "DecEdit", "HexEdit"}) {
        ButtonEdit *target = edit(name);
        const QRect button = target->button()->geometry();
        QVERIFY(target->rect().contains(button));
        QVERIFY(target->width() - button.right() <= 4);
        QVERIFY(button.width() > 0 && button.height() > 0);
        QVERIFY(button.height() <= target->height());
        QCOMPARE(target->textMargins().right(), button.width());
        QVERIFY(!target->button()->autoRepeat());
    }
}

void ByteConverterPageTest::focusFollowsTheBoxesThenButtonThenEdits()
{
    QStringList expected;
    for (int n = 1; n <= 8; ++n)
        expected << QStringLiteral("CheckBox%1").arg(n);
    expected << "BinCalcBtn" << "BinEdit" << "DecEdit" << "HexEdit";
    QWidget *current = box(1);
    QStringList seen{current->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        current = current->nextInFocusChain();
        while (!(current->focusPolicy() & Qt::TabFocus))
            current = current->nextInFocusChain();
        seen << current->objectName();
    }
    QCOMPARE(seen, expected);
}

ZANDREL_TEST_MAIN(ByteConverterPageTest)
#include "ByteConverterPageTest.moc"
