// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"

#include <QWidget>

#include <vector>

class QLabel;

namespace zandrel::studio {

// Glyphs in a row, each zoomed with its pixel grid. One glyph is current: the one under the
// pointer, or the one moved to with the arrow keys; the page says what it is.
class GlyphStrip : public QWidget
{
    Q_OBJECT

public:
    explicit GlyphStrip(QWidget *parent = nullptr);

    // total counts the glyphs of the whole table when only the first ones are shown.
    void setGlyphs(std::vector<Bitmap> glyphs, qsizetype total = -1);
    const std::vector<Bitmap> &glyphs() const { return glyphs_; }

    // Pixels a glyph's pixel takes on screen, before display scaling; 0 picks one by the
    // glyphs' height.
    void setZoom(int zoom);
    int cellSize() const; // in device pixels

    int currentIndex() const { return current_; }
    void setCurrentIndex(int index);
    // The glyph drawn at a point in the widget, or -1.
    int indexAt(QPoint point) const;
    // Where a glyph's top-left pixel is drawn, in device pixels.
    QPoint glyphOrigin(int index) const;

    QSize sizeHint() const override;

signals:
    void currentChanged(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    int glyphWidth(int index) const; // in device pixels, grid included

    std::vector<Bitmap> glyphs_;
    qsizetype total_ = 0;
    int zoom_ = 0;
    int current_ = -1;
};

// The preview of the pages that draw glyphs: the strip in a scroll area, and under it a line
// telling of the current glyph, which a screen reader hears as the strip's description.
struct GlyphPreview
{
    QWidget *widget;
    GlyphStrip *strip;
    QLabel *info;

    void describe(const QString &text) const;
};
GlyphPreview makeGlyphPreview(const QString &stripAreaName, const QString &infoName);

} // namespace zandrel::studio
