// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/GlyphStrip.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace zandrel::studio {
namespace {

constexpr int kMargin = 4; // device pixels around the strip and between glyphs
constexpr int kGap = 8;
const QColor kPaper(255, 255, 255);
const QColor kInk(0, 0, 0);
const QColor kGrid(190, 190, 190);

} // namespace

GlyphStrip::GlyphStrip(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("GlyphStrip"));
    setAccessibleName(QStringLiteral("字模预览"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void GlyphStrip::setGlyphs(std::vector<Bitmap> glyphs, qsizetype total)
{
    glyphs_ = std::move(glyphs);
    total_ = std::max<qsizetype>(total, qsizetype(glyphs_.size()));
    current_ = glyphs_.empty() ? -1 : std::clamp(current_, 0, int(glyphs_.size()) - 1);
    updateGeometry();
    update();
    emit currentChanged(current_);
}

void GlyphStrip::setZoom(int zoom)
{
    zoom_ = zoom;
    updateGeometry();
    update();
}

int GlyphStrip::cellSize() const
{
    int zoom = zoom_;
    if (zoom <= 0) {
        int height = 1;
        for (const Bitmap &glyph : glyphs_)
            height = std::max(height, glyph.height());
        zoom = std::clamp(96 / height, 2, 12);
    }
    // Whole device pixels a cell, so that every cell and grid line is equally sharp whatever
    // the display scaling.
    return std::max(2, int(std::lround(zoom * devicePixelRatioF())));
}

int GlyphStrip::glyphWidth(int index) const
{
    return glyphs_[std::size_t(index)].width() * cellSize() + 1;
}

QPoint GlyphStrip::glyphOrigin(int index) const
{
    int x = kMargin;
    for (int i = 0; i < index; ++i)
        x += glyphWidth(i) + kGap;
    return {x, kMargin};
}

int GlyphStrip::indexAt(QPoint point) const
{
    const qreal ratio = devicePixelRatioF();
    const int x = int(point.x() * ratio);
    const int y = int(point.y() * ratio);
    for (int i = 0; i < int(glyphs_.size()); ++i) {
        const QPoint origin = glyphOrigin(i);
        const int height = glyphs_[std::size_t(i)].height() * cellSize() + 1;
        if (x >= origin.x() && x < origin.x() + glyphWidth(i) && y >= origin.y() &&
            y < origin.y() + height)
            return i;
    }
    return -1;
}

void GlyphStrip::setCurrentIndex(int index)
{
    if (glyphs_.empty())
        index = -1;
    else
        index = std::clamp(index, 0, int(glyphs_.size()) - 1);
    if (index == current_)
        return;
    current_ = index;
    update();
    emit currentChanged(current_);
}

QSize GlyphStrip::sizeHint() const
{
    int height = 0;
    for (const Bitmap &glyph : glyphs_)
        height = std::max(height, glyph.height());
    const qreal ratio = devicePixelRatioF();
    const int width = glyphs_.empty() ? 0 : glyphOrigin(int(glyphs_.size())).x();
    return {int(std::ceil((width + kMargin) / ratio)) +
                fontMetrics().horizontalAdvance(QStringLiteral("…共 00000 个")),
            int(std::ceil((height * cellSize() + 1 + 2 * kMargin) / ratio))};
}

void GlyphStrip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    // Drawn in device pixels: a zoomed pixel is a whole number of them at 150 % and 200 % too.
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    const int cell = cellSize();
    for (int i = 0; i < int(glyphs_.size()); ++i) {
        const Bitmap &glyph = glyphs_[std::size_t(i)];
        const QPoint origin = glyphOrigin(i);
        const int width = glyph.width() * cell;
        const int height = glyph.height() * cell;
        painter.fillRect(origin.x(), origin.y(), width + 1, height + 1, kPaper);
        for (int y = 0; y < glyph.height(); ++y) {
            for (int x = 0; x < glyph.width();) {
                if (!glyph.pixel(x, y)) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < glyph.width() && glyph.pixel(x, y))
                    ++x;
                painter.fillRect(origin.x() + start * cell, origin.y() + y * cell,
                                 (x - start) * cell, cell, kInk);
            }
        }
        for (int x = 0; x <= glyph.width(); ++x)
            painter.fillRect(origin.x() + x * cell, origin.y(), 1, height + 1, kGrid);
        for (int y = 0; y <= glyph.height(); ++y)
            painter.fillRect(origin.x(), origin.y() + y * cell, width + 1, 1, kGrid);
        if (i == current_) {
            const QColor mark = palette().color(hasFocus() ? QPalette::Active : QPalette::Inactive,
                                                QPalette::Highlight);
            const QRect frame(origin.x() - 3, origin.y() - 3, width + 7, height + 7);
            painter.fillRect(frame.x(), frame.y(), frame.width(), 2, mark);
            painter.fillRect(frame.x(), frame.bottom() - 1, frame.width(), 2, mark);
            painter.fillRect(frame.x(), frame.y(), 2, frame.height(), mark);
            painter.fillRect(frame.right() - 1, frame.y(), 2, frame.height(), mark);
        }
    }
    if (total_ > qsizetype(glyphs_.size())) {
        painter.resetTransform();
        const int x = int(glyphOrigin(int(glyphs_.size())).x() / ratio);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(QRect(x, 0, width() - x, height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("…共 %1 个").arg(total_));
    }
}

void GlyphStrip::mouseMoveEvent(QMouseEvent *event)
{
    if (const int index = indexAt(event->position().toPoint()); index >= 0)
        setCurrentIndex(index);
}

void GlyphStrip::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    mouseMoveEvent(event);
}

void GlyphStrip::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        setCurrentIndex(current_ - 1);
        break;
    case Qt::Key_Right:
        setCurrentIndex(current_ + 1);
        break;
    case Qt::Key_Home:
        setCurrentIndex(0);
        break;
    case Qt::Key_End:
        setCurrentIndex(int(glyphs_.size()) - 1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void GlyphPreview::describe(const QString &text) const
{
    info->setText(text);
    strip->setAccessibleDescription(text);
}

GlyphPreview makeGlyphPreview(const QString &stripAreaName, const QString &infoName)
{
    auto *widget = new QWidget;
    auto *layout = new QVBoxLayout(widget);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *strip = new GlyphStrip;
    auto *scroll = new QScrollArea;
    scroll->setObjectName(stripAreaName);
    scroll->setWidget(strip);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setMinimumHeight(120);
    layout->addWidget(scroll);
    auto *info = new QLabel;
    info->setObjectName(infoName);
    info->setTextInteractionFlags(Qt::TextSelectableByMouse);
    info->setWordWrap(true);
    layout->addWidget(info);
    return {widget, strip, info};
}

} // namespace zandrel::studio
