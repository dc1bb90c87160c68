// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "ui/Main.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QUrl>

#include <stdexcept>

using zandrel::TMainForm;
using zandrel::testing::MessageBoxRecorder;

namespace {

// Throws from inside event dispatch, the way a failing handler would.
class ThrowingObject : public QObject
{
public:
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::User)
            throw std::runtime_error(message);
        return QObject::event(event);
    }
    std::string message;
};

} // namespace

// Receives the address the desktop shell is asked to open.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened.append(url); }
};

class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void startsWithCaptionFirstTabAndConverterAtZero();
    void showsTheFivePagesInOrder();
    void offersNoMaximiseButtonAndKeepsControlsInPlaceOnResize();
    void hasOneRightAlignedStatusPanel();
    void aboutPageAsksTheShellToOpenItsAddress();
    void aboutPageLinkWithoutBrowserChangesNothing();
    void showErrorIsAModalErrorBoxWithOneOkButton();
    void failureInsideAnEventIsReportedAndTheLoopGoesOn_data();
    void failureInsideAnEventIsReportedAndTheLoopGoesOn();
};

void MainFormTest::startsWithCaptionFirstTabAndConverterAtZero()
{
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.windowTitle(), QStringLiteral("Zandrel - 版本:0.93"));
    QCOMPARE(form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"))->currentIndex(), 0);
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("BinEdit"))->text(), QStringLiteral("00000000"));
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("DecEdit"))->text(), QStringLiteral("0"));
    QCOMPARE(form.findChild<QLineEdit *>(QStringLiteral("HexEdit"))->text(), QStringLiteral("00"));
    QCOMPARE(form.size(), QSize(604, 294));
    QCOMPARE(form.font().family(), QStringLiteral("宋体"));
    QCOMPARE(form.font().pixelSize(), 12);
}

void MainFormTest::showsTheFivePagesInOrder()
{
    TMainForm form;
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
    const QList<std::pair<QString, QString>> expected = {
        {QStringLiteral("TabSheet1"), QStringLiteral("二制显示")},
        {QStringLiteral("TabSheet2"), QStringLiteral("数码管字形码生成")},
        {QStringLiteral("TabSheet3"), QStringLiteral("汉字字模生成")},
        {QStringLiteral("TabSheet5"), QStringLiteral("指令速查")},
        {QStringLiteral("TabSheet4"), QStringLiteral("软件说明")},
    };
    QCOMPARE(pages->count(), expected.size());
    for (int i = 0; i < pages->count(); ++i) {
        QCOMPARE(pages->widget(i)->objectName(), expected[i].first);
        QCOMPARE(pages->tabText(i), expected[i].second);
        QVERIFY(pages->tabIcon(i).isNull());
    }
}

void MainFormTest::offersNoMaximiseButtonAndKeepsControlsInPlaceOnResize()
{
    TMainForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!(form.windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(form.windowFlags() & Qt::WindowMinimizeButtonHint);
    auto *edit = form.findChild<QLineEdit *>(QStringLiteral("HexEdit"));
    const QRect before = edit->geometry();
    form.resize(800, 500);
    QCoreApplication::processEvents();
    QCOMPARE(edit->geometry(), before);
    QCOMPARE(before, QRect(295, 108, 82, 20));
}

void MainFormTest::hasOneRightAlignedStatusPanel()
{
    TMainForm form;
    auto *bar = form.findChild<QStatusBar *>(QStringLiteral("StatusBar1"));
    QVERIFY(bar);
    QCOMPARE(bar->height(), 19);
    const auto panels = bar->findChildren<QLabel *>();
    QCOMPARE(panels.size(), 1);
    QVERIFY(panels.front()->alignment() & Qt::AlignRight);
    QVERIFY(!panels.front()->text().isEmpty());
}

void MainFormTest::aboutPageAsksTheShellToOpenItsAddress()
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
    TMainForm form;
    form.show();
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
    pages->setCurrentIndex(4);
    auto *link = form.findChild<QLabel *>(QStringLiteral("WebLabel"));
    QVERIFY(link->font().underline());
    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(form.findChild<QLabel *>(QStringLiteral("StaticText7"))->text(), QStringLiteral("Build:2007.03.28"));
    QVERIFY(!form.findChild<QLabel *>(QStringLiteral("Label1"))->isEnabled());
    QTest::mouseClick(link, Qt::LeftButton);
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QCOMPARE(catcher.opened.size(), 1);
    QCOMPARE(catcher.opened.front().host(), link->text());
}

void MainFormTest::aboutPageLinkWithoutBrowserChangesNothing()
{
    MessageBoxRecorder recorder;
    TMainForm form;
    form.show();
    auto *pages = form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"));
    pages->setCurrentIndex(4);
    QTest::mouseClick(form.findChild<QLabel *>(QStringLiteral("WebLabel")), Qt::LeftButton);
    QCOMPARE(pages->currentIndex(), 4);
    QCOMPARE(form.windowTitle(), QStringLiteral("Zandrel - 版本:0.93"));
    QVERIFY(recorder.boxes.empty());
}

void MainFormTest::showErrorIsAModalErrorBoxWithOneOkButton()
{
    MessageBoxRecorder recorder;
    zandrel::ShowError(QStringLiteral("数值只能是0~255"));
    QCOMPARE(recorder.boxes.size(), std::size_t(1));
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("错误"));
    QCOMPARE(recorder.boxes[0].text, QStringLiteral("数值只能是0~255"));
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(recorder.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
}

void MainFormTest::failureInsideAnEventIsReportedAndTheLoopGoesOn_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("gets a full stop") << "'x' is not a valid integer value" << "'x' is not a valid integer value.";
    QTest::newRow("keeps its full stop") << "done." << "done.";
    QTest::newRow("'!' sorts before '.'") << "stop!" << "stop!";
    QTest::newRow("')' sorts before '.'") << "(oops)" << "(oops)";
    QTest::newRow("'/' sorts after '.'") << "a/" << "a/.";
    QTest::newRow("Chinese") << "出错了" << "出错了.";
    QTest::newRow("empty") << "" << ".";
}

void MainFormTest::failureInsideAnEventIsReportedAndTheLoopGoesOn()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    MessageBoxRecorder recorder;
    ThrowingObject thrower;
    thrower.message = message.toStdString();
    QCoreApplication::postEvent(&thrower, new QEvent(QEvent::User));
    QCoreApplication::processEvents();
    QCOMPARE(recorder.boxes.size(), std::size_t(1));
    QCOMPARE(recorder.boxes[0].caption, QStringLiteral("Zandrel"));
    QCOMPARE(recorder.boxes[0].text, shown);
    QCOMPARE(recorder.boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(recorder.boxes[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    // The loop still delivers events afterwards.
    bool delivered = false;
    QMetaObject::invokeMethod(&thrower, [&] { delivered = true; }, Qt::QueuedConnection);
    QCoreApplication::processEvents();
    QVERIFY(delivered);
}

ZANDREL_TEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
