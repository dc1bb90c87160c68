// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <QImage>
#include <QWidget>

namespace zandrel::studio {

// The picture as read beside the bitmap made of it, both zoomed to the same size: the source
// smoothly, the bitmap pixel for pixel.
class PictureCompare : public QWidget
{
    Q_OBJECT

public:
    explicit PictureCompare(QWidget *parent = nullptr);

    void setSource(const QImage &source);
    void setResult(const Bitmap &result);
    void clearResult();

    // Device pixels a bitmap pixel takes (the largest whole number that fits, at least 1).
    int cellSize() const;
    // Where each side is drawn, in device pixels.
    QRect sourceRect() const;
    QRect resultRect() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QSize pictureSize() const; // in bitmap pixels

    QImage source_;
    QImage result_; // one bit a pixel, the bitmap's rows as they are
};

// The bitmap as a one-bit image: ink black, paper white.
QImage imageOfBitmap(const Bitmap &bitmap);

} // namespace zandrel::studio
