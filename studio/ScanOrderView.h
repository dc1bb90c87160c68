// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <QWidget>

#include <array>

namespace zandrel::studio {

// A 16 × 16 cell drawn with the byte each pixel goes into: bytes alternate in two tints, a line
// runs through them in the order they are taken, and bit 7 of byte 0 is marked.
class ScanOrderView : public QWidget
{
    Q_OBJECT

public:
    explicit ScanOrderView(QWidget *parent = nullptr);

    void setPacking(BitmapLayout layout, BitOrder order);

    static constexpr int kSide = 16;
    static constexpr int kCell = 9; // logical pixels a cell

    // The byte a pixel goes into, and the bit of it, as the packing takes them.
    int byteAt(int x, int y) const { return byte_[std::size_t(y * kSide + x)]; }
    int bitAt(int x, int y) const { return bit_[std::size_t(y * kSide + x)]; }
    // A cell's rectangle in the widget.
    QRect cellRect(int x, int y) const;

    QSize sizeHint() const override;

    static const QColor kEvenByte;
    static const QColor kOddByte;
    static const QColor kFirstBit;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::array<int, kSide * kSide> byte_{};
    std::array<int, kSide * kSide> bit_{};
};

} // namespace zandrel::studio
