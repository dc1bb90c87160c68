// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "studio/ComboListNames.h"
#include "studio/GeneratorPage.h"
#include "studio/StudioSettings.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace zandrel::studio;

namespace {

// A page of the frame that makes its code from a name, a count and a text, and refuses a name
// "bad" and any "✗" in the text, where it stands.
class FakePage : public GeneratorPage
{
public:
    FakePage() : GeneratorPage(QStringLiteral("fake"))
    {
        name = new QLineEdit(QStringLiteral("tab"));
        name->setObjectName(QStringLiteral("FakeNameEdit"));
        addOption(QStringLiteral("名称："), name, QStringLiteral("name"));
        count = new QSpinBox;
        count->setObjectName(QStringLiteral("FakeCountSpin"));
        addOption(QStringLiteral("个数："), count, QStringLiteral("count"));
        text = new QPlainTextEdit;
        text->setObjectName(QStringLiteral("FakeText"));
        addOption(QStringLiteral("文字："), text, QStringLiteral("text"));
        setTextField(text);
    }

    PageResult makeResult() override
    {
        ++made;
        if (name->text() == QLatin1String("bad"))
            return {
                {}, {}, {}, {}, PageRefusal{QStringLiteral("名称不可用"), QStringLiteral("name")}};
        if (name->text() == QLatin1String("elsewhere"))
            return {
                {}, {}, {}, {}, PageRefusal{QStringLiteral("别处的错误"), QStringLiteral("other")}};
        const QStringList lines = text->toPlainText().split(QLatin1Char('\n'));
        for (int line = 0; line < lines.size(); ++line) {
            const std::u32string characters = lines[line].toStdU32String();
            if (const auto at = characters.find(U'✗'); at != std::u32string::npos)
                return {{},
                        {},
                        {},
                        {},
                        PageRefusal{QStringLiteral("字符不可用"), QStringLiteral("text"), line + 1,
                                    int(at) + 1}};
        }
        const QString code = QStringLiteral("%1[%2] %3")
                                 .arg(name->text())
                                 .arg(count->value())
                                 .arg(text->toPlainText());
        return {code.toUtf8(),
                code,
                {QStringLiteral("注意")},
                QStringLiteral("fake ") + name->text(),
                {}};
    }

    QLineEdit *name;
    QSpinBox *count;
    QPlainTextEdit *text;
    int made = 0;
};

template <typename T> T *child(QWidget &page, const char *name)
{
    auto *found = page.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

} // namespace

class StudioFrameTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { studioSettings()->remove(QStringLiteral("fake")); }

    void burstOfEditsMakesOneResult();
    void refusalShowsUnderItsFieldAndDisablesTheButtons_data();
    void refusalShowsUnderItsFieldAndDisablesTheButtons();
    void saveWritesWholeOrSaysWhy_data();
    void saveWritesWholeOrSaysWhy();
    void remembersOptionsAndText();
    void pressLandingAfterARefusalDoesNothing_data();
    void pressLandingAfterARefusalDoesNothing();
    void pressRightAfterAnEditTakesTheEdit_data();
    void pressRightAfterAnEditTakesTheEdit();
    void comboListsAreNamedOnceAScreenReaderStarts();
};

void StudioFrameTest::burstOfEditsMakesOneResult()
{
    FakePage page;
    QVERIFY(zandrel::testing::showActive(page));
    QTRY_COMPARE(page.made, 1);
    page.name->setFocus();
    QTest::keyClicks(page.name, QStringLiteral("le2"));
    for (int value = 1; value <= 10; ++value)
        page.count->setValue(value);
    QCOMPARE(page.made, 1); // nothing made while the edits come
    QTRY_COMPARE(page.made, 2);
    QTest::qWait(20);
    QCOMPARE(page.made, 2);
    QCOMPARE(child<QPlainTextEdit>(page, "CodeView")->toPlainText(), QStringLiteral("table2[10] "));
    QCOMPARE(child<QLabel>(page, "StatusLine")->text(), QStringLiteral("注意"));
}

void StudioFrameTest::refusalShowsUnderItsFieldAndDisablesTheButtons_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("errorLine");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("marked");

    QTest::newRow("option under its field") << "bad"
                                            << "好"
                                            << "FakeNameEditRefusal"
                                            << "名称不可用"
                                            << "";
    QTest::newRow("character marked in the text") << "tab"
                                                  << "温度\n好✗啊"
                                                  << "FakeTextRefusal"
                                                  << "字符不可用"
                                                  << "✗";
    QTest::newRow("character beyond the BMP counted once") << "tab"
                                                           << "𠀀✗"
                                                           << "FakeTextRefusal"
                                                           << "字符不可用"
                                                           << "✗";
    QTest::newRow("unknown field above the code") << "elsewhere"
                                                  << ""
                                                  << "RefusalLine"
                                                  << "别处的错误"
                                                  << "";
}

void StudioFrameTest::refusalShowsUnderItsFieldAndDisablesTheButtons()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QString, errorLine);
    QFETCH(QString, message);
    QFETCH(QString, marked);
    zandrel::testing::MessageBoxRecorder boxes;
    FakePage page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    auto *code = child<QPlainTextEdit>(page, "CodeView");
    const QList<QPushButton *> buttons = {child<QPushButton>(page, "CopyCodeButton"),
                                          child<QPushButton>(page, "SaveButton"),
                                          child<QPushButton>(page, "CopyCommandButton")};
    QTRY_VERIFY(!code->toPlainText().isEmpty());
    for (QPushButton *button : buttons)
        QVERIFY(button->isEnabled());

    page.text->setPlainText(text);
    page.name->setText(name);
    page.updateNow();
    auto *error = page.findChild<QLabel *>(errorLine);
    QVERIFY(error);
    QVERIFY(error->isVisible());
    QCOMPARE(error->text(), message);
    QVERIFY(code->toPlainText().isEmpty());
    for (QPushButton *button : buttons)
        QVERIFY(!button->isEnabled());
    const QList<QTextEdit::ExtraSelection> marks = page.text->extraSelections();
    QCOMPARE(marks.isEmpty() ? QString() : marks.front().cursor.selectedText(), marked);
    QVERIFY(boxes.boxes.empty());

    // Mended, the refusal goes and the code comes back.
    page.name->setText(QStringLiteral("ok"));
    page.text->setPlainText(QStringLiteral("好"));
    page.updateNow();
    QVERIFY(!error->isVisible());
    QVERIFY(page.text->extraSelections().isEmpty());
    QCOMPARE(code->toPlainText(), QStringLiteral("ok[0] 好"));
    for (QPushButton *button : buttons)
        QVERIFY(button->isEnabled());
}

void StudioFrameTest::saveWritesWholeOrSaysWhy_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason"); // empty: written

    QTest::newRow("written") << "out.c"
                             << "";
    QTest::newRow("missing folder") << "missing/out.c"
                                    << "文件夹不存在";
    QTest::newRow("a folder of that name") << "folder"
                                           << "同名的文件夹已存在";
}

void StudioFrameTest::saveWritesWholeOrSaysWhy()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    const QString path = dir.filePath(relativePath);
    zandrel::testing::MessageBoxRecorder boxes;
    FakePage page;
    page.text->setPlainText(QStringLiteral("温度"));
    page.updateNow();

    QCOMPARE(page.saveTo(path), reason.isEmpty());
    if (reason.isEmpty()) {
        QVERIFY(boxes.boxes.empty());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QStringLiteral("tab[0] 温度").toUtf8());
    } else {
        QCOMPARE(boxes.boxes.size(), std::size_t(1));
        QVERIFY2(boxes.boxes.front().text.contains(reason), qPrintable(boxes.boxes.front().text));
        QCOMPARE(boxes.boxes.front().icon, QMessageBox::Critical);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList());
    }
}

void StudioFrameTest::remembersOptionsAndText()
{
    {
        FakePage page;
        page.name->setText(QStringLiteral("menu"));
        page.count->setValue(7);
        page.text->setPlainText(QStringLiteral("设置\n返回"));
    }
    FakePage page;
    QCOMPARE(page.name->text(), QStringLiteral("menu"));
    QCOMPARE(page.count->value(), 7);
    QCOMPARE(page.text->toPlainText(), QStringLiteral("设置\n返回"));
}

void StudioFrameTest::pressLandingAfterARefusalDoesNothing_data()
{
    QTest::addColumn<QString>("button");

    QTest::newRow("复制代码 keeps the clipboard") << "CopyCodeButton";
    QTest::newRow("保存 opens no dialog") << "SaveButton";
}

void StudioFrameTest::pressLandingAfterARefusalDoesNothing()
{
    QFETCH(QString, button);
    FakePage page;
    QVERIFY(zandrel::testing::showActive(page));
    auto *pressed = page.findChild<QPushButton *>(button);
    QTRY_VERIFY(pressed->isEnabled());
    QGuiApplication::clipboard()->setText(QStringLiteral("用户的剪贴板"));
    int dialogs = 0;
    QTimer guard;
    guard.setInterval(0);
    connect(&guard, &QTimer::timeout, [&dialogs] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            ++dialogs;
            dialog->reject();
        }
    });
    guard.start();

    // As an accelerator or the space bar press it: the click comes a moment later, after the
    // edit that refuses.
    pressed->animateClick();
    page.name->setText(QStringLiteral("bad"));
    page.updateNow();
    QVERIFY(!pressed->isEnabled());
    QTest::qWait(300);
    QCOMPARE(dialogs, 0);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("用户的剪贴板"));
}

void StudioFrameTest::pressRightAfterAnEditTakesTheEdit_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("copied");

    QTest::newRow("复制代码") << "CopyCodeButton"
                              << "menu[0] ";
    QTest::newRow("复制命令行") << "CopyCommandButton"
                                << "fake menu";
}

void StudioFrameTest::pressRightAfterAnEditTakesTheEdit()
{
    QFETCH(QString, button);
    QFETCH(QString, copied);
    FakePage page;
    QVERIFY(zandrel::testing::showActive(page));
    auto *pressed = page.findChild<QPushButton *>(button);
    QTRY_VERIFY(pressed->isEnabled());
    // Pressed before the event loop turns, so before the edit's result is made.
    page.name->setText(QStringLiteral("menu"));
    QTest::mouseClick(pressed, Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

void StudioFrameTest::comboListsAreNamedOnceAScreenReaderStarts()
{
    QWidget page;
    auto *box = new QComboBox(&page);
    box->setEditable(true);
    box->setAccessibleName(QStringLiteral("晶振"));
    QVERIFY(!QAccessible::isActive());
    nameComboListsForScreenReaders(&page);
    QVERIFY(box->lineEdit()->accessibleName().isEmpty());
    QAccessible::setActive(true);
    QCOMPARE(box->view()->accessibleName(), QStringLiteral("晶振"));
    QCOMPARE(box->lineEdit()->accessibleName(), QStringLiteral("晶振"));
    QAccessible::setActive(false);
}

ZANDREL_TEST_MAIN(StudioFrameTest)
#include "StudioFrameTest.moc"
