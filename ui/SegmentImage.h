// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QLabel>
#include <QPoint>

#include <span>

namespace zandrel {

// One segment of the drawn digit: an image control with its own off-screen bitmap, shown
// with the colour of the bitmap's bottom-left pixel left out. The whole rectangle takes
// clicks, drawn or not.
class SegmentImage : public QLabel
{
    Q_OBJECT

public:
    explicit SegmentImage(QWidget *parent = nullptr);

    // Lit state: 0 unlit, 1 lit.
    int Tag = 0;

    // The bitmap, created white at the control's size the first time it is asked for.
    QImage &bitmap();

    // Fills the closed polygon through outline on the bitmap, edged with a black 1-pixel
    // pen, and shows the result.
    void drawOutline(std::span<const QPoint, 6> outline, const QColor &fill);

    // A click as the mouse gives it; assistive tools press the segment through this.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void showPicture();

    QImage picture_;
    bool pressed_ = false;
};

} // namespace zandrel
