// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/Support.h"

#include "core/ByteText.h"
#include "core/Error.h"
#include "core/Gb2312.h"

#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <QStringDecoder>

#include <new>

namespace zandrel::generators {

void refuseUsage(const QString &message, const QString &option)
{
    throw Refusal{Refusal::Kind::Usage, message, option};
}

void refuseInput(const QString &message, const QString &option)
{
    throw Refusal{Refusal::Kind::Refused, message, option};
}

namespace {

Result refused(const Refusal &refusal)
{
    Result result;
    result.refusal = refusal;
    return result;
}

} // namespace

Result madeOrRefused(const std::function<void(Result &)> &make)
{
    Result result;
    try {
        make(result);
        return result;
    } catch (const Refusal &refusal) {
        return refused(refusal);
    } catch (const Error &error) {
        return refused(Refusal{Refusal::Kind::Refused, QString::fromStdString(error.what())});
    } catch (const std::bad_alloc &) {
        return refused(Refusal{Refusal::Kind::Refused, QStringLiteral("内存不足")});
    }
}

namespace {

// The UTF-8 of a text in GB2312 (as GBK writes it: Notepad's "ANSI" on a Chinese Windows).
// Refuses the first byte pair that is no GB2312 character, naming its line.
QByteArray utf8OfGb2312(const QByteArray &bytes, const QString &source)
{
    QString text;
    text.reserve(bytes.size());
    int line = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto hi = static_cast<std::uint8_t>(bytes[i]);
        if (hi < 0x80) {
            text += QLatin1Char(static_cast<char>(hi));
            line += hi == '\n';
            continue;
        }
        const auto lo = static_cast<std::uint8_t>(i + 1 < bytes.size() ? bytes[i + 1] : 0);
        const auto character = unicodeOfGb2312(hi, lo);
        if (!character) {
            std::string code = "0x" + twoDigitHex(hi);
            if (i + 1 < bytes.size())
                code += " 0x" + twoDigitHex(lo);
            Refusal refusal{
                Refusal::Kind::Refused,
                QStringLiteral(
                    "%1第%2行：字节 %3 不是GB2312字符；UTF-8文件请用 --input-encoding utf-8")
                    .arg(source)
                    .arg(line)
                    .arg(QString::fromStdString(code))};
            refusal.line = line;
            throw refusal;
        }
        text += QString::fromUcs4(&*character, 1);
        ++i;
    }
    return text.toUtf8();
}

// A text as the given encoding reads it, as UTF-8 without a byte order mark. A text that is
// not valid in that encoding is refused, suggesting the other one.
QByteArray decodeInput(QByteArray bytes, bool gb2312, const QString &source)
{
    static const QByteArray utf8Mark("\xEF\xBB\xBF");
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        refuseInput(QStringLiteral("%1是UTF-16文本；请另存为UTF-8或ANSI（GB2312）").arg(source));
    if (gb2312) {
        if (bytes.startsWith(utf8Mark))
            refuseInput(
                QStringLiteral("%1以UTF-8的BOM开头，是UTF-8文本；请用 --input-encoding utf-8")
                    .arg(source));
        return utf8OfGb2312(bytes, source);
    }
    if (bytes.startsWith(utf8Mark))
        bytes.remove(0, utf8Mark.size());
    // A line break is never part of a longer UTF-8 sequence, so lines can be checked one by one.
    int line = 1;
    for (const QByteArray &text : bytes.split('\n')) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(text); // decode() is lazy: only a QString decodes
        if (decoder.hasError()) {
            Refusal refusal{Refusal::Kind::Refused,
                            QStringLiteral("%1第%2行不是有效的UTF-8；GB2312（GBK，“ANSI”）文件请用 "
                                           "--input-encoding gb2312")
                                .arg(source)
                                .arg(line)};
            refusal.line = line;
            throw refusal;
        }
        ++line;
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> readInputFile(const QString &path, const QString &what, qint64 limit,
                                        const QString &option)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuseInput(QStringLiteral("无法打开%1“%2”：%3").arg(what, path, file.errorString()),
                    option);
    if (file.size() > limit)
        refuseInput(QStringLiteral("%1“%2”大于%3 MiB").arg(what, path).arg(limit >> 20), option);
    // One byte more than the file should hold: a file that grows while it is read is caught too.
    std::vector<std::uint8_t> data(static_cast<std::size_t>(file.size()) + 1);
    qint64 size = 0;
    for (qint64 got = 0; size < static_cast<qint64>(data.size()); size += got) {
        got = file.read(reinterpret_cast<char *>(data.data()) + size,
                        static_cast<qint64>(data.size()) - size);
        if (got < 0)
            refuseInput(QStringLiteral("无法读取%1“%2”：%3").arg(what, path, file.errorString()),
                        option);
        if (got == 0)
            break;
    }
    if (size > limit || size == static_cast<qint64>(data.size()))
        refuseInput(
            QStringLiteral("%1“%2”在读取时改变了，或大于%3 MiB").arg(what, path).arg(limit >> 20),
            option);
    data.resize(static_cast<std::size_t>(size));
    return data;
}

std::vector<InputText> inputTextsOf(const GlyphRequest &request)
{
    const bool gb2312 = request.inputEncoding == TextEncoding::Gb2312;
    if (request.input) {
        if (!request.texts.isEmpty())
            refuseUsage(QStringLiteral("--input 与文本参数不能同时使用"), QStringLiteral("input"));
        const QString &path = *request.input;
        if (path == QLatin1String("-")) {
            const QString source = QStringLiteral("标准输入");
            return {{source, decodeInput(request.standardInput, gb2312, source)}};
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            refuseInput(QStringLiteral("无法打开文件“%1”：%2").arg(path, file.errorString()),
                        QStringLiteral("input"));
        const QString source = QStringLiteral("文件“%1”").arg(path);
        QByteArray data = file.readAll();
        if (file.error() != QFile::NoError)
            refuseInput(QStringLiteral("无法读取%1：%2").arg(source, file.errorString()),
                        QStringLiteral("input"));
        return {{path, decodeInput(data, gb2312, source)}};
    }
    if (request.texts == QStringList{QStringLiteral("-")})
        return {{QStringLiteral("标准输入"), request.standardInput}};
    std::vector<InputText> texts;
    for (qsizetype i = 0; i < request.texts.size(); ++i) {
        const QString source =
            request.texts.size() > 1 ? QStringLiteral("第%1个参数").arg(i + 1) : QString();
        texts.push_back({source, request.texts.at(i).toUtf8()});
    }
    return texts;
}

QString identifierOf(const QString &value, const QString &option)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    if (!identifier.match(value).hasMatch())
        refuseUsage(
            QStringLiteral("--%1 的值“%2”不是C标识符（字母或下划线开头，只含字母、数字、下划线）")
                .arg(option, value),
            option);
    return value;
}

void checkRange(const std::optional<int> &value, const CommandInfo &command, const QString &option)
{
    const OptionInfo *info = findOption(command, option);
    if (value && info && (*value < info->minimum || *value > info->maximum))
        refuseUsage(QStringLiteral("--%1 的值“%2”无效：应为%3至%4的整数")
                        .arg(option)
                        .arg(*value)
                        .arg(info->minimum)
                        .arg(info->maximum),
                    option);
}

void checkExtent(const std::optional<Extent> &extent, const QString &option)
{
    if (extent && (extent->width < 1 || extent->height < 1 || extent->width > kMaxBitmapSide ||
                   extent->height > kMaxBitmapSide))
        refuseUsage(QStringLiteral("--%1 的值“%2x%3”无效：应为 宽x高，每边1至%4像素，例如 128x64")
                        .arg(option)
                        .arg(extent->width)
                        .arg(extent->height)
                        .arg(kMaxBitmapSide),
                    option);
}

Packing packingOf(const PackingRequest &request, const DisplayPreset **presetOut)
{
    const DisplayPreset *preset = nullptr;
    if (request.display) {
        // Controllers' names are written in either case on boards and in data sheets.
        preset = displayPresetNamed(request.display->toLower().toStdString());
        if (!preset) {
            QStringList names;
            for (const DisplayPreset &known : displayPresets())
                names << QString::fromUtf8(known.name.data(),
                                           static_cast<qsizetype>(known.name.size()));
            refuseUsage(QStringLiteral("--display 的值“%1”无效，应为 %2 之一")
                            .arg(*request.display, names.join(QStringLiteral("、"))),
                        QStringLiteral("display"));
        }
    }
    if (presetOut)
        *presetOut = preset;
    Packing packing;
    packing.layout = request.layout.value_or(preset ? preset->layout : kDefaultLayout);
    packing.order = request.bitOrder.value_or(preset ? preset->order : kDefaultBitOrder);
    packing.pad = request.pad.value_or(preset ? preset->pad : kDefaultPadding);
    packing.invert = request.invert;
    return packing;
}

QString describeCharacter(char32_t ucs4)
{
    const QString code =
        QStringLiteral("U+%1").arg(static_cast<uint>(ucs4), 4, 16, QLatin1Char('0')).toUpper();
    if (ucs4 < 0x20 || (ucs4 >= 0x7F && ucs4 < 0xA0))
        return code;
    return QStringLiteral("“%1”（%2）").arg(QString::fromUcs4(&ucs4, 1), code);
}

std::string headerLine(const QString &command, std::string_view marker, const std::string &lineEnd,
                       bool gb2312)
{
    // A line break inside a value (a file name, --chars) would end the comment: it is shown as
    // "?", like a character the output's encoding lacks.
    QString oneLine = command;
    for (QChar &c : oneLine)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    std::string line(marker);
    line += ' ';
    if (!gb2312) {
        line += oneLine.toStdString();
    } else {
        for (const char32_t c : oneLine.toUcs4()) {
            const std::optional<std::string> bytes = encodeGb2312(std::u32string_view(&c, 1));
            line += bytes ? *bytes : std::string("?");
        }
    }
    return line + lineEnd;
}

void warnPastCodeMemory(Result &result, qsizetype dataBytes)
{
    if (dataBytes <= kCodeMemoryBytes)
        return;
    const QLocale c = QLocale::c();
    result.warnings << QStringLiteral("数据共%1字节，超过8051代码存储器的%2字节（64 KB）；"
                                      "放在外部存储器中时可不理会")
                           .arg(c.toString(static_cast<qlonglong>(dataBytes)),
                                c.toString(static_cast<qlonglong>(kCodeMemoryBytes)));
}

} // namespace zandrel::generators
