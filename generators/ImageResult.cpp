// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"

#include "core/Dither.h"
#include "core/GlyphTable.h"

#include <QDateTime>
#include <QFileInfo>

#include <mutex>

namespace zandrel::generators {

namespace {

constexpr qint64 kMaxPictureFileBytes = 64 << 20;

// The last picture decoded, at the size it was wanted: a window makes the table again at every
// step of its threshold slider, and decoding and scaling a large picture costs more than all
// that follows. A file is known again by its path, size and modification time.
struct DecodedPicture
{
    QString path;
    qint64 fileSize = -1;
    QDateTime modified;
    QByteArray bytes;
    PictureSize size;
    DecodePictureFunction decode = nullptr;
    GreyImage picture;

    bool sameAs(const DecodedPicture &other) const
    {
        return path == other.path && fileSize == other.fileSize && modified == other.modified &&
               bytes == other.bytes && size.width == other.size.width &&
               size.height == other.size.height && size.stretch == other.size.stretch &&
               decode == other.decode;
    }
};

std::mutex lastDecodedMutex;
DecodedPicture lastDecoded;

// The picture of the request at size, decoded (or taken from the last decode).
GreyImage pictureOf(const PictureRequest &request, const PictureDecoderLoader &loadDecoder,
                    const PictureSize &size)
{
    QString reason;
    const DecodePictureFunction decode = loadDecoder ? loadDecoder(&reason) : nullptr;
    if (!decode)
        refuseInput(reason);
    DecodedPicture wanted;
    wanted.size = size;
    wanted.decode = decode;
    if (!request.path.isEmpty()) {
        const QFileInfo file(request.path);
        wanted.path = request.path;
        wanted.fileSize = file.size();
        wanted.modified = file.lastModified();
    } else {
        wanted.bytes = request.bytes;
    }
    {
        const std::lock_guard lock(lastDecodedMutex);
        if (lastDecoded.sameAs(wanted))
            return lastDecoded.picture;
    }

    std::vector<std::uint8_t> data;
    if (!request.path.isEmpty())
        data = readInputFile(request.path, QStringLiteral("图片文件"), kMaxPictureFileBytes);
    else
        data.assign(request.bytes.begin(), request.bytes.end());
    std::string message;
    if (!decode(data.data(), data.size(), &size, &wanted.picture, &message)) {
        const QString what = QString::fromStdString(message);
        refuseInput(request.path.isEmpty()
                        ? QStringLiteral("图片：%1").arg(what)
                        : QStringLiteral("图片文件“%1”：%2").arg(request.path, what));
    }
    const std::lock_guard lock(lastDecodedMutex);
    lastDecoded = wanted;
    return wanted.picture;
}

void makePicture(const PictureRequest &request, const PictureDecoderLoader &loadDecoder,
                 Result &result)
{
    ImageTableOptions options;
    options.format = request.format.value_or(kDefaultImageFormat);
    options.name = identifierOf(request.name.value_or(QString::fromLatin1(kDefaultImageName)),
                                QStringLiteral("name"))
                       .toStdString();
    const DisplayPreset *display = nullptr;
    options.packing = packingOf(request.packing, &display);
    options.compiler = cDialectOf(request.compiler.value_or(kDefaultCompiler));
    options.lineEnd = lineEndOf(request.crlf);
    PictureSize size;
    if (request.size) {
        checkExtent(request.size, QStringLiteral("size"));
        size = {request.size->width, request.size->height, request.stretch};
    } else if (display) {
        size = {display->width, display->height, request.stretch};
    } else if (request.stretch) {
        refuseUsage(QStringLiteral("--stretch 须与 --size 或 --display 一起使用"),
                    QStringLiteral("stretch"));
    }
    checkRange(request.threshold, imageCommandInfo(), QStringLiteral("threshold"));
    const int threshold = request.threshold.value_or(kDefaultThreshold);
    const Dither dither = request.dither.value_or(kDefaultDither);

    const GreyImage picture = pictureOf(request, loadDecoder, size);
    const Bitmap bitmap = ditherToBitmap(picture, threshold, dither);
    const auto dataBytes =
        static_cast<qsizetype>(packedSize(bitmap.width(), bitmap.height(), options.packing.layout));
    result.tables.push_back({QString::fromStdString(options.name), dataBytes});
    PackedBitmap packed{0, bitmap, {}};
    packBitmap(bitmap, options.packing, packed.bytes);
    result.bitmaps.push_back(std::move(packed));
    if (options.format != ImageFormat::Preview && options.format != ImageFormat::Pbm)
        warnPastCodeMemory(result, dataBytes);
    std::string text;
    if (options.format == ImageFormat::C51)
        text = headerLine(commandLineOf(request), "//", options.lineEnd);
    else if (options.format == ImageFormat::Asm51)
        text = headerLine(commandLineOf(request), ";", options.lineEnd);
    text += imageTableText(bitmap, options);
    result.bytes = std::move(text);
}

} // namespace

Result makePictureTable(const PictureRequest &request, const PictureDecoderLoader &loadDecoder)
{
    return madeOrRefused([&](Result &result) { makePicture(request, loadDecoder, result); });
}

} // namespace zandrel::generators
