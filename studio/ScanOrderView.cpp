// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/ScanOrderView.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <vector>

namespace zandrel::studio {
namespace {

constexpr int kMargin = 4;

} // namespace

const QColor ScanOrderView::kEvenByte(198, 222, 255);
const QColor ScanOrderView::kOddByte(255, 236, 179);
const QColor ScanOrderView::kFirstBit(214, 40, 40);

ScanOrderView::ScanOrderView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("ScanOrderView"));
    setAccessibleName(QStringLiteral("取模顺序"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setPacking(BitmapLayout::Row, BitOrder::Msb);
}

void ScanOrderView::setPacking(BitmapLayout layout, BitOrder order)
{
    // Asks the packing itself where each bit lands, so the drawing cannot differ from the bytes.
    // Each pixel's bit number and byte number are read one binary digit at a time: the bytes are
    // filled with the bits (or the bytes) whose number has that digit set, and unpacked.
    const Packing packing{layout, order, false};
    const std::size_t size = packedSize(kSide, kSide, layout);
    std::vector<std::uint8_t> bytes(size);
    byte_.fill(0);
    bit_.fill(0);
    const auto addDigit = [&](std::array<int, kSide * kSide> &numbers, int digit) {
        const Bitmap set = unpackBitmap(bytes, kSide, kSide, packing);
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                if (set.pixel(x, y))
                    numbers[std::size_t(y * kSide + x)] |= 1 << digit;
    };
    for (int digit = 0; digit < 3; ++digit) {
        std::uint8_t bits = 0;
        for (int bit = 0; bit < 8; ++bit)
            if (bit >> digit & 1)
                bits |= std::uint8_t(1u << unsigned(bit));
        std::fill(bytes.begin(), bytes.end(), bits);
        addDigit(bit_, digit);
    }
    for (int digit = 0; std::size_t(1) << digit < size; ++digit) {
        for (std::size_t byte = 0; byte < size; ++byte)
            bytes[byte] = byte >> digit & 1 ? 0xFF : 0x00;
        addDigit(byte_, digit);
    }
    int first = 0;
    while (first < kSide * kSide &&
           !(byte_[std::size_t(first)] == 0 && bit_[std::size_t(first)] == 7))
        ++first;
    static const char *const kLayoutNames[] = {"逐行式", "逐列式", "行列式", "列行式"};
    setAccessibleDescription(
        QStringLiteral("%1，%2：字节0的位7在第%3行第%4列")
            .arg(QString::fromUtf8(kLayoutNames[int(layout)]),
                 order == BitOrder::Msb ? QStringLiteral("高位在前") : QStringLiteral("低位在前"))
            .arg(first / kSide + 1)
            .arg(first % kSide + 1));
    update();
}

QRect ScanOrderView::cellRect(int x, int y) const
{
    return {kMargin + x * kCell, kMargin + y * kCell, kCell, kCell};
}

QSize ScanOrderView::sizeHint() const
{
    return {2 * kMargin + kSide * kCell + 1, 2 * kMargin + kSide * kCell + 1};
}

void ScanOrderView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    std::vector<QPointF> sums(std::size_t(kSide * kSide / 8));
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            const int byte = byteAt(x, y);
            const QColor tint = byte == 0 && bitAt(x, y) == 7 ? kFirstBit
                                : byte % 2 == 0               ? kEvenByte
                                                              : kOddByte;
            painter.fillRect(cellRect(x, y), tint);
            sums[std::size_t(byte)] += QRectF(cellRect(x, y)).center() / 8;
        }
    }
    painter.setPen(QColor(150, 150, 150));
    for (int i = 0; i <= kSide; ++i) {
        painter.drawLine(kMargin + i * kCell, kMargin, kMargin + i * kCell,
                         kMargin + kSide * kCell);
        painter.drawLine(kMargin, kMargin + i * kCell, kMargin + kSide * kCell,
                         kMargin + i * kCell);
    }
    // The order the bytes are taken: a line through their middles, from a dot at byte 0.
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path(sums.front());
    for (std::size_t i = 1; i < sums.size(); ++i)
        path.lineTo(sums[i]);
    painter.setPen(QPen(QColor(40, 40, 40, 170), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    painter.setBrush(QColor(40, 40, 40));
    painter.drawEllipse(sums.front(), 2.5, 2.5);
}

} // namespace zandrel::studio
