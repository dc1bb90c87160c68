// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/ProgramIcon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <algorithm>
#include <array>

namespace zandrel {
namespace {

// The sizes the build embeds (ZANDREL_ICON_SIZES), each as FOLDER/SIZE.rgba: SIZE x SIZE pixels,
// four bytes each (R, G, B, A), row after row.
constexpr std::array kSizes = {16, 24, 32, 48, 64, 128, 256};

QImage imageOf(const QString &folder, int size)
{
    const QResource resource(QStringLiteral("%1/%2.rgba").arg(folder).arg(size));
    if (resource.compressionAlgorithm() != QResource::NoCompression ||
        resource.size() != 4LL * size * size)
        return {};
    // The resource data is constant for the program's life, so the image can use it in place.
    return QImage(resource.data(), size, size, 4 * size, QImage::Format_RGBA8888);
}

class ProgramIconEngine : public QIconEngine
{
public:
    explicit ProgramIconEngine(const QString &folder) : folder_(folder) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        // The smallest size that covers the request, else the largest; scaled if it differs.
        const int wanted = std::max(size.width(), size.height());
        int chosen = kSizes.back();
        for (int available : kSizes)
            if (available >= wanted) {
                chosen = available;
                break;
            }
        QPixmap pixmap = QPixmap::fromImage(imageOf(folder_, chosen));
        if (pixmap.isNull() || pixmap.size() == size)
            return pixmap;
        return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QSize pixels(qRound(rect.width() * ratio), qRound(rect.height() * ratio));
        painter->drawPixmap(rect, pixmap(pixels, mode, state));
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        int best = kSizes.front();
        for (int available : kSizes)
            if (available <= std::min(size.width(), size.height()))
                best = available;
        return {best, best};
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int size : kSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }

    QIconEngine *clone() const override { return new ProgramIconEngine(folder_); }
    QString key() const override { return QStringLiteral("ZandrelProgramIcon"); }

private:
    QString folder_;
};

} // namespace

QIcon programIcon(const QString &folder)
{
    return QIcon(new ProgramIconEngine(folder));
}

} // namespace zandrel
