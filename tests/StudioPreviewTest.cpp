// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "studio/GlyphStrip.h"
#include "studio/GlyphTablePage.h"
#include "studio/PictureCompare.h"
#include "studio/ScanOrderView.h"
#include "studio/SegmentDigits.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <set>

using namespace zandrel;
using namespace zandrel::studio;

namespace {

// A 3 × 2 glyph: the top row's left and right pixels lit, the bottom row's middle one.
Bitmap smallGlyph()
{
    Bitmap glyph(3, 2);
    glyph.setPixel(0, 0, true);
    glyph.setPixel(2, 0, true);
    glyph.setPixel(1, 1, true);
    return glyph;
}

QImage shown(QWidget &widget)
{
    widget.show();
    if (!QTest::qWaitForWindowExposed(&widget))
        qFatal("not exposed");
    return widget.grab().toImage();
}

// Every colour in a rectangle of device pixels.
std::set<QRgb> coloursIn(const QImage &image, QRect area)
{
    std::set<QRgb> colours;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.insert(image.pixel(x, y) & 0xFFFFFF);
    return colours;
}

} // namespace

class StudioPreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void glyphStripDrawsSharpCells();
    void glyphStripFollowsPointerAndKeys();
    void pictureResultIsSquaresOfWholePixels();
    void digitLightsTheCodesSegments_data();
    void digitLightsTheCodesSegments();
    void scanOrderShowsBytesAndFirstBit_data();
    void scanOrderShowsBytesAndFirstBit();
    void glyphPageNamesTheCurrentGlyph();
};

void StudioPreviewTest::glyphStripDrawsSharpCells()
{
    GlyphStrip strip;
    strip.setZoom(5);
    strip.setGlyphs({smallGlyph()});
    strip.resize(200, 80);
    const QImage image = shown(strip);
    const int cell = strip.cellSize();
    QCOMPARE(cell, qRound(5 * strip.devicePixelRatioF()));
    const QPoint origin = strip.glyphOrigin(0);
    const auto centre = [&](int x, int y) {
        return image.pixelColor(origin.x() + x * cell + cell / 2, origin.y() + y * cell + cell / 2);
    };
    QCOMPARE(centre(0, 0), QColor(Qt::black));
    QCOMPARE(centre(1, 0), QColor(Qt::white));
    QCOMPARE(centre(2, 0), QColor(Qt::black));
    QCOMPARE(centre(1, 1), QColor(Qt::black));
    QCOMPARE(centre(0, 1), QColor(Qt::white));
    // Sharp at any scaling: inside the glyph only ink, paper and grid, no blended edge.
    const std::set<QRgb> colours =
        coloursIn(image, QRect(origin, QSize(3 * cell + 1, 2 * cell + 1)));
    QCOMPARE(colours, (std::set<QRgb>{0x000000, 0xFFFFFF, 0xBEBEBE}));
}

void StudioPreviewTest::glyphStripFollowsPointerAndKeys()
{
    GlyphStrip strip;
    strip.setZoom(4);
    strip.setGlyphs({smallGlyph(), smallGlyph(), smallGlyph()}, 8178);
    strip.resize(300, 60);
    QVERIFY(testing::showActive(strip));
    QSignalSpy changed(&strip, &GlyphStrip::currentChanged);
    QCOMPARE(strip.currentIndex(), 0);
    const qreal ratio = strip.devicePixelRatioF();
    const QPoint second = (strip.glyphOrigin(1) + QPoint(2, 2)) / ratio;
    QTest::mouseMove(&strip, second);
    QTRY_COMPARE(strip.currentIndex(), 1);
    strip.setFocus();
    QTest::keyClick(&strip, Qt::Key_Right);
    QCOMPARE(strip.currentIndex(), 2);
    QTest::keyClick(&strip, Qt::Key_Right); // stays on the last
    QCOMPARE(strip.currentIndex(), 2);
    QTest::keyClick(&strip, Qt::Key_Home);
    QCOMPARE(strip.currentIndex(), 0);
    QCOMPARE(changed.size(), 3);
    QCOMPARE(changed.last().first().toInt(), 0);
}

void StudioPreviewTest::pictureResultIsSquaresOfWholePixels()
{
    PictureCompare compare;
    Bitmap checker(4, 2);
    checker.setPixel(0, 0, true);
    checker.setPixel(2, 0, true);
    checker.setPixel(1, 1, true);
    checker.setPixel(3, 1, true);
    QImage source(40, 20, QImage::Format_RGB32);
    source.fill(Qt::gray);
    compare.setSource(source);
    compare.setResult(checker);
    compare.resize(200, 100);
    const QImage image = shown(compare);
    const QRect result = compare.resultRect();
    const int cell = compare.cellSize();
    QVERIFY(cell >= 2);
    QCOMPARE(result.size(), QSize(4 * cell, 2 * cell));
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const QRect square(result.x() + x * cell, result.y() + y * cell, cell, cell);
            const QRgb expected = checker.pixel(x, y) ? 0x000000 : 0xFFFFFF;
            QCOMPARE(coloursIn(image, square), std::set<QRgb>{expected});
        }
    }
    QCOMPARE(image.pixelColor(compare.sourceRect().center()), QColor(Qt::gray));
}

void StudioPreviewTest::digitLightsTheCodesSegments_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("wiring");
    QTest::addColumn<QString>("pins");
    QTest::addColumn<QString>("lit"); // the segments that must be lit; the rest must not

    QTest::newRow("0 common anode, window wiring") << 0xC0 << 0 << "DP,G,F,E,D,C,B,A"
                                                   << "ABCDEF";
    QTest::newRow("0 common cathode, window wiring") << 0x3F << 1 << "DP,G,F,E,D,C,B,A"
                                                     << "ABCDEF";
    QTest::newRow("1 with A on bit 7") << 0x60 << 1 << "A,B,C,D,E,F,G,DP"
                                       << "BC";
    QTest::newRow("decimal point alone, anode") << 0x7F << 0 << "DP,G,F,E,D,C,B,A"
                                                << "P";
}

void StudioPreviewTest::digitLightsTheCodesSegments()
{
    QFETCH(int, code);
    QFETCH(int, wiring);
    QFETCH(QString, pins);
    QFETCH(QString, lit);
    const auto order = parsePinOrder(pins.toStdString());
    QVERIFY(order);
    SegmentDigits digits;
    digits.setCodes({0x00, std::uint8_t(code)}, {QStringLiteral("x"), QStringLiteral("y")},
                    SegmentWiring(wiring), *order);
    digits.resize(digits.sizeHint());
    const QImage image = shown(digits);
    const qreal ratio = digits.devicePixelRatioF();
    const QString letters = QStringLiteral("ABCDEFGP");
    for (int s = 0; s < 8; ++s) {
        const QPointF middle = digits.segmentShape(1, Segment(s)).boundingRect().center() * ratio;
        const QColor expected =
            lit.contains(letters[s]) ? SegmentDigits::kLit : SegmentDigits::kUnlit;
        QVERIFY2(image.pixelColor(middle.toPoint()) == expected, qPrintable(QString(letters[s])));
    }
}

void StudioPreviewTest::scanOrderShowsBytesAndFirstBit_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("order");
    QTest::addColumn<QPoint>("firstBit");   // the cell of bit 7 of byte 0
    QTest::addColumn<QPoint>("secondByte"); // a cell of byte 1

    QTest::newRow("row msb") << int(BitmapLayout::Row) << int(BitOrder::Msb) << QPoint(0, 0)
                             << QPoint(8, 0);
    QTest::newRow("row lsb") << int(BitmapLayout::Row) << int(BitOrder::Lsb) << QPoint(7, 0)
                             << QPoint(8, 0);
    QTest::newRow("column msb") << int(BitmapLayout::Column) << int(BitOrder::Msb) << QPoint(0, 0)
                                << QPoint(0, 8);
    QTest::newRow("row-block msb")
        << int(BitmapLayout::RowBlock) << int(BitOrder::Msb) << QPoint(0, 0) << QPoint(0, 1);
    QTest::newRow("page lsb") << int(BitmapLayout::Page) << int(BitOrder::Lsb) << QPoint(0, 7)
                              << QPoint(1, 0);
}

void StudioPreviewTest::scanOrderShowsBytesAndFirstBit()
{
    QFETCH(int, layout);
    QFETCH(int, order);
    QFETCH(QPoint, firstBit);
    QFETCH(QPoint, secondByte);
    ScanOrderView view;
    view.setPacking(BitmapLayout(layout), BitOrder(order));
    const QImage image = shown(view);
    const qreal ratio = view.devicePixelRatioF();
    // A cell's corner, clear of the grid and of the line through the bytes.
    const auto colourOf = [&](QPoint cell) {
        return image.pixelColor((view.cellRect(cell.x(), cell.y()).topLeft() + QPoint(2, 2)) *
                                ratio);
    };
    int redCells = 0;
    for (int y = 0; y < ScanOrderView::kSide; ++y)
        for (int x = 0; x < ScanOrderView::kSide; ++x)
            redCells += colourOf(QPoint(x, y)) == ScanOrderView::kFirstBit;
    QCOMPARE(redCells, 1);
    QCOMPARE(colourOf(firstBit), ScanOrderView::kFirstBit);
    QCOMPARE(colourOf(secondByte), ScanOrderView::kOddByte);
    QCOMPARE(view.byteAt(secondByte.x(), secondByte.y()), 1);
}

void StudioPreviewTest::glyphPageNamesTheCurrentGlyph()
{
    QStandardPaths::setTestModeEnabled(true);
    GlyphTablePage page;
    page.showGlyphs({{QStringLiteral("温"), smallGlyph(), QByteArray("\x4F\xC0", 2)},
                     {QStringLiteral("A"), smallGlyph(), QByteArray("\x30", 1)},
                     {QStringLiteral("€"), smallGlyph(), QByteArray("\x01", 1)}},
                    3);
    auto *info = page.findChild<QLabel *>(QStringLiteral("GlyphInfo"));
    auto *strip = page.findChild<GlyphStrip *>();
    QVERIFY(info && strip);
    QCOMPARE(info->text(), QStringLiteral("第1个 “温” GB2312 CEC2：0x4F,0xC0"));
    strip->setCurrentIndex(1);
    QCOMPARE(info->text(), QStringLiteral("第2个 “A” ASCII 41：0x30"));
    strip->setCurrentIndex(2);
    QCOMPARE(info->text(), QStringLiteral("第3个 “€” 不在GB2312中：0x01"));
    QCOMPARE(strip->accessibleDescription(), info->text());
}

ZANDREL_TEST_MAIN(StudioPreviewTest)
#include "StudioPreviewTest.moc"
