// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
//
// The error paths of the Qt build the programs ship with that leave by longjmp: the raster's
// cell pool running over (any large antialiased shape) and the PNG and JPEG readers meeting a
// broken file. A C runtime whose longjmp cannot unwind these frames crashes here.
#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QTest>

class QtBuildTest : public QObject
{
    Q_OBJECT

private slots:
    void paintsShapesLargerThanTheRasterPool();
    void refusesBrokenImages_data();
    void refusesBrokenImages();
};

void QtBuildTest::paintsShapesLargerThanTheRasterPool()
{
    QImage image(900, 900, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawEllipse(QRectF(10.5, 10.5, 879, 879));
    }
    QCOMPARE(image.pixelColor(450, 450), QColor(Qt::black));
    QCOMPARE(image.pixelColor(20, 20), QColor(Qt::white));
    const QColor edge = image.pixelColor(450, 10); // partly covered: antialiased
    QVERIFY2(edge != QColor(Qt::black) && edge != QColor(Qt::white), qPrintable(edge.name()));
}

void QtBuildTest::refusesBrokenImages_data()
{
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("marker");  // the damage goes after the first one
    QTest::addColumn<int>("offset");         // from the marker's start
    QTest::addColumn<char>("byte");
    // The IHDR chunk's CRC no longer matches; the JPEG frame header claims 0-bit samples.
    QTest::newRow("PNG, bad header CRC") << QByteArray("png") << QByteArray("IHDR") << 17 << '\x5A';
    QTest::newRow("JPEG, bad sample precision") << QByteArray("jpeg") << QByteArray("\xFF\xC0", 2) << 4 << '\0';
}

void QtBuildTest::refusesBrokenImages()
{
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, marker);
    QFETCH(int, offset);
    QFETCH(char, byte);
    QVERIFY2(QImageReader::supportedImageFormats().contains(format), format.constData());
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QVERIFY(picture.save(&buffer, format.constData()));
    QVERIFY(QImage::fromData(data, format.constData()).size() == picture.size());
    const qsizetype at = data.indexOf(marker);
    QVERIFY(at >= 0);
    data[at + offset] = data[at + offset] == byte ? static_cast<char>(byte ^ 0x55) : byte;
    QVERIFY(QImage::fromData(data, format.constData()).isNull());
}

QTEST_MAIN(QtBuildTest)
#include "QtBuildTest.moc"
