// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"

#include "core/ByteListText.h"
#include "core/ByteText.h"
#include "core/GlyphTable.h"

#include <QLocale>

#include <algorithm>
#include <span>

namespace zandrel::generators {

namespace {

// The bytes of a whole GB2312 library at 24 pixels fit; more is not a glyph table. A text
// takes about five characters a byte ("0xFF,"), that library's C table 3 MB.
constexpr qint64 kMaxBytes = 1 << 20;
constexpr qint64 kMaxTextBytes = 8 << 20;
// Glyphs a result holds at most: a picture of every one of them is drawn.
constexpr std::size_t kMaxGlyphs = 65536;
// Leftover bytes a warning names one by one.
constexpr std::size_t kNamedLeftovers = 16;
constexpr int kSheetGlyphsPerRow = 16;

QString number(qlonglong value)
{
    return QLocale::c().toString(value);
}

// The bytes asked for: the file's, or those handed in; text read into bytes.
std::vector<std::uint8_t> bytesOf(const DecodeRequest &request)
{
    const bool fromFile = request.file && *request.file != QLatin1String("-");
    const QString source = fromFile       ? QStringLiteral("文件“%1”").arg(*request.file)
                           : request.file ? QStringLiteral("标准输入")
                                          : QString();
    const qint64 limit = request.binary ? kMaxBytes : kMaxTextBytes;
    std::vector<std::uint8_t> data;
    if (fromFile) {
        data = readInputFile(*request.file, QStringLiteral("文件"), limit);
    } else {
        if (request.bytes.size() > limit)
            refuseInput(QStringLiteral("%1大于%2 MiB")
                            .arg(source.isEmpty() ? QStringLiteral("输入") : source)
                            .arg(limit >> 20));
        data.assign(request.bytes.begin(), request.bytes.end());
    }
    if (request.binary)
        return data;

    // A text holds no NUL; a bin file of glyphs nearly always does.
    if (std::find(data.begin(), data.end(), std::uint8_t{0}) != data.end())
        refuseInput(QStringLiteral("%1含有NUL字节，像是二进制文件；bin文件请用 --bin")
                        .arg(source.isEmpty() ? QStringLiteral("输入") : source),
                    QStringLiteral("bin"));
    const ByteList list =
        readByteList(std::string_view(reinterpret_cast<const char *>(data.data()), data.size()));
    if (list.fault) {
        const QString where =
            QStringLiteral("第%1行第%2列").arg(list.fault->line).arg(list.fault->column);
        Refusal refusal{Refusal::Kind::Refused,
                        (source.isEmpty() ? where : source + QStringLiteral("，") + where) +
                            QStringLiteral("：") + QString::fromStdString(list.fault->message)};
        refusal.line = list.fault->line;
        refusal.column = list.fault->column;
        throw refusal;
    }
    if (list.bytes.empty())
        refuseInput(QStringLiteral("%1中没有字节：C数组写在“= {”之后，汇编写在 DB 之后，"
                                   "或只写数或成对的十六进制数字")
                        .arg(source.isEmpty() ? QStringLiteral("文本") : source));
    if (static_cast<qint64>(list.bytes.size()) > kMaxBytes)
        refuseInput(QStringLiteral("字节超过%1 MiB").arg(kMaxBytes >> 20));
    return list.bytes;
}

// "最后3个字节不足一个字模…：0x01,0x02,0x03"
QString leftoverWarning(std::span<const std::uint8_t> left, const Extent &size,
                        std::size_t glyphBytes)
{
    QStringList named;
    for (std::size_t k = 0; k < std::min(left.size(), kNamedLeftovers); ++k)
        named << QStringLiteral("0x") + QString::fromStdString(twoDigitHex(left[k]));
    QString list = named.join(QLatin1Char(','));
    if (left.size() > kNamedLeftovers)
        list += QStringLiteral("…");
    return QStringLiteral("最后%1个字节不足一个字模（%2×%3为%4个字节），已略去：%5")
        .arg(number(qlonglong(left.size())))
        .arg(size.width)
        .arg(size.height)
        .arg(number(qlonglong(glyphBytes)))
        .arg(list);
}

void makeDecoded(const DecodeRequest &request, Result &result)
{
    checkExtent(request.size, QStringLiteral("size"));
    const Extent size = request.size.value_or(kDefaultDecodeSize);
    const Packing packing = packingOf(request.packing);
    const DecodeFormat format = request.format.value_or(kDefaultDecodeFormat);
    const std::string lineEnd = lineEndOf(request.crlf);

    const std::vector<std::uint8_t> bytes = bytesOf(request);
    const std::size_t glyphBytes = packedSize(size.width, size.height, packing.layout);
    const std::size_t count = bytes.size() / glyphBytes;
    if (count == 0)
        refuseInput(QStringLiteral("只有%1个字节，不足一个%2×%3的字模（%4个字节）；请检查宽×高")
                        .arg(number(qlonglong(bytes.size())))
                        .arg(size.width)
                        .arg(size.height)
                        .arg(number(qlonglong(glyphBytes))),
                    QStringLiteral("size"));
    if (count > kMaxGlyphs)
        refuseInput(QStringLiteral("字节可分成%1个%2×%3的字模，超过%4个；请检查宽×高")
                        .arg(number(qlonglong(count)))
                        .arg(size.width)
                        .arg(size.height)
                        .arg(number(qlonglong(kMaxGlyphs))),
                    QStringLiteral("size"));

    const std::span<const std::uint8_t> all(bytes);
    result.bitmaps.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const auto glyph = all.subspan(n * glyphBytes, glyphBytes);
        result.bitmaps.push_back({0,
                                  unpackBitmap(glyph, size.width, size.height, packing),
                                  {glyph.begin(), glyph.end()}});
    }
    if (const std::size_t left = bytes.size() % glyphBytes; left > 0)
        result.warnings << leftoverWarning(all.last(left), size, glyphBytes);

    if (format == DecodeFormat::Pbm) {
        std::vector<Bitmap> glyphs;
        glyphs.reserve(count);
        for (const PackedBitmap &packed : result.bitmaps)
            glyphs.push_back(packed.bitmap);
        result.bytes = glyphSheetPbm(glyphs, kSheetGlyphsPerRow);
        return;
    }
    std::string text;
    for (std::size_t n = 0; n < count; ++n) {
        text += QStringLiteral("第%1个（字节%2-%3）")
                    .arg(n + 1)
                    .arg(n * glyphBytes + 1)
                    .arg((n + 1) * glyphBytes)
                    .toStdString();
        text += lineEnd;
        text += previewText(result.bitmaps[n].bitmap, lineEnd);
        text += lineEnd;
    }
    result.bytes = std::move(text);
}

} // namespace

Result makeDecodedGlyphs(const DecodeRequest &request)
{
    return madeOrRefused([&](Result &result) { makeDecoded(request, result); });
}

} // namespace zandrel::generators
