// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "ui/Main.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGroupBox>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextCursor>

using zandrel::TMainForm;
using zandrel::testing::MessageBoxRecorder;

namespace {

QString items(const char *const (&bytes)[32], const char *prefix, const char *suffix)
{
    QStringList list;
    for (const char *b : bytes)
        list << QLatin1String(prefix) + QLatin1String(b) + QLatin1String(suffix);
    return list.join(QLatin1Char(','));
}

// 测 and its complement, as hex digits.
const char *const CePlain[32] = {"00", "00", "40", "44", "27", "E4", "24", "54", "85", "54", "65",
                                 "54", "25", "54", "0D", "54", "15", "54", "25", "54", "E5", "54",
                                 "21", "04", "22", "84", "24", "44", "28", "54", "20", "08"};
const char *const CeInverted[32] = {
    "FF", "FF", "BF", "BB", "D8", "1B", "DB", "AB", "7A", "AB", "9A", "AB", "DA", "AB", "F2", "AB",
    "EA", "AB", "DA", "AB", "1A", "AB", "DE", "FB", "DD", "7B", "DB", "BB", "D7", "AB", "DF", "F7"};

// The generated text as the clipboard gets it: the C51 form's two lines end in CR LF.
QString c51(const char *const (&bytes)[32], const QString &label)
{
    return QStringLiteral("{") + items(bytes, "0x", "") + QStringLiteral("\r\n},//") + label;
}

QString asm51(const char *const (&bytes)[32], const QString &label)
{
    return QStringLiteral("DB ") + items(bytes, "0", "H") + QStringLiteral(";") + label;
}

// The memo keeps lines as paragraphs.
QString asShown(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

const QColor Red(255, 0, 0);
const QColor Black(0, 0, 0);
const QColor White(255, 255, 255);

} // namespace

class GlyphPageTest : public QObject
{
    Q_OBJECT

private:
    // Shows a fresh window and looks up the page's controls.
    struct Page
    {
        TMainForm window;
        QLineEdit *input = nullptr;
        QPushButton *generate = nullptr;
        QPlainTextEdit *memo = nullptr;
        QGroupBox *mode = nullptr;
        QCheckBox *invert = nullptr;
        QPushButton *copy = nullptr;
        QLabel *large = nullptr;
        QLabel *small = nullptr;

        QRadioButton *modeItem(int index) const
        {
            return mode->findChildren<QRadioButton *>().value(index);
        }
    };

    static void open(Page &p)
    {
        p.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&p.window));
        p.input = p.window.findChild<QLineEdit *>(QStringLiteral("HzInputEdit"));
        p.generate = p.window.findChild<QPushButton *>(QStringLiteral("GetHzBtn"));
        p.memo = p.window.findChild<QPlainTextEdit *>(QStringLiteral("HzMarkMemo"));
        p.mode = p.window.findChild<QGroupBox *>(QStringLiteral("LanguageMode"));
        p.invert = p.window.findChild<QCheckBox *>(QStringLiteral("HzMarkCheckBox"));
        p.copy = p.window.findChild<QPushButton *>(QStringLiteral("CopyHzMarkBtn"));
        p.large = p.window.findChild<QLabel *>(QStringLiteral("HzMarkImage"));
        p.small = p.window.findChild<QLabel *>(QStringLiteral("HZSmallMarkImage"));
        QVERIFY(p.input && p.generate && p.memo && p.mode && p.invert && p.copy && p.large &&
                p.small);
        QCOMPARE(p.mode->findChildren<QRadioButton *>().size(), 2);
        p.window.findChild<QTabWidget *>(QStringLiteral("MainPageControl"))->setCurrentIndex(2);
    }

    static void enterInput(Page &p, const QString &text)
    {
        p.input->selectAll();
        p.input->del();
        // keyClicks knows Latin-1 only: send each character as the text of a key.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, p.input, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

private slots:
    void startsWithTheInvertedC51CodeOfCe()
    {
        Page p;
        open(p);
        QCOMPARE(p.input->text(), QStringLiteral("测"));
        QVERIFY(p.invert->isChecked());
        QVERIFY(p.modeItem(0)->isChecked());
        QCOMPARE(p.modeItem(0)->text(), QStringLiteral("C51"));
        QCOMPARE(p.modeItem(1)->text(), QStringLiteral("51-ASM"));
        QCOMPARE(p.mode->title(), QStringLiteral("生成方式"));
        QCOMPARE(p.memo->toPlainText(), asShown(c51(CeInverted, QStringLiteral("测"))));
        QVERIFY(p.memo->toPlainText().startsWith(QStringLiteral("{0xFF,0xFF,0xBF,0xBB,")));
    }

    void regeneratesForModeAndInvert_data()
    {
        QTest::addColumn<bool>("invert");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("C51, not inverted") << false << 0 << c51(CePlain, QStringLiteral("测"));
        QTest::newRow("51-ASM, inverted") << true << 1 << asm51(CeInverted, QStringLiteral("测"));
        QTest::newRow("51-ASM, not inverted") << false << 1 << asm51(CePlain, QStringLiteral("测"));
        QTest::newRow("C51, inverted") << true << 0 << c51(CeInverted, QStringLiteral("测"));
    }

    void regeneratesForModeAndInvert()
    {
        QFETCH(bool, invert);
        QFETCH(int, mode);
        QFETCH(QString, expected);
        Page p;
        open(p);
        MessageBoxRecorder recorder;
        // Generation follows each click at once; the mode click comes first so that both
        // handlers are seen to work on their own.
        QTest::mouseClick(p.modeItem(mode), Qt::LeftButton);
        if (mode == 1)
            QVERIFY(p.memo->toPlainText().startsWith(QStringLiteral("DB 0FFH,0FFH,0BFH,")));
        if (p.invert->isChecked() != invert)
            QTest::mouseClick(p.invert, Qt::LeftButton);
        QCOMPARE(p.memo->toPlainText(), asShown(expected));
        QCOMPARE(p.modeItem(mode)->isChecked(), true);
        QVERIFY(recorder.boxes.empty());
    }

    void paintsCellsRedWhereTheEmittedBitIsZero_data()
    {
        QTest::addColumn<bool>("invert");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("background");
        QTest::newRow("inverted: red ink on black") << true << Red << Black;
        QTest::newRow("not inverted: black ink on red") << false << Black << Red;
    }

    void paintsCellsRedWhereTheEmittedBitIsZero()
    {
        QFETCH(bool, invert);
        QFETCH(QColor, ink);
        QFETCH(QColor, background);
        Page p;
        open(p);
        p.invert->setChecked(invert);
        QCOMPARE(p.large->size(), QSize(169, 169));
        QCOMPARE(p.small->size(), QSize(41, 41));

        // 测: row 0 is blank; row 1 is 0x40 0x44, ink in columns 1, 9 and 13; row 15 is
        // 0x20 0x08, ink in columns 2 and 12.
        const QImage large = p.large->grab().toImage();
        QCOMPARE(large.pixelColor(5, 5), background);     // cell (0, 0)
        QCOMPARE(large.pixelColor(11, 11), ink);          // cell (1, 1), top-left inside
        QCOMPARE(large.pixelColor(19, 19), ink);          // cell (1, 1), bottom-right inside
        QCOMPARE(large.pixelColor(95, 15), ink);          // cell (9, 1)
        QCOMPARE(large.pixelColor(135, 15), ink);         // cell (13, 1)
        QCOMPARE(large.pixelColor(125, 155), ink);        // cell (12, 15)
        QCOMPARE(large.pixelColor(155, 155), background); // cell (15, 15)
        QCOMPARE(large.pixelColor(10, 15), Black);        // border between cells
        QCOMPARE(large.pixelColor(15, 10), Black);
        QCOMPARE(large.pixelColor(0, 0), Black);
        QCOMPARE(large.pixelColor(160, 160), Black);
        QCOMPARE(large.pixelColor(161, 80), White); // outside the grid
        QCOMPARE(large.pixelColor(168, 168), White);

        const QImage small = p.small->grab().toImage();
        QCOMPARE(small.pixelColor(1, 1), background);
        QCOMPARE(small.pixelColor(3, 3), ink);
        QCOMPARE(small.pixelColor(19, 3), ink);
        QCOMPARE(small.pixelColor(25, 31), ink);
        QCOMPARE(small.pixelColor(31, 31), background);
        QCOMPARE(small.pixelColor(2, 3), Black);
        QCOMPARE(small.pixelColor(32, 32), Black);
        QCOMPARE(small.pixelColor(33, 20), White);
        QCOMPARE(small.pixelColor(40, 40), White);
    }

    void copiesTheMemoTextAndLeavesItSelected_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("C51, two lines") << 0 << c51(CeInverted, QStringLiteral("测"));
        QTest::newRow("51-ASM, one line") << 1 << asm51(CeInverted, QStringLiteral("测"));
    }

    void copiesTheMemoTextAndLeavesItSelected()
    {
        QFETCH(int, mode);
        QFETCH(QString, expected);
        Page p;
        open(p);
        QTest::mouseClick(p.modeItem(mode), Qt::LeftButton);
        QGuiApplication::clipboard()->setText(QStringLiteral("something else"));
        QTest::mouseClick(p.copy, Qt::LeftButton);
        QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        const QTextCursor cursor = p.memo->textCursor();
        QCOMPARE(cursor.selectionStart(), 0);
        QCOMPARE(cursor.selectionEnd(), p.memo->document()->characterCount() - 1);
    }

    void generatesOnEnterOnly()
    {
        Page p;
        open(p);
        MessageBoxRecorder recorder;
        const QString before = p.memo->toPlainText();
        enterInput(p, QStringLiteral("啊"));
        QCOMPARE(p.input->text(), QStringLiteral("啊"));
        QCOMPARE(p.memo->toPlainText(), before);

        QTest::keyClick(p.input, Qt::Key_Return);
        QVERIFY(
            p.memo->toPlainText().startsWith(QStringLiteral("{0xFF,0xFB,0xD0,0x81,0x06,0xFB,")));
        QVERIFY(p.memo->toPlainText().endsWith(QStringLiteral("0xF7,0xEB,0xF7,0xF3\n},//啊")));
        // 啊 has ink in column 13 of row 0 (0x04 in the right byte): red when inverted.
        QCOMPARE(p.large->grab().toImage().pixelColor(135, 5), Red);
        QVERIFY(recorder.boxes.empty());
    }

    void generatesTheFullWidthSpaceAsABlankGlyph()
    {
        Page p;
        open(p);
        p.input->setText(QStringLiteral("\u3000"));
        QTest::mouseClick(p.generate, Qt::LeftButton);
        QCOMPARE(p.memo->toPlainText(),
                 asShown(QStringLiteral("{") + QStringList(32, QStringLiteral("0xFF")).join(',') +
                         QStringLiteral("\r\n},//\u3000")));
        QCOMPARE(p.large->grab().toImage().pixelColor(135, 5), Black);
    }

    void refusesInputThatIsNoGb2312Character_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << QString();
        QTest::newRow("blank") << QStringLiteral(" ");
        QTest::newRow("letter") << QStringLiteral("a");
        QTest::newRow("two letters") << QStringLiteral("ab");
        QTest::newRow("digit and blank") << QStringLiteral("1 ");
        QTest::newRow("too long") << QStringLiteral("测试");
        QTest::newRow("character and letter") << QStringLiteral("测a");
        QTest::newRow("outside GB2312 (GBK only)") << QStringLiteral("丂");
        QTest::newRow("outside GB2312 (euro)") << QStringLiteral("€");
        QTest::newRow("outside the BMP") << QStringLiteral("😀");
        QTest::newRow("private use") << QStringLiteral("\uE000");
        QTest::newRow("no-break space") << QStringLiteral("\u00A0");
    }

    void refusesInputThatIsNoGb2312Character()
    {
        QFETCH(QString, input);
        Page p;
        open(p);
        const QString memo = p.memo->toPlainText();
        const QImage large = p.large->grab().toImage();
        const QImage small = p.small->grab().toImage();
        MessageBoxRecorder recorder;
        p.input->setText(input);
        QTest::mouseClick(p.generate, Qt::LeftButton);
        QCOMPARE(recorder.boxes.size(), std::size_t{1});
        QCOMPARE(recorder.boxes[0].caption, QStringLiteral("错误"));
        QCOMPARE(recorder.boxes[0].text, QStringLiteral("请输入一个GB2312字符"));
        QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
        QCOMPARE(p.memo->toPlainText(), memo);
        QCOMPARE(p.large->grab().toImage(), large);
        QCOMPARE(p.small->grab().toImage(), small);
    }

    void ignoresEnterInvertAndModeOnBlankInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::newRow("empty") << QString();
        QTest::newRow("blanks") << QStringLiteral("  ");
    }

    void ignoresEnterInvertAndModeOnBlankInput()
    {
        QFETCH(QString, input);
        Page p;
        open(p);
        const QString memo = p.memo->toPlainText();
        const QImage large = p.large->grab().toImage();
        MessageBoxRecorder recorder;
        p.input->setText(input);
        QTest::keyClick(p.input, Qt::Key_Return);
        QTest::mouseClick(p.invert, Qt::LeftButton);
        QTest::mouseClick(p.modeItem(1), Qt::LeftButton);
        QVERIFY(!p.invert->isChecked());
        QVERIFY(p.modeItem(1)->isChecked());
        QVERIFY(recorder.boxes.empty());
        QCOMPARE(p.memo->toPlainText(), memo);
        QCOMPARE(p.large->grab().toImage(), large);
    }

    void refusesTypingBeyondTwoGb2312Bytes_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("two characters") << QStringLiteral("测试") << QStringLiteral("测");
        QTest::newRow("three letters") << QStringLiteral("abc") << QStringLiteral("ab");
        QTest::newRow("letter, then character") << QStringLiteral("a测b") << QStringLiteral("ab");
        QTest::newRow("character, then letter") << QStringLiteral("啊a") << QStringLiteral("啊");
        QTest::newRow("outside GB2312 counts as two")
            << QStringLiteral("丂a") << QStringLiteral("丂");
    }

    void refusesTypingBeyondTwoGb2312Bytes()
    {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        Page p;
        open(p);
        enterInput(p, typed);
        QCOMPARE(p.input->text(), kept);
    }

    void refusesAPasteBeyondTwoGb2312Bytes()
    {
        Page p;
        open(p);
        p.input->clear();
        QGuiApplication::clipboard()->setText(QStringLiteral("测试"));
        p.input->paste();
        QCOMPARE(p.input->text(), QString());
        QGuiApplication::clipboard()->setText(QStringLiteral("试"));
        p.input->paste();
        QCOMPARE(p.input->text(), QStringLiteral("试"));
    }

    void focusesTheInputWhenThePageIsShown()
    {
        TMainForm w;
        QVERIFY(zandrel::testing::showActive(w));
        auto *tabs = w.findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
        auto *input = w.findChild<QLineEdit *>(QStringLiteral("HzInputEdit"));
        QVERIFY(!input->hasFocus());
        tabs->setCurrentIndex(2);
        QTRY_VERIFY(input->hasFocus());
    }

    void tabsThroughTheControlsInOrder()
    {
        Page p;
        QVERIFY(zandrel::testing::showActive(p.window));
        open(p);
        QStringList visited;
        p.generate->setFocus();
        for (int i = 0; i < 6; ++i) {
            QWidget *focused = QApplication::focusWidget();
            visited << (qobject_cast<QRadioButton *>(focused) ? focused->parent()->objectName()
                                                              : focused->objectName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, QStringList({"GetHzBtn", "HzInputEdit", "HzMarkMemo", "LanguageMode",
                                       "HzMarkCheckBox", "CopyHzMarkBtn"}));
    }
};

ZANDREL_TEST_MAIN(GlyphPageTest)
#include "GlyphPageTest.moc"
