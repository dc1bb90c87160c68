// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Cli.h"

#include "gen/Platform.h"

#include "core/ByteText.h"
#include "core/Gb2312.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>

#include <cstdio>

namespace zandrel::gen {

void usageError(const QString &message)
{
    throw Failure{UsageFailure, message};
}

void refuse(const QString &message)
{
    throw Failure{RefusedInput, message};
}

std::vector<OptionSpec> commonOptions()
{
    return {
        {{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("文件"),
         QStringLiteral("写入文件（整份写入，或不写）；默认写到标准输出")},
        {{QStringLiteral("crlf")}, QString(), QStringLiteral("行尾用CR LF；默认LF")},
        {{QStringLiteral("h"), QStringLiteral("help")}, QString(), QStringLiteral("显示本帮助")},
    };
}

namespace {

QString optionLabel(const OptionSpec &option)
{
    QStringList names;
    for (const QString &name : option.names)
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString label = names.join(QStringLiteral(", "));
    if (!option.valueName.isEmpty())
        label += QStringLiteral(" <%1>").arg(option.valueName);
    return label;
}

} // namespace

namespace {

// Terminal columns: Chinese and full-width characters take two.
int columnsOf(const QString &text)
{
    int columns = 0;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        const bool wide = (u >= 0x1100 && u <= 0x115F) || (u >= 0x2E80 && u <= 0xA4CF) ||
                          (u >= 0xAC00 && u <= 0xD7A3) || (u >= 0xF900 && u <= 0xFAFF) ||
                          (u >= 0xFE30 && u <= 0xFE4F) || (u >= 0xFF00 && u <= 0xFF60) ||
                          (u >= 0xFFE0 && u <= 0xFFE6);
        columns += wide ? 2 : 1;
    }
    return columns;
}

} // namespace

QString padded(const QString &text, int columns)
{
    return text + QString(std::max(0, columns - columnsOf(text)), QLatin1Char(' '));
}

QString helpText(const CommandSpec &command)
{
    QString text = QStringLiteral("用法：zandrel-gen %1 %2\n\n%3\n\n选项：\n")
                       .arg(command.name, command.synopsis, command.summary);
    std::vector<OptionSpec> options = command.options;
    for (const OptionSpec &option : commonOptions())
        options.push_back(option);
    int width = 0;
    for (const OptionSpec &option : options)
        width = std::max(width, columnsOf(optionLabel(option)));
    for (const OptionSpec &option : options) {
        text += QStringLiteral("  ") + padded(optionLabel(option), width + 2) + option.description;
        if (!option.defaultValue.isEmpty())
            text += QStringLiteral("（默认：%1）").arg(option.defaultValue);
        text += QLatin1Char('\n');
    }
    return text;
}

bool parseCommand(const CommandSpec &command, const QStringList &arguments, QCommandLineParser &parser)
{
    std::vector<OptionSpec> options = command.options;
    for (const OptionSpec &option : commonOptions())
        options.push_back(option);
    for (const OptionSpec &option : options) {
        QCommandLineOption qtOption(option.names, option.description, option.valueName, option.defaultValue);
        parser.addOption(qtOption);
    }
    if (!parser.parse(QStringList{QStringLiteral("zandrel-gen")} + arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) {
            const QString &name = unknown.first();
            usageError(QStringLiteral("%1 命令没有选项“%2%3”")
                           .arg(command.name, name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"), name));
        }
        // Qt words the remaining failures in English; name the option in ours.
        static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'"));
        static const QRegularExpression unexpected(QStringLiteral("^Unexpected value after '(.*)'"));
        const QString error = parser.errorText();
        if (const auto m = missing.match(error); m.hasMatch())
            usageError(QStringLiteral("选项“%1”缺少值").arg(m.captured(1)));
        if (const auto m = unexpected.match(error); m.hasMatch())
            usageError(QStringLiteral("选项“%1”不带值").arg(m.captured(1)));
        usageError(error);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        writeText(stdout, helpText(command));
        return false;
    }
    if (!command.takesArguments && !parser.positionalArguments().isEmpty())
        usageError(QStringLiteral("%1 命令不带参数：“%2”").arg(command.name, parser.positionalArguments().first()));
    return true;
}

int choiceOf(const QCommandLineParser &parser, const QString &option, const QStringList &choices)
{
    const QString value = parser.value(option);
    const int index = static_cast<int>(choices.indexOf(value.toLower()));
    if (index < 0)
        usageError(QStringLiteral("--%1 的值“%2”无效，应为 %3 之一")
                       .arg(option, value, choices.join(QStringLiteral("、"))));
    return index;
}

int aliasedChoiceOf(const QCommandLineParser &parser, const QString &option, const std::vector<QStringList> &choices)
{
    const QString value = parser.value(option);
    QStringList names;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].contains(value.toLower()))
            return static_cast<int>(i);
        names << choices[i].join(QLatin1Char('/'));
    }
    usageError(QStringLiteral("--%1 的值“%2”无效，应为 %3 之一").arg(option, value, names.join(QStringLiteral("、"))));
}

int integerOf(const QCommandLineParser &parser, const QString &option, int minimum, int maximum)
{
    const QString value = parser.value(option);
    bool ok = false;
    const int number = value.trimmed().toInt(&ok);
    if (!ok || number < minimum || number > maximum)
        usageError(QStringLiteral("--%1 的值“%2”无效：应为%3至%4的整数").arg(option, value).arg(minimum).arg(maximum));
    return number;
}

Extent extentOf(const QCommandLineParser &parser, const QString &option)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,4})\\s*[xX×]\\s*(\\d{1,4})\\s*$"));
    const QString value = parser.value(option);
    const QRegularExpressionMatch m = form.match(value);
    const int width = m.hasMatch() ? m.captured(1).toInt() : 0;
    const int height = m.hasMatch() ? m.captured(2).toInt() : 0;
    if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide)
        usageError(QStringLiteral("--%1 的值“%2”无效：应为 宽x高，每边1至%3像素，例如 128x64")
                       .arg(option, value)
                       .arg(kMaxBitmapSide));
    return {width, height};
}

std::vector<OptionSpec> packingOptions()
{
    return {
        {{QStringLiteral("layout")}, QStringLiteral("排列"),
         QStringLiteral("row（逐行式）、column（逐列式）、row-block（行列式）或 page（列行式，SSD1306/ST7565）"),
         QStringLiteral("row")},
        {{QStringLiteral("bit-order")}, QStringLiteral("位序"),
         QStringLiteral("msb（顺向，首个像素在位7）或 lsb（逆向，在位0）"), QStringLiteral("msb")},
        {{QStringLiteral("invert")}, QString(), QStringLiteral("每个字节取反（阳码，置低点亮）")},
    };
}

Packing packingOf(const QCommandLineParser &parser)
{
    Packing packing;
    packing.layout = static_cast<BitmapLayout>(aliasedChoiceOf(
        parser, QStringLiteral("layout"),
        {{QStringLiteral("row"), QStringLiteral("逐行式")},
         {QStringLiteral("column"), QStringLiteral("逐列式")},
         {QStringLiteral("row-block"), QStringLiteral("行列式")},
         {QStringLiteral("page"), QStringLiteral("列行式")}}));
    packing.order = static_cast<BitOrder>(
        aliasedChoiceOf(parser, QStringLiteral("bit-order"),
                        {{QStringLiteral("msb"), QStringLiteral("顺向")}, {QStringLiteral("lsb"), QStringLiteral("逆向")}}));
    packing.invert = parser.isSet(QStringLiteral("invert"));
    return packing;
}

OptionSpec compilerOption(const QString &description)
{
    return {{QStringLiteral("compiler")}, QStringLiteral("编译器"), description, QStringLiteral("keil")};
}

CCompiler compilerOf(const QCommandLineParser &parser)
{
    return choiceOf(parser, QStringLiteral("compiler"), {QStringLiteral("keil"), QStringLiteral("sdcc")}) == 1
               ? CCompiler::Sdcc
               : CCompiler::Keil;
}

QString identifierOf(const QCommandLineParser &parser, const QString &option)
{
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    const QString value = parser.value(option);
    if (!identifier.match(value).hasMatch())
        usageError(QStringLiteral("--%1 的值“%2”不是C标识符（字母或下划线开头，只含字母、数字、下划线）")
                       .arg(option, value));
    return value;
}

std::string lineEndOf(const QCommandLineParser &parser)
{
    return parser.isSet(QStringLiteral("crlf")) ? "\r\n" : "\n";
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
            refuse(QStringLiteral("%1第%2行：字节 %3 不是GB2312字符；UTF-8文件请用 --input-encoding utf-8")
                       .arg(source)
                       .arg(line)
                       .arg(QString::fromStdString(code)));
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
        refuse(QStringLiteral("%1是UTF-16文本；请另存为UTF-8或ANSI（GB2312）").arg(source));
    if (gb2312) {
        if (bytes.startsWith(utf8Mark))
            refuse(QStringLiteral("%1以UTF-8的BOM开头，是UTF-8文本；请用 --input-encoding utf-8").arg(source));
        return utf8OfGb2312(bytes, source);
    }
    if (bytes.startsWith(utf8Mark))
        bytes.remove(0, utf8Mark.size());
    // A line break is never part of a longer UTF-8 sequence, so lines can be checked one by one.
    int line = 1;
    for (const QByteArray &text : bytes.split('\n')) {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString decoded = decoder.decode(text); // decode() is lazy: only a QString decodes
        if (decoder.hasError())
            refuse(QStringLiteral("%1第%2行不是有效的UTF-8；GB2312（GBK，“ANSI”）文件请用 --input-encoding gb2312")
                       .arg(source)
                       .arg(line));
        ++line;
    }
    return bytes;
}

QByteArray readWhole(QFile &file, const QString &source)
{
    QByteArray data = file.readAll();
    if (file.error() != QFile::NoError)
        refuse(QStringLiteral("无法读取%1：%2").arg(source, file.errorString()));
    return data;
}

InputText standardInput()
{
    const QString source = QStringLiteral("标准输入");
    std::optional<QByteArray> bytes = readStandardInput();
    if (!bytes)
        refuse(QStringLiteral("无法读取标准输入"));
    return {source, std::move(*bytes)};
}

} // namespace

std::vector<std::uint8_t> readInputFile(const QString &path, const QString &what, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("无法打开%1“%2”：%3").arg(what, path, file.errorString()));
    if (file.size() > limit)
        refuse(QStringLiteral("%1“%2”大于%3 MiB").arg(what, path).arg(limit >> 20));
    // One byte more than the file should hold: a file that grows while it is read is caught too.
    std::vector<std::uint8_t> data(static_cast<std::size_t>(file.size()) + 1);
    qint64 size = 0;
    for (qint64 got = 0; size < static_cast<qint64>(data.size()); size += got) {
        got = file.read(reinterpret_cast<char *>(data.data()) + size, static_cast<qint64>(data.size()) - size);
        if (got < 0)
            refuse(QStringLiteral("无法读取%1“%2”：%3").arg(what, path, file.errorString()));
        if (got == 0)
            break;
    }
    if (size > limit || size == static_cast<qint64>(data.size()))
        refuse(QStringLiteral("%1“%2”在读取时改变了，或大于%3 MiB").arg(what, path).arg(limit >> 20));
    data.resize(static_cast<std::size_t>(size));
    return data;
}

std::vector<InputText> readInputTexts(const QCommandLineParser &parser)
{
    const QStringList arguments = parser.positionalArguments();
    if (parser.isSet(QStringLiteral("input"))) {
        if (!arguments.isEmpty())
            usageError(QStringLiteral("--input 与文本参数不能同时使用"));
        const bool gb2312 = choiceOf(parser, QStringLiteral("input-encoding"),
                                     {QStringLiteral("utf-8"), QStringLiteral("gb2312"), QStringLiteral("utf8")}) == 1;
        const QString path = parser.value(QStringLiteral("input"));
        if (path == QLatin1String("-")) {
            InputText input = standardInput();
            input.utf8 = decodeInput(input.utf8, gb2312, input.source);
            return {input};
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            refuse(QStringLiteral("无法打开文件“%1”：%2").arg(path, file.errorString()));
        const QString source = QStringLiteral("文件“%1”").arg(path);
        return {{path, decodeInput(readWhole(file, source), gb2312, source)}};
    }
    if (arguments == QStringList{QStringLiteral("-")})
        return {standardInput()};
    std::vector<InputText> texts;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString source = arguments.size() > 1 ? QStringLiteral("第%1个参数").arg(i + 1) : QString();
        texts.push_back({source, arguments.at(i).toUtf8()});
    }
    return texts;
}

void writeOutput(const QCommandLineParser &parser, const QByteArray &data)
{
    const QString path = parser.value(QStringLiteral("output"));
    if (path.isEmpty() || path == QLatin1String("-")) {
        if (std::fwrite(data.constData(), 1, static_cast<std::size_t>(data.size()), stdout) !=
                static_cast<std::size_t>(data.size()) ||
            std::fflush(stdout) != 0)
            refuse(QStringLiteral("无法写入标准输出"));
        return;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit())
        refuse(QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()));
}

QString describeCharacter(char32_t ucs4)
{
    const QString code = QStringLiteral("U+%1").arg(static_cast<uint>(ucs4), 4, 16, QLatin1Char('0')).toUpper();
    if (ucs4 < 0x20 || (ucs4 >= 0x7F && ucs4 < 0xA0))
        return code;
    return QStringLiteral("“%1”（%2）").arg(QString::fromUcs4(&ucs4, 1), code);
}

} // namespace zandrel::gen
