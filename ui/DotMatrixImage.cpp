// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/DotMatrixImage.h"

#include <QPainter>
#include <QPixmap>

namespace zandrel {

DotMatrixImage::DotMatrixImage(int cellStep, QWidget *parent) : QLabel(parent), cellStep_(cellStep)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void DotMatrixImage::paintCells(const std::array<QColor, kSide * kSide> &colours)
{
    if (canvas_.isNull()) {
        canvas_ = QImage(size(), QImage::Format_RGB32);
        canvas_.fill(Qt::white);
    }
    QPainter painter(&canvas_);
    painter.setPen(QPen(Qt::black, 1));
    for (int r = 0; r < kSide; ++r) {
        for (int c = 0; c < kSide; ++c) {
            painter.setBrush(colours[kSide * r + c]);
            // With a one-pixel pen the outline covers both x and x + cellStep, so each
            // cell's right and bottom border is its neighbour's left and top one.
            painter.drawRect(cellStep_ * c, cellStep_ * r, cellStep_, cellStep_);
        }
    }
    painter.end();
    setPixmap(QPixmap::fromImage(canvas_));
}

} // namespace zandrel
