// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "studio/PicturePage.h"
#include "studio/StudioSettings.h"

#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace zandrel::studio;

class StudioPicturePageTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { studioSettings()->remove(QStringLiteral("image")); }

    void takesPictureFromDropOrPaste_data();
    void takesPictureFromDropOrPaste();
    void startsWithoutARememberedPictureThatIsGone();
    void pastedPictureForgetsTheFileBeforeIt();
    void pictureChangedOnDiskIsReadAgain();
};

void StudioPicturePageTest::takesPictureFromDropOrPaste_data()
{
    QTest::addColumn<QString>("carries"); // file, image or text
    QTest::addColumn<bool>("taken");

    QTest::newRow("a dropped file") << "file" << true;
    QTest::newRow("a pasted picture") << "image" << true;
    QTest::newRow("text only") << "text" << false;
}

void StudioPicturePageTest::takesPictureFromDropOrPaste()
{
    QFETCH(QString, carries);
    QFETCH(bool, taken);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dot.png"));
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path));

    QMimeData data;
    if (carries == QLatin1String("file"))
        data.setUrls({QUrl::fromLocalFile(path)});
    else if (carries == QLatin1String("image"))
        data.setImageData(picture);
    else
        data.setText(QStringLiteral("温度"));
    PicturePage page;
    auto *field = page.findChild<QLineEdit *>(QStringLiteral("PictureFileEdit"));
    QVERIFY(field);
    QCOMPARE(page.takePicture(data), taken);

    if (carries == QLatin1String("file")) {
        QCOMPARE(page.pictureFile(), path);
        QVERIFY(page.pictureBytes().isEmpty());
        QCOMPARE(field->text(), path);
    } else if (carries == QLatin1String("image")) {
        // Kept as a PNG, to be read like a file, and not remembered as one.
        QVERIFY(page.pictureFile().isEmpty());
        QVERIFY(page.pictureBytes().startsWith("\x89PNG"));
        QCOMPARE(QImage::fromData(page.pictureBytes()).size(), QSize(4, 2));
        QVERIFY(!studioSettings()->contains(QStringLiteral("image/PictureFileEdit")));
    } else {
        QVERIFY(page.pictureFile().isEmpty());
        QVERIFY(page.pictureBytes().isEmpty());
        QVERIFY(field->text().isEmpty());
    }
}

void StudioPicturePageTest::startsWithoutARememberedPictureThatIsGone()
{
    const QString gone = QStringLiteral("/nonexistent/zandrel/logo.png");
    studioSettings()->setValue(QStringLiteral("image/PictureFileEdit"), gone);
    PicturePage page;
    page.show();
    QVERIFY(page.pictureFile().isEmpty());
    QVERIFY(page.findChild<QLineEdit *>(QStringLiteral("PictureFileEdit"))->text().isEmpty());
    auto *note = page.findChild<QLabel *>(QStringLiteral("PictureFileNote"));
    QVERIFY(note && note->isVisible());
    QVERIFY2(note->text().contains(QDir::toNativeSeparators(gone)), qPrintable(note->text()));
}

void StudioPicturePageTest::pastedPictureForgetsTheFileBeforeIt()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dot.png"));
    QImage picture(4, 2, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path));
    {
        PicturePage page;
        page.setPictureFile(path);
        QMimeData data;
        data.setImageData(picture);
        QVERIFY(page.takePicture(data));
    }
    // The next run has no picture to show, rather than the file the paste replaced.
    PicturePage page;
    QVERIFY(page.pictureFile().isEmpty());
    QVERIFY(page.findChild<QLineEdit *>(QStringLiteral("PictureFileEdit"))->text().isEmpty());
}

// The last decoded picture is kept between edits; a file written anew must not be served from it.
void StudioPicturePageTest::pictureChangedOnDiskIsReadAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("changing.png"));
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QVERIFY(picture.save(path));
    PicturePage page;
    page.setPictureFile(path);
    page.updateNow();
    const QByteArray black = page.result().bytes;
    QVERIFY(!black.isEmpty());

    picture.fill(Qt::white);
    QVERIFY(picture.save(path));
    page.updateNow();
    QVERIFY(!page.result().bytes.isEmpty());
    QVERIFY(page.result().bytes != black);
}

ZANDREL_TEST_MAIN(StudioPicturePageTest)
#include "StudioPicturePageTest.moc"
