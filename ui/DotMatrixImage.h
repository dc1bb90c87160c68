// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>

#include <array>

namespace zandrel {

// An image control that shows a 16 x 16 dot matrix as square cells with one-pixel black
// borders shared by neighbours. Its bitmap is created white at the control's size on first
// paint and keeps what was last painted.
class DotMatrixImage : public QLabel
{
    Q_OBJECT

public:
    // cellStep is the distance from one cell's border to the next one's.
    DotMatrixImage(int cellStep, QWidget *parent);

    static constexpr int kSide = 16;

    // Paints every cell, row by row and left to right, in the given colours.
    void paintCells(const std::array<QColor, kSide * kSide> &colours);

private:
    int cellStep_;
    QImage canvas_;
};

} // namespace zandrel
