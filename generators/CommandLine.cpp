// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"

#include "generators/OptionTable.h"

#include <QHash>

namespace zandrel::generators {

namespace {

// What a request gives, by option name: a flag's value is empty.
class Given
{
public:
    void flag(const char *name, bool set)
    {
        if (set)
            values_.insert(QString::fromLatin1(name), QString());
    }
    void text(const char *name, const std::optional<QString> &value)
    {
        if (value)
            values_.insert(QString::fromLatin1(name), *value);
    }
    void number(const char *name, const std::optional<int> &value)
    {
        if (value)
            values_.insert(QString::fromLatin1(name), QString::number(*value));
    }
    void extent(const char *name, const std::optional<Extent> &value)
    {
        if (value)
            values_.insert(QString::fromLatin1(name),
                           QStringLiteral("%1x%2").arg(value->width).arg(value->height));
    }
    template <typename Enum> void choice(const char *name, const std::optional<Enum> &value)
    {
        if (value)
            values_.insert(QString::fromLatin1(name), QString::number(static_cast<int>(*value)));
    }
    void packing(const PackingRequest &packing)
    {
        text("display", packing.display);
        choice("layout", packing.layout);
        choice("bit-order", packing.bitOrder);
        choice("pad", packing.pad);
        flag("invert", packing.invert);
    }

    // The command's name, its options in the table's order, then the arguments.
    QStringList arguments(const CommandInfo &command, const QStringList &texts) const
    {
        QStringList arguments{command.name};
        std::vector<const OptionInfo *> options;
        for (const OptionInfo &option : command.options)
            options.push_back(&option);
        for (const OptionInfo &option : commonOptions())
            options.push_back(&option);
        for (const OptionInfo *option : options) {
            const auto it = values_.constFind(option->name);
            if (it == values_.constEnd())
                continue;
            const QString name = QStringLiteral("--") + option->name;
            if (option->valueName.isEmpty()) {
                arguments << name;
                continue;
            }
            const QString value =
                option->choices.empty() ? *it : choiceSpelling(*option, it->toInt());
            // A value that looks like an option is joined to its name, so that it is read as a
            // value.
            if (value.startsWith(QLatin1Char('-')) && value != QLatin1String("-"))
                arguments << name + QLatin1Char('=') + value;
            else
                arguments << name << value;
        }
        bool dashed = false;
        for (const QString &text : texts)
            dashed = dashed || (text.startsWith(QLatin1Char('-')) && text != QLatin1String("-"));
        if (dashed)
            arguments << QStringLiteral("--");
        arguments << texts;
        return arguments;
    }

private:
    QHash<QString, QString> values_;
};

// A text's lines, one argument each; a text of one line stays as it is, empty or not.
QStringList textArguments(const QStringList &texts)
{
    QStringList arguments;
    for (const QString &text : texts) {
        if (!text.contains(QLatin1Char('\n'))) {
            arguments << text;
            continue;
        }
        for (QString line : text.split(QLatin1Char('\n'))) {
            while (line.endsWith(QLatin1Char('\r')))
                line.chop(1);
            if (!line.isEmpty())
                arguments << line;
        }
    }
    return arguments;
}

bool plainInPosix(const QString &argument)
{
    if (argument.isEmpty() || argument.startsWith(QLatin1Char('~')))
        return false;
    for (const QChar c : argument) {
        const char16_t u = c.unicode();
        if (u >= 0x80 ? !c.isPrint() || c.isSpace()
                      : !(c.isLetterOrNumber() || QStringView(u"_-./:,+=@%").contains(c)))
            return false;
    }
    return true;
}

} // namespace

QString quotedArgument(const QString &argument, Shell shell)
{
    if (shell == Shell::Posix) {
        if (plainInPosix(argument))
            return argument;
        QString quoted = argument;
        quoted.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
        return QLatin1Char('\'') + quoted + QLatin1Char('\'');
    }
    // The C runtime's rules: inside double quotes a quote is \", and backslashes are doubled
    // only before a quote (and before the closing one).
    bool plain = !argument.isEmpty();
    for (const QChar c : argument)
        plain = plain && !QStringView(u" \t\"&|<>^()%!").contains(c) && c.isPrint();
    if (plain)
        return argument;
    QString quoted = QStringLiteral("\"");
    int backslashes = 0;
    for (const QChar c : argument) {
        if (c == QLatin1Char('\\')) {
            ++backslashes;
            continue;
        }
        quoted +=
            QString(c == QLatin1Char('"') ? backslashes * 2 + 1 : backslashes, QLatin1Char('\\'));
        backslashes = 0;
        quoted += c;
    }
    quoted += QString(backslashes * 2, QLatin1Char('\\'));
    return quoted + QLatin1Char('"');
}

QStringList argumentsOf(const GlyphRequest &request)
{
    Given given;
    given.text("input", request.input);
    given.choice("input-encoding", request.inputEncoding);
    given.flag("library", request.library);
    given.number("size", request.size);
    given.text("font", request.font);
    given.number("face", request.face);
    given.extent("cell", request.cell);
    given.extent("ascii-cell", request.asciiCell);
    given.flag("clip", request.clip);
    given.choice("format", request.format);
    given.text("name", request.name);
    given.text("ascii-name", request.asciiName);
    given.packing(request.packing);
    given.choice("compiler", request.compiler);
    given.choice("encoding", request.encoding);
    given.flag("crlf", request.crlf);
    return given.arguments(glyphCommandInfo(), textArguments(request.texts));
}

QStringList argumentsOf(const PictureRequest &request)
{
    Given given;
    given.extent("size", request.size);
    given.flag("stretch", request.stretch);
    given.number("threshold", request.threshold);
    given.choice("dither", request.dither);
    given.choice("format", request.format);
    given.text("name", request.name);
    given.packing(request.packing);
    given.choice("compiler", request.compiler);
    given.flag("crlf", request.crlf);
    // A picture without a file (pasted into a window) is named as standard input would be.
    return given.arguments(imageCommandInfo(),
                           {request.path.isEmpty() ? QStringLiteral("-") : request.path});
}

QStringList argumentsOf(const SegmentRequest &request)
{
    Given given;
    given.text("chars", request.chars);
    given.choice("common", request.common);
    given.text("pins", request.pins);
    given.flag("dp", request.dp);
    given.choice("format", request.format);
    given.text("name", request.name);
    given.choice("compiler", request.compiler);
    given.flag("crlf", request.crlf);
    return given.arguments(segmentsCommandInfo(), {});
}

QStringList argumentsOf(const TimerRequest &request)
{
    Given given;
    given.text("crystal", request.crystal);
    given.choice("core", request.core);
    given.number("clocks", request.clocks);
    given.text("interval", request.interval);
    given.number("timer", request.timer);
    given.choice("mode", request.mode);
    given.text("baud", request.baud);
    given.flag("baud-table", request.baudTable);
    given.choice("baud-timer", request.baudTimer);
    given.flag("smod", request.smod);
    given.choice("timer-clock", request.timerClock);
    given.choice("format", request.format);
    given.flag("declare-sfr", request.declareSfr);
    given.choice("compiler", request.compiler);
    given.flag("crlf", request.crlf);
    return given.arguments(timerCommandInfo(), {});
}

QStringList argumentsOf(const DelayRequest &request)
{
    Given given;
    given.text("crystal", request.crystal);
    given.text("time", request.time);
    given.choice("core", request.core);
    given.number("clocks", request.clocks);
    given.choice("format", request.format);
    given.choice("compiler", request.compiler);
    given.text("name", request.name);
    given.flag("crlf", request.crlf);
    return given.arguments(delayCommandInfo(), {});
}

QStringList argumentsOf(const FontListRequest &request)
{
    Given given;
    given.flag("crlf", request.crlf);
    return given.arguments(fontsCommandInfo(), {});
}

QStringList argumentsOf(const DecodeRequest &request)
{
    Given given;
    given.flag("bin", request.binary);
    given.extent("size", request.size);
    given.packing(request.packing);
    given.choice("format", request.format);
    given.flag("crlf", request.crlf);
    return given.arguments(decodeCommandInfo(),
                           request.file ? QStringList{*request.file} : QStringList{});
}

template <typename Request> QString commandLineOf(const Request &request, Shell shell)
{
    QString line = QStringLiteral("zandrel-gen");
    for (const QString &argument : argumentsOf(request))
        line += QLatin1Char(' ') + quotedArgument(argument, shell);
    return line;
}

template QString commandLineOf(const GlyphRequest &, Shell);
template QString commandLineOf(const PictureRequest &, Shell);
template QString commandLineOf(const SegmentRequest &, Shell);
template QString commandLineOf(const TimerRequest &, Shell);
template QString commandLineOf(const DelayRequest &, Shell);
template QString commandLineOf(const FontListRequest &, Shell);
template QString commandLineOf(const DecodeRequest &, Shell);

} // namespace zandrel::generators
