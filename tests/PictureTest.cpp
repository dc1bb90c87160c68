// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures whose header claims far more pixels than the bytes behind them: every format the
// reader accepts refuses them before any decoder allocates for the claim.
#include "core/Error.h"
#include "readers/Picture.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QTest>
#include <QtEndian>

namespace {

QByteArray written(const char *format)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::white);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    return writer.write(image) ? bytes : QByteArray();
}

quint32 crc32(const QByteArray &bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
    }
    return ~crc;
}

void put16be(QByteArray &bytes, qsizetype at, quint16 value)
{
    qToBigEndian(value, bytes.data() + at);
}

// A PNG of 30000 × 30000 pixels with one short IDAT: the IHDR of a real PNG, resized, with
// its checksum made again.
QByteArray hugePng()
{
    QByteArray png = written("png");
    qToBigEndian<quint32>(30000, png.data() + 16);
    qToBigEndian<quint32>(30000, png.data() + 20);
    qToBigEndian(crc32(png.mid(12, 17)), png.data() + 29);
    return png;
}

// A baseline JPEG's SOF0 says 60000 × 60000; its entropy-coded data is for 8 × 8.
QByteArray hugeJpeg()
{
    QByteArray jpeg = written("jpeg");
    const qsizetype sof = jpeg.indexOf(QByteArray("\xFF\xC0", 2));
    if (sof < 0)
        return {};
    put16be(jpeg, sof + 5, 60000);
    put16be(jpeg, sof + 7, 60000);
    return jpeg;
}

QByteArray hugeBmp()
{
    QByteArray bmp = written("bmp");
    qToLittleEndian<qint32>(16000, bmp.data() + 18);
    qToLittleEndian<qint32>(16000, bmp.data() + 22);
    return bmp;
}

QByteArray hugeGif()
{
    QByteArray gif("GIF89a\xFF\xFF\xFF\xFF\x80\x00\x00\x00\x00\x00\xFF\xFF\xFF"
                   ",\x00\x00\x00\x00\xFF\xFF\xFF\xFF\x00\x02\x02\x44\x01\x00;",
                   36);
    return gif;
}

} // namespace

class PictureTest : public QObject
{
    Q_OBJECT

private slots:
    void hugeClaimIsRefusedUnread_data();
    void hugeClaimIsRefusedUnread();
};

void PictureTest::hugeClaimIsRefusedUnread_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const QString claim = QStringLiteral("图片有30000×30000像素，超过了能读取的16777216像素");
    QTest::newRow("PNG") << hugePng() << claim;
    QTest::newRow("BMP") << hugeBmp() << QStringLiteral("图片有16000×16000像素");
    QTest::newRow("GIF") << hugeGif() << QStringLiteral("图片有65535×65535像素");
    QTest::newRow("JPEG") << hugeJpeg() << QStringLiteral("图片有60000×60000像素");
    QTest::newRow("PBM") << QByteArray("P4\n30000 30000\n\0\0\0\0", 19) << claim;
    QTest::newRow("PBM as text") << QByteArray("P1\n30000 30000\n0 1 0\n") << claim;
    QTest::newRow("PGM") << QByteArray("P5\n30000 30000\n255\n\0\0\0\0", 23) << claim;
    QTest::newRow("PPM") << QByteArray("P6\n30000 30000\n255\n\0\0\0\0", 23) << claim;
    // Qt tells an XBM by reading it, so the claim stops its detection under the allocation cap.
    QTest::newRow("XBM") << QByteArray("#define x_width 30000\n#define x_height 30000\n"
                                       "static char x_bits[] = {0x00,0x01};\n")
                         << QStringLiteral("不是能读取的图片");
}

void PictureTest::hugeClaimIsRefusedUnread()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QVERIFY(!bytes.isEmpty());
    try {
        zandrel::decodePicture(std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                                         static_cast<std::size_t>(bytes.size())),
                               {});
        QFAIL("decoded");
    } catch (const zandrel::Error &error) {
        QVERIFY2(QString::fromUtf8(error.what()).contains(message), error.what());
    }
}

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
