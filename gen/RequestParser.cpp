// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/RequestParser.h"

#include "core/Bitmap.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <algorithm>

namespace zandrel::gen {

using namespace generators;

namespace {

QString optionLabel(const OptionInfo &option)
{
    QString label;
    if (!option.shortName.isEmpty())
        label = QStringLiteral("-%1, ").arg(option.shortName);
    label += QStringLiteral("--") + option.name;
    if (!option.valueName.isEmpty())
        label += QStringLiteral(" <%1>").arg(option.valueName);
    return label;
}

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

std::vector<const OptionInfo *> allOptions(const CommandInfo &command)
{
    std::vector<const OptionInfo *> options;
    for (const OptionInfo &option : command.options)
        options.push_back(&option);
    for (const OptionInfo &option : commonOptions())
        options.push_back(&option);
    return options;
}

// The options of one command as read from its arguments, each value checked for its form.
class OptionReader
{
public:
    OptionReader(const CommandInfo &command, const QStringList &arguments) : command_(command)
    {
        for (const OptionInfo *option : allOptions(command)) {
            QStringList names{option->name};
            if (!option->shortName.isEmpty())
                names.prepend(option->shortName);
            parser_.addOption(QCommandLineOption(names, option->description, option->valueName));
        }
        if (!parser_.parse(QStringList{QStringLiteral("zandrel-gen")} + arguments)) {
            const QStringList unknown = parser_.unknownOptionNames();
            if (!unknown.isEmpty()) {
                const QString &name = unknown.first();
                refuseUsage(QStringLiteral("%1 命令没有选项“%2%3”")
                                .arg(command.name,
                                     name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                                     name));
            }
            // Qt words the remaining failures in English; name the option in ours.
            static const QRegularExpression missing(QStringLiteral("^Missing value after '(.*)'"));
            static const QRegularExpression unexpected(
                QStringLiteral("^Unexpected value after '(.*)'"));
            const QString error = parser_.errorText();
            if (const auto m = missing.match(error); m.hasMatch())
                refuseUsage(QStringLiteral("选项“%1”缺少值").arg(m.captured(1)));
            if (const auto m = unexpected.match(error); m.hasMatch())
                refuseUsage(QStringLiteral("选项“%1”不带值").arg(m.captured(1)));
            refuseUsage(error);
        }
    }

    void refuseArgumentsNotTaken() const
    {
        if (!command_.takesArguments && !parser_.positionalArguments().isEmpty())
            refuseUsage(QStringLiteral("%1 命令不带参数：“%2”")
                            .arg(command_.name, parser_.positionalArguments().first()));
    }

    bool helpAsked() const { return parser_.isSet(QStringLiteral("help")); }
    QStringList arguments() const { return parser_.positionalArguments(); }

    bool flag(const char *name) const { return parser_.isSet(QString::fromLatin1(name)); }

    std::optional<QString> text(const char *name) const
    {
        const QString option = QString::fromLatin1(name);
        if (!parser_.isSet(option))
            return std::nullopt;
        return parser_.value(option);
    }

    template <typename Enum> std::optional<Enum> choice(const char *name) const
    {
        const std::optional<QString> value = text(name);
        if (!value)
            return std::nullopt;
        const OptionInfo &option = info(name);
        const std::optional<int> chosen = choiceValue(option, *value);
        if (!chosen)
            refuseUsage(QStringLiteral("--%1 的值“%2”无效，应为 %3 之一")
                            .arg(option.name, *value, choiceList(option)),
                        option.name);
        return static_cast<Enum>(*chosen);
    }

    std::optional<int> integer(const char *name) const
    {
        const std::optional<QString> value = text(name);
        if (!value)
            return std::nullopt;
        const OptionInfo &option = info(name);
        bool ok = false;
        const int number = value->trimmed().toInt(&ok);
        if (!ok || number < option.minimum || number > option.maximum)
            refuseUsage(QStringLiteral("--%1 的值“%2”无效：应为%3至%4的整数")
                            .arg(option.name, *value)
                            .arg(option.minimum)
                            .arg(option.maximum),
                        option.name);
        return number;
    }

    // "WxH" (also "W×H"), each side 1 to kMaxBitmapSide.
    std::optional<Extent> extent(const char *name) const
    {
        static const QRegularExpression form(
            QStringLiteral("^\\s*(\\d{1,4})\\s*[xX×]\\s*(\\d{1,4})\\s*$"));
        const std::optional<QString> value = text(name);
        if (!value)
            return std::nullopt;
        const QRegularExpressionMatch m = form.match(*value);
        const int width = m.hasMatch() ? m.captured(1).toInt() : 0;
        const int height = m.hasMatch() ? m.captured(2).toInt() : 0;
        if (width < 1 || height < 1 || width > kMaxBitmapSide || height > kMaxBitmapSide)
            refuseUsage(QStringLiteral("--%1 的值“%2”无效：应为 宽x高，每边1至%3像素，例如 128x64")
                            .arg(QString::fromLatin1(name), *value)
                            .arg(kMaxBitmapSide),
                        QString::fromLatin1(name));
        return Extent{width, height};
    }

    PackingRequest packing() const
    {
        return {text("display"), choice<BitmapLayout>("layout"), choice<BitOrder>("bit-order"),
                choice<Padding>("pad"), flag("invert")};
    }

private:
    const OptionInfo &info(const char *name) const
    {
        return *findOption(command_, QString::fromLatin1(name));
    }

    const CommandInfo &command_;
    QCommandLineParser parser_;
};

template <typename Request>
Parsed<Request> parse(const CommandInfo &command, const QStringList &arguments,
                      Request (*read)(const OptionReader &))
{
    Parsed<Request> parsed;
    try {
        const OptionReader options(command, arguments);
        if (options.helpAsked()) {
            parsed.help = helpText(command);
            return parsed;
        }
        options.refuseArgumentsNotTaken();
        parsed.request = read(options);
        parsed.output = options.text("output").value_or(QString());
    } catch (const Refusal &refusal) {
        parsed.refusal = refusal;
    }
    return parsed;
}

GlyphRequest readGlyph(const OptionReader &options)
{
    GlyphRequest request;
    request.texts = options.arguments();
    request.input = options.text("input");
    request.inputEncoding = options.choice<TextEncoding>("input-encoding");
    request.library = options.flag("library");
    request.size = options.integer("size");
    request.font = options.text("font");
    request.face = options.integer("face");
    request.cell = options.extent("cell");
    request.asciiCell = options.extent("ascii-cell");
    request.clip = options.flag("clip");
    request.format = options.choice<GlyphTableFormat>("format");
    request.name = options.text("name");
    request.asciiName = options.text("ascii-name");
    request.packing = options.packing();
    request.compiler = options.choice<CCompiler>("compiler");
    request.encoding = options.choice<TextEncoding>("encoding");
    request.crlf = options.flag("crlf");
    return request;
}

PictureRequest readImage(const OptionReader &options)
{
    PictureRequest request;
    request.size = options.extent("size");
    request.stretch = options.flag("stretch");
    request.threshold = options.integer("threshold");
    request.dither = options.choice<Dither>("dither");
    request.format = options.choice<ImageFormat>("format");
    request.name = options.text("name");
    request.packing = options.packing();
    request.compiler = options.choice<CCompiler>("compiler");
    request.crlf = options.flag("crlf");
    const QStringList files = options.arguments();
    if (files.size() != 1)
        refuseUsage(files.isEmpty() ? QStringLiteral("缺少图片文件")
                                    : QStringLiteral("只能给出一个图片文件"));
    request.path = files.first();
    return request;
}

SegmentRequest readSegments(const OptionReader &options)
{
    SegmentRequest request;
    request.chars = options.text("chars");
    request.common = options.choice<SegmentWiring>("common");
    request.pins = options.text("pins");
    request.dp = options.flag("dp");
    request.format = options.choice<SegmentTableFormat>("format");
    request.name = options.text("name");
    request.compiler = options.choice<CCompiler>("compiler");
    request.crlf = options.flag("crlf");
    return request;
}

TimerRequest readTimer(const OptionReader &options)
{
    TimerRequest request;
    request.crystal = options.text("crystal");
    request.core = options.choice<CpuCore>("core");
    request.clocks = options.choice<int>("clocks");
    request.interval = options.text("interval");
    request.timer = options.integer("timer");
    request.mode = options.choice<TimerMode>("mode");
    request.baud = options.text("baud");
    request.baudTable = options.flag("baud-table");
    request.baudTimer = options.choice<BaudTimer>("baud-timer");
    request.smod = options.flag("smod");
    request.timerClock = options.choice<TimerClock>("timer-clock");
    request.format = options.choice<TimerFormat>("format");
    request.declareSfr = options.flag("declare-sfr");
    request.compiler = options.choice<CCompiler>("compiler");
    request.crlf = options.flag("crlf");
    return request;
}

DelayRequest readDelay(const OptionReader &options)
{
    DelayRequest request;
    request.crystal = options.text("crystal");
    request.time = options.text("time");
    request.core = options.choice<CpuCore>("core");
    request.clocks = options.choice<int>("clocks");
    request.format = options.choice<DelayFormat>("format");
    request.compiler = options.choice<CCompiler>("compiler");
    request.name = options.text("name");
    request.crlf = options.flag("crlf");
    return request;
}

FontListRequest readFonts(const OptionReader &options)
{
    return {options.flag("crlf")};
}

DecodeRequest readDecode(const OptionReader &options)
{
    DecodeRequest request;
    request.binary = options.flag("bin");
    request.size = options.extent("size");
    request.packing = options.packing();
    request.format = options.choice<DecodeFormat>("format");
    request.crlf = options.flag("crlf");
    const QStringList files = options.arguments();
    if (files.size() > 1)
        refuseUsage(QStringLiteral("只能给出一个文件"));
    if (!files.isEmpty())
        request.file = files.first();
    return request;
}

} // namespace

Parsed<DecodeRequest> parseDecode(const QStringList &arguments)
{
    return parse(decodeCommandInfo(), arguments, readDecode);
}

Parsed<FontListRequest> parseFonts(const QStringList &arguments)
{
    return parse(fontsCommandInfo(), arguments, readFonts);
}

Parsed<GlyphRequest> parseGlyph(const QStringList &arguments)
{
    return parse(glyphCommandInfo(), arguments, readGlyph);
}

Parsed<PictureRequest> parseImage(const QStringList &arguments)
{
    return parse(imageCommandInfo(), arguments, readImage);
}

Parsed<SegmentRequest> parseSegments(const QStringList &arguments)
{
    return parse(segmentsCommandInfo(), arguments, readSegments);
}

Parsed<TimerRequest> parseTimer(const QStringList &arguments)
{
    return parse(timerCommandInfo(), arguments, readTimer);
}

Parsed<DelayRequest> parseDelay(const QStringList &arguments)
{
    return parse(delayCommandInfo(), arguments, readDelay);
}

QString padded(const QString &text, int columns)
{
    return text + QString(std::max(0, columns - columnsOf(text)), QLatin1Char(' '));
}

QString helpText(const CommandInfo &command)
{
    QString text = QStringLiteral("用法：zandrel-gen %1 %2\n\n%3\n\n选项：\n")
                       .arg(command.name, command.synopsis, command.summary);
    const std::vector<const OptionInfo *> options = allOptions(command);
    int width = 0;
    for (const OptionInfo *option : options)
        width = std::max(width, columnsOf(optionLabel(*option)));
    for (const OptionInfo *option : options) {
        // A description of several lines goes on under its first.
        QString description = option->description;
        description.replace(QLatin1Char('\n'),
                            QLatin1Char('\n') + QString(width + 4, QLatin1Char(' ')));
        text += QStringLiteral("  ") + padded(optionLabel(*option), width + 2) + description;
        if (!option->defaultText.isEmpty())
            text += QStringLiteral("（默认：%1）").arg(option->defaultText);
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace zandrel::gen
