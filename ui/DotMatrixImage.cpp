// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/DotMatrixImage.h"

#include <QPixmap>

#include <algorithm>

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
    // Cells with a one-pixel black outline that each shares with its neighbours: every
    // cellStep-th row and column of the grid is black, and the pixels between take their
    // cell's colour. Written pixel by pixel, which is what painting each outlined cell gives.
    const int width = std::min(kSide * cellStep_ + 1, canvas_.width());
    const int height = std::min(kSide * cellStep_ + 1, canvas_.height());
    const QRgb black = qRgb(0, 0, 0);
    std::array<QRgb, kSide * kSide> rgb;
    for (std::size_t k = 0; k < rgb.size(); ++k)
        rgb[k] = colours[k].rgb();
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(canvas_.scanLine(y));
        if (y % cellStep_ == 0) {
            std::fill(line, line + width, black);
            continue;
        }
        const QRgb *row = &rgb[static_cast<std::size_t>(kSide * std::min(y / cellStep_, kSide - 1))];
        for (int x = 0; x < width; ++x)
            line[x] = x % cellStep_ == 0 ? black : row[std::min(x / cellStep_, kSide - 1)];
    }
    setPixmap(QPixmap::fromImage(canvas_));
}

} // namespace zandrel
