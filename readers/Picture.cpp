// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "readers/Picture.h"

#include "core/Bitmap.h"
#include "core/Error.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>

#include <algorithm>
#include <cmath>
#include <new>
#include <string>
#include <type_traits>

namespace zandrel {
namespace {

// Decoding beyond this many megabytes of pixels is refused before it starts: far more than any
// display needs, and the colour copy made of it stays within a few hundred megabytes.
constexpr int kAllocationLimitMb = 64;
// The same bound in pixels of four bytes, checked against the size the header claims, so that
// a huge claim with little data behind it is refused before any decoder allocates for it.
constexpr qint64 kMaxPixels = qint64{kAllocationLimitMb} * 1024 * 1024 / 4;

const QByteArrayList &formats()
{
    static const QByteArrayList list = {"png", "bmp", "gif", "jpeg", "pbm", "pgm", "ppm", "xbm"};
    return list;
}

} // namespace

GreyImage decodePicture(std::span<const std::uint8_t> bytes, const PictureSize &size)
{
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                              static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAllocationLimit(kAllocationLimitMb);
    const QByteArray format = reader.format().toLower();
    if (format.isEmpty() || !formats().contains(format == "jpg" ? QByteArray("jpeg") : format))
        throw Error("不是能读取的图片（PNG、BMP、GIF、JPEG、PBM 或 XBM）");
    if (const QSize claimed = reader.size();
        claimed.isValid() && qint64{claimed.width()} * claimed.height() > kMaxPixels)
        throw Error("图片有" + std::to_string(claimed.width()) + "×" +
                    std::to_string(claimed.height()) + "像素，超过了能读取的" +
                    std::to_string(kMaxPixels) + "像素（如4096×4096）");
    QImage image = reader.read();
    if (image.isNull())
        throw Error("图片无法解码：" + reader.errorString().toStdString());

    // Over white, so that transparent pixels are white and half-transparent ones lighter.
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            const int a = qAlpha(p);
            const auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            row[x] = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
        }
    }

    int width = size.width;
    int height = size.height;
    if (width == 0) {
        width = image.width();
        height = image.height();
        if (width > kMaxBitmapSide || height > kMaxBitmapSide) {
            const double scale =
                std::min(double(kMaxBitmapSide) / width, double(kMaxBitmapSide) / height);
            width = std::clamp(static_cast<int>(std::lround(width * scale)), 1, kMaxBitmapSide);
            height = std::clamp(static_cast<int>(std::lround(height * scale)), 1, kMaxBitmapSide);
        }
    }
    int fitWidth = width;
    int fitHeight = height;
    if (!size.stretch && size.width != 0) {
        const double scale =
            std::min(double(width) / image.width(), double(height) / image.height());
        fitWidth = std::clamp(static_cast<int>(std::lround(image.width() * scale)), 1, width);
        fitHeight = std::clamp(static_cast<int>(std::lround(image.height() * scale)), 1, height);
    }
    if (fitWidth != image.width() || fitHeight != image.height())
        image = image.scaled(fitWidth, fitHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    GreyImage grey{width, height,
                   std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 255)};
    const int left = (width - fitWidth) / 2;
    const int top = (height - fitHeight) / 2;
    for (int y = 0; y < fitHeight; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < fitWidth; ++x) {
            const QRgb p = row[x];
            grey.levels[static_cast<std::size_t>((top + y) * width + left + x)] =
                static_cast<std::uint8_t>((299 * qRed(p) + 587 * qGreen(p) + 114 * qBlue(p) + 500) /
                                          1000);
        }
    }
    return grey;
}

bool decodePictureTo(const std::uint8_t *data, std::size_t size, const PictureSize *wanted,
                     GreyImage *picture, std::string *message)
{
    try {
        *picture = decodePicture(std::span(data, size), *wanted);
        return true;
    } catch (const Error &error) {
        *message = error.what();
    } catch (const std::bad_alloc &) {
        *message = "图片太大，内存不足";
    }
    return false;
}

static_assert(std::is_same_v<decltype(&decodePictureTo), DecodePictureFunction>);

} // namespace zandrel
