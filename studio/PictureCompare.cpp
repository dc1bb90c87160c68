// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/PictureCompare.h"

#include <QPainter>

#include <algorithm>
#include <cstring>

namespace zandrel::studio {
namespace {

constexpr int kMargin = 4; // device pixels
constexpr int kGap = 12;

} // namespace

QImage imageOfBitmap(const Bitmap &bitmap)
{
    // Format_Mono keeps the leftmost pixel in the most significant bit, as Bitmap does: each row
    // is one copy.
    QImage image(bitmap.width(), bitmap.height(), QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    for (int y = 0; y < bitmap.height(); ++y)
        std::memcpy(image.scanLine(y), bitmap.row(y), std::size_t(bitmap.rowBytes()));
    return image;
}

PictureCompare::PictureCompare(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("PictureCompare"));
    setAccessibleName(QStringLiteral("图片预览"));
    setAccessibleDescription(QStringLiteral("左为原图，右为生成的点阵"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PictureCompare::setSource(const QImage &source)
{
    source_ = source;
    updateGeometry();
    update();
}

void PictureCompare::setResult(const Bitmap &result)
{
    result_ = imageOfBitmap(result);
    updateGeometry();
    update();
}

void PictureCompare::clearResult()
{
    result_ = QImage();
    update();
}

QSize PictureCompare::pictureSize() const
{
    if (!result_.isNull())
        return result_.size();
    return source_.isNull() ? QSize() : source_.size().scaled(128, 128, Qt::KeepAspectRatio);
}

int PictureCompare::cellSize() const
{
    const QSize size = pictureSize();
    if (size.isEmpty())
        return 1;
    const qreal ratio = devicePixelRatioF();
    const int room = int(width() * ratio) - 2 * kMargin - kGap;
    const int tall = int(height() * ratio) - 2 * kMargin;
    return std::max(1, std::min(room / (2 * size.width()), tall / size.height()));
}

QRect PictureCompare::sourceRect() const
{
    const QSize size = pictureSize() * cellSize();
    return {kMargin, kMargin, size.width(), size.height()};
}

QRect PictureCompare::resultRect() const
{
    return sourceRect().translated(sourceRect().width() + kGap, 0);
}

QSize PictureCompare::sizeHint() const
{
    const QSize size = pictureSize();
    const int zoom =
        size.isEmpty() ? 1 : std::clamp(256 / std::max(size.width(), size.height()), 1, 4);
    return {2 * size.width() * zoom + kGap + 2 * kMargin, size.height() * zoom + 2 * kMargin};
}

void PictureCompare::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const qreal ratio = devicePixelRatioF();
    painter.scale(1 / ratio, 1 / ratio);
    if (!source_.isNull()) {
        // The source as the reader scales it: its aspect kept inside the bitmap's size.
        const QRect box = sourceRect();
        const QSize fitted = source_.size().scaled(box.size(), Qt::KeepAspectRatio);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
        painter.fillRect(box, Qt::white);
        painter.drawImage(QRect(box.topLeft() + QPoint((box.width() - fitted.width()) / 2,
                                                       (box.height() - fitted.height()) / 2),
                                fitted),
                          source_);
    }
    if (!result_.isNull()) {
        // Each bitmap pixel a square of whole device pixels: no smoothing, no fractional edges.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(resultRect(), result_);
    }
}

} // namespace zandrel::studio
