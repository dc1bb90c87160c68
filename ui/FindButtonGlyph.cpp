// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/FindButtonGlyph.h"

#include <QPainter>
#include <QPainterPath>

namespace zandrel {

QPixmap findButtonGlyph()
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);

    // The folder: a tab on the left of its top edge, an open flap in front.
    const QColor folderEdge(128, 96, 0);
    painter.setPen(folderEdge);
    painter.setBrush(QColor(232, 184, 40));
    painter.drawPolygon(QPolygon({{0, 4}, {4, 4}, {5, 5}, {11, 5}, {11, 14}, {0, 14}}));
    painter.setBrush(QColor(255, 224, 64));
    painter.drawPolygon(QPolygon({{0, 14}, {2, 8}, {13, 8}, {11, 14}}));

    // The magnifier over its upper right corner: a glass with a light rim, then the handle.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(64, 64, 64), 1.2));
    painter.setBrush(QColor(200, 232, 255, 220));
    painter.drawEllipse(QRectF(7.5, 0.5, 6, 6));
    painter.setPen(QPen(QColor(255, 255, 255), 1));
    painter.drawArc(QRectF(9, 2, 3, 3), 90 * 16, 90 * 16);
    painter.setPen(QPen(QColor(48, 48, 48), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12.8, 6.2), QPointF(15, 8.6));
    return glyph;
}

} // namespace zandrel
