// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "ui/Main.h"
#include "ui/SegmentImage.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <memory>

using zandrel::SegmentImage;

class SegmentPageTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup() { form.reset(); }

    void editsStayEmptyUntilGenerateIsPressed();
    void codeOfLitSegments_data();
    void codeOfLitSegments();
    void switchingWiringRecomputesAtOnce();
    void secondClickRestoresSegmentAndCode();
    void laterImageTakesOverlappingClick_data();
    void laterImageTakesOverlappingClick();
    void unlitSegmentShowsOnlyItsEdge();
    void litSegmentIsRedInsideItsEdge();
    void assistiveToolsPressSegmentsAsCheckBoxes_data();
    void assistiveToolsPressSegmentsAsCheckBoxes();

private:
    template <typename T> T *control(const char *name) const
    {
        return form->findChild<T *>(QString::fromLatin1(name));
    }
    SegmentImage *segment(char letter) const
    {
        return control<SegmentImage>(letter == 'H' ? "Led_HImage"
                                                   : QByteArray("LED_") + letter + "Image");
    }
    void click(const char *letters) const
    {
        for (; *letters; ++letters)
            QTest::mouseClick(segment(*letters), Qt::LeftButton);
    }
    void chooseWiring(int index) const
    {
        QTest::mouseClick(control<QGroupBox>("LedComm")->findChildren<QRadioButton *>()[index],
                          Qt::LeftButton);
    }
    QString bin() const { return control<QLineEdit>("LedBinEdit")->text(); }
    QString hex() const { return control<QLineEdit>("LedHexEdit")->text(); }
    QColor pixel(QPoint inGroupBox) const
    {
        return control<QGroupBox>("LedGroupBox")->grab().toImage().pixelColor(inGroupBox);
    }

    std::unique_ptr<zandrel::TMainForm> form;
};

// Points in LedGroupBox pixels: inside segment A's outline, on its top edge, in its rectangle
// but outside the outline; the same for B; inside G and H; a spot that no image covers.
static const QPoint insideA(41, 27), edgeA(41, 21), besideA(51, 38), insideB(62, 50),
    besideB(72, 50), insideG(41, 75), insideH(78, 122), bareBox(95, 60);

void SegmentPageTest::init()
{
    form = std::make_unique<zandrel::TMainForm>();
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    control<QTabWidget>("MainPageControl")->setCurrentIndex(1);
}

void SegmentPageTest::editsStayEmptyUntilGenerateIsPressed()
{
    QVERIFY(bin().isEmpty());
    QVERIFY(hex().isEmpty());
    QVERIFY(zandrel::testing::showActive(*form));
    // The accelerator presses the button and lets it go a moment later.
    QTest::keyClick(form.get(), Qt::Key_G, Qt::AltModifier);
    QTRY_COMPARE(bin(), QStringLiteral("11111111"));
    QCOMPARE(hex(), QStringLiteral("FFH"));
}

void SegmentPageTest::codeOfLitSegments_data()
{
    QTest::addColumn<int>("wiring");
    QTest::addColumn<QByteArray>("lit");
    QTest::addColumn<QString>("expectedBin");
    QTest::addColumn<QString>("expectedHex");
    QTest::newRow("digit 0, cathode") << 1 << QByteArray("ABCDEF") << "00111111"
                                      << "3FH";
    QTest::newRow("digit 0, anode") << 0 << QByteArray("ABCDEF") << "11000000"
                                    << "C0H";
    QTest::newRow("digit 1, cathode") << 1 << QByteArray("BC") << "00000110"
                                      << "06H";
    QTest::newRow("digit 1, anode") << 0 << QByteArray("BC") << "11111001"
                                    << "F9H";
    QTest::newRow("point, cathode") << 1 << QByteArray("H") << "10000000"
                                    << "80H";
    QTest::newRow("G only, anode") << 0 << QByteArray("G") << "10111111"
                                   << "BFH";
    QTest::newRow("nothing, anode") << 0 << QByteArray() << "11111111"
                                    << "FFH";
    QTest::newRow("nothing, cathode") << 1 << QByteArray() << "00000000"
                                      << "00H";
}

void SegmentPageTest::codeOfLitSegments()
{
    QFETCH(int, wiring);
    QFETCH(QByteArray, lit);
    chooseWiring(wiring);
    click(lit.constData());
    if (lit.isEmpty())
        QTest::mouseClick(control<QPushButton>("GetLedNum"), Qt::LeftButton);
    QTEST(bin(), "expectedBin");
    QTEST(hex(), "expectedHex");
}

void SegmentPageTest::switchingWiringRecomputesAtOnce()
{
    chooseWiring(1);
    click("ABCDEF");
    QCOMPARE(hex(), QStringLiteral("3FH"));
    chooseWiring(0);
    QCOMPARE(bin(), QStringLiteral("11000000"));
    QCOMPARE(hex(), QStringLiteral("C0H"));
    chooseWiring(1);
    QCOMPARE(hex(), QStringLiteral("3FH"));
}

void SegmentPageTest::secondClickRestoresSegmentAndCode()
{
    chooseWiring(1);
    click("A");
    const QColor unlitB = pixel(insideB);
    click("B");
    QCOMPARE(hex(), QStringLiteral("03H"));
    QCOMPARE(segment('B')->Tag, 1);
    click("B");
    QCOMPARE(bin(), QStringLiteral("00000001"));
    QCOMPARE(hex(), QStringLiteral("01H"));
    QCOMPARE(segment('B')->Tag, 0);
    QCOMPARE(pixel(insideB), unlitB);
    // A quick double click is the same two clicks.
    QTest::mouseClick(segment('B'), Qt::LeftButton);
    QTest::mouseDClick(segment('B'), Qt::LeftButton);
    QTest::mouseRelease(segment('B'), Qt::LeftButton);
    QCOMPARE(hex(), QStringLiteral("01H"));
    QCOMPARE(segment('B')->Tag, 0);
}

void SegmentPageTest::laterImageTakesOverlappingClick_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QString>("expectedLit");
    QTest::newRow("A outside its outline") << besideA << "A";
    QTest::newRow("A under B") << QPoint(60, 35) << "B";
    QTest::newRow("A under F") << QPoint(25, 35) << "F";
    QTest::newRow("B and C under G") << QPoint(60, 80) << "G";
    QTest::newRow("E and F under G") << QPoint(25, 80) << "G";
    QTest::newRow("E under F") << QPoint(18, 80) << "F";
    QTest::newRow("C under D") << QPoint(60, 125) << "D";
    QTest::newRow("D under E") << QPoint(25, 125) << "E";
    QTest::newRow("C and D under H") << QPoint(73, 125) << "H";
}

void SegmentPageTest::laterImageTakesOverlappingClick()
{
    QFETCH(QPoint, where);
    // Through the window, so the toolkit decides which image is hit.
    const QPoint inWindow = control<QGroupBox>("LedGroupBox")->mapTo(form.get(), where);
    QTest::mouseClick(form->windowHandle(), Qt::LeftButton, {}, inWindow);
    QString lit;
    for (char letter : QByteArray("ABCDEFGH"))
        if (segment(letter)->Tag != 0)
            lit += QLatin1Char(letter);
    QTEST(lit, "expectedLit");
}

void SegmentPageTest::unlitSegmentShowsOnlyItsEdge()
{
    const QColor box = pixel(bareBox);
    QVERIFY(box != QColor(Qt::white));
    for (QPoint p : {insideA, besideA, insideB, besideB, insideG, insideH})
        QCOMPARE(pixel(p), box);
    QCOMPARE(pixel(edgeA), QColor(Qt::black));
    for (char letter : QByteArray("ABCDEFGH"))
        QCOMPARE(segment(letter)->Tag, 0);
}

void SegmentPageTest::litSegmentIsRedInsideItsEdge()
{
    const QColor box = pixel(bareBox);
    click("ABH");
    for (QPoint p : {insideA, insideB, insideH})
        QCOMPARE(pixel(p), QColor(Qt::red));
    QCOMPARE(pixel(edgeA), QColor(Qt::black));
    for (QPoint p : {besideA, besideB, insideG})
        QCOMPARE(pixel(p), box);
}

void SegmentPageTest::assistiveToolsPressSegmentsAsCheckBoxes_data()
{
    // Common anode: the pressed segment's bit goes to 0.
    QTest::addColumn<char>("letter");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("code");
    QTest::newRow("A") << 'A' << QStringLiteral("段A") << QStringLiteral("FEH");
    QTest::newRow("G") << 'G' << QStringLiteral("段G") << QStringLiteral("BFH");
    QTest::newRow("H") << 'H' << QStringLiteral("小数点") << QStringLiteral("7FH");
}

void SegmentPageTest::assistiveToolsPressSegmentsAsCheckBoxes()
{
    QFETCH(char, letter);
    QFETCH(QString, name);
    QFETCH(QString, code);
    QAccessibleInterface *button = QAccessible::queryAccessibleInterface(segment(letter));
    QVERIFY(button);
    QCOMPARE(button->role(), QAccessible::CheckBox);
    QCOMPARE(button->text(QAccessible::Name), name);
    QVERIFY(button->state().checkable);
    QVERIFY(!button->state().checked);
    QAccessibleActionInterface *actions = button->actionInterface();
    QVERIFY(actions);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(hex(), code);
    QCOMPARE(segment(letter)->Tag, 1);
    QVERIFY(button->state().checked);
    actions->doAction(QAccessibleActionInterface::toggleAction());
    QCOMPARE(hex(), QStringLiteral("FFH"));
    QVERIFY(!button->state().checked);
}

ZANDREL_TEST_MAIN(SegmentPageTest)
#include "SegmentPageTest.moc"
