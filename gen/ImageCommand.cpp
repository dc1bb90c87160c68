// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "core/Dither.h"
#include "core/GlyphTable.h"
#include "readers/Picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace zandrel::gen {

const CommandSpec &imageCommand()
{
    static const CommandSpec command = [] {
        std::vector<OptionSpec> options = {
            {{QStringLiteral("size")},
             QStringLiteral("宽x高"),
             QStringLiteral(
                 "缩放到此大小之内，保持宽高比并居中；默认为图片本身的大小（大于256×256时缩小）")},
            {{QStringLiteral("stretch")},
             QString(),
             QStringLiteral("拉伸到 --size 的大小，不保持宽高比")},
            {{QStringLiteral("threshold")},
             QStringLiteral("0-255"),
             QStringLiteral("亮度低于此值的像素为点亮（1位，--invert 之前）"),
             QStringLiteral("128")},
            {{QStringLiteral("dither")},
             QStringLiteral("方式"),
             QStringLiteral("none、floyd-steinberg、atkinson 或 bayer4"),
             QStringLiteral("none")},
            {{QStringLiteral("f"), QStringLiteral("format")},
             QStringLiteral("格式"),
             QStringLiteral("c51、asm、bin、preview 或 pbm（Netpbm P4 图片）"),
             QStringLiteral("c51")},
            {{QStringLiteral("n"), QStringLiteral("name")},
             QStringLiteral("名称"),
             QStringLiteral("数组名，须为C标识符"),
             QStringLiteral("image")},
        };
        for (const OptionSpec &option : packingOptions())
            options.push_back(option);
        options.push_back(compilerOption(
            QStringLiteral("C代码给 keil（Keil C51，code）或 sdcc（SDCC，__code）")));
        return CommandSpec{
            QStringLiteral("image"),
            QStringLiteral("[选项] 图片文件"),
            QStringLiteral("图片的单色点阵，用于LCD和OLED"),
            QStringLiteral(
                "把图片（PNG、BMP、GIF、JPEG、PBM 或 XBM）转为单色点阵。透明的像素算作白色。\n"
                "例如 128×64 的 SSD1306 OLED：--size 128x64 --layout page --bit-order lsb -f "
                "bin。"),
            options,
            true,
        };
    }();
    return command;
}

namespace {

constexpr qint64 kMaxPictureFileBytes = 64 << 20;

DecodePictureFunction pictureDecoder()
{
    // The module sits beside the program in a build tree, and in its own folder under lib/
    // once installed.
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(ZANDREL_PICTURE_MODULE);
    for (const QString &dir :
         {here, QDir(here).filePath(QStringLiteral(ZANDREL_PICTURE_MODULE_FROM_BIN))}) {
        QLibrary module(QDir(dir).filePath(name));
        if (auto decode =
                reinterpret_cast<DecodePictureFunction>(module.resolve(kDecodePictureSymbol)))
            return decode;
    }
    refuse(QStringLiteral("找不到读取图片的模块 %1（应在 %2 旁边或 %3 中）")
               .arg(name, here,
                    QDir::cleanPath(
                        QDir(here).filePath(QStringLiteral(ZANDREL_PICTURE_MODULE_FROM_BIN)))));
}

} // namespace

int runImage(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(imageCommand(), arguments, parser))
        return Success;

    ImageTableOptions options;
    options.format = static_cast<ImageFormat>(
        choiceOf(parser, QStringLiteral("format"),
                 {QStringLiteral("c51"), QStringLiteral("asm"), QStringLiteral("bin"),
                  QStringLiteral("preview"), QStringLiteral("pbm")}));
    options.name = identifierOf(parser, QStringLiteral("name")).toStdString();
    options.packing = packingOf(parser);
    options.compiler = cDialectOf(compilerOf(parser));
    options.lineEnd = lineEndOf(parser);
    PictureSize size;
    if (parser.isSet(QStringLiteral("size"))) {
        const Extent extent = extentOf(parser, QStringLiteral("size"));
        size = {extent.width, extent.height, parser.isSet(QStringLiteral("stretch"))};
    } else if (parser.isSet(QStringLiteral("stretch"))) {
        usageError(QStringLiteral("--stretch 须与 --size 一起使用"));
    }
    const int threshold = integerOf(parser, QStringLiteral("threshold"), 0, 255);
    const auto dither =
        static_cast<Dither>(choiceOf(parser, QStringLiteral("dither"),
                                     {QStringLiteral("none"), QStringLiteral("floyd-steinberg"),
                                      QStringLiteral("atkinson"), QStringLiteral("bayer4")}));

    const QStringList files = parser.positionalArguments();
    if (files.size() != 1)
        usageError(files.isEmpty() ? QStringLiteral("缺少图片文件")
                                   : QStringLiteral("只能给出一个图片文件"));
    const QString path = files.first();
    const std::vector<std::uint8_t> data =
        readInputFile(path, QStringLiteral("图片文件"), kMaxPictureFileBytes);

    GreyImage picture;
    std::string message;
    if (!pictureDecoder()(data.data(), data.size(), &size, &picture, &message))
        refuse(QStringLiteral("图片文件“%1”：%2").arg(path, QString::fromStdString(message)));

    const std::string text = imageTableText(ditherToBitmap(picture, threshold, dither), options);
    writeOutput(parser, QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
    return Success;
}

} // namespace zandrel::gen
