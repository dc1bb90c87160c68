// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Requests written back as command lines and read again by zandrel-gen's parser.
#include "generators/CommandLine.h"
#include "gen/RequestParser.h"

#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include <variant>

using namespace zandrel;
using namespace zandrel::generators;

using AnyRequest = std::variant<GlyphRequest, PictureRequest, SegmentRequest, TimerRequest,
                                DelayRequest, FontListRequest, DecodeRequest>;
Q_DECLARE_METATYPE(AnyRequest)

namespace {

QStringList argumentsOfAny(const AnyRequest &request)
{
    return std::visit([](const auto &r) { return argumentsOf(r); }, request);
}

QString commandLineOfAny(const AnyRequest &request, Shell shell)
{
    return std::visit([shell](const auto &r) { return commandLineOf(r, shell); }, request);
}

// The request the parser reads from those arguments, or the refusal's message.
std::variant<AnyRequest, QString> parsed(const QStringList &arguments)
{
    const QString command = arguments.value(0);
    const QStringList rest = arguments.mid(1);
    auto take = [](const auto &result) -> std::variant<AnyRequest, QString> {
        if (result.refusal)
            return result.refusal->message;
        return AnyRequest(result.request);
    };
    if (command == QLatin1String("glyph"))
        return take(gen::parseGlyph(rest));
    if (command == QLatin1String("image"))
        return take(gen::parseImage(rest));
    if (command == QLatin1String("segments"))
        return take(gen::parseSegments(rest));
    if (command == QLatin1String("timer"))
        return take(gen::parseTimer(rest));
    if (command == QLatin1String("delay"))
        return take(gen::parseDelay(rest));
    if (command == QLatin1String("decode"))
        return take(gen::parseDecode(rest));
    return take(gen::parseFonts(rest));
}

// The words a POSIX shell makes of the line, the program first.
QStringList shellArguments(const QString &line)
{
    QProcess shell;
    shell.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("printf '%s\\0' ") + line});
    if (!shell.waitForFinished(10000))
        return {};
    QStringList arguments = QString::fromUtf8(shell.readAllStandardOutput()).split(QChar(0));
    arguments.removeLast();
    return arguments;
}

// The arguments a Windows program's C runtime makes of its command line: blanks part them
// outside quotes; 2n backslashes before a quote are n and the quote opens or closes, 2n + 1 are
// n and a plain quote; other backslashes are themselves.
QStringList windowsArguments(const QString &line)
{
    QStringList arguments;
    QString argument;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char('\\')) {
            qsizetype n = 0;
            while (i + n < line.size() && line.at(i + n) == QLatin1Char('\\'))
                ++n;
            const bool beforeQuote = i + n < line.size() && line.at(i + n) == QLatin1Char('"');
            argument += QString(beforeQuote ? n / 2 : n, QLatin1Char('\\'));
            i += n - 1;
            if (beforeQuote && n % 2 == 1) {
                argument += QLatin1Char('"');
                ++i;
            }
            inArgument = true;
        } else if (c == QLatin1Char('"')) {
            quoted = !quoted;
            inArgument = true;
        } else if ((c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !quoted) {
            if (inArgument)
                arguments << argument;
            argument.clear();
            inArgument = false;
        } else {
            argument += c;
            inArgument = true;
        }
    }
    if (inArgument)
        arguments << argument;
    return arguments;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void readsBackAsTheSameRequest_data();
    void readsBackAsTheSameRequest();
};

// Between them the rows give every option of every command.
void CommandLineTest::readsBackAsTheSameRequest_data()
{
    QTest::addColumn<AnyRequest>("request");
    QTest::addColumn<AnyRequest>("readBack"); // where the line cannot keep the request as it was
    QTest::addColumn<QString>("line");        // as a POSIX shell takes it

    GlyphRequest plain;
    plain.texts = QStringList{QStringLiteral("温度")};
    plain.size = 12;
    QTest::newRow("plain") << AnyRequest(plain) << AnyRequest(plain)
                           << QStringLiteral("zandrel-gen glyph --size 12 温度");

    GlyphRequest full;
    full.input = QStringLiteral("菜单.txt");
    full.inputEncoding = TextEncoding::Gb2312;
    full.size = 24;
    full.font = QStringLiteral("/usr/share/fonts/My Font.ttc");
    full.face = 1;
    full.cell = Extent{10, 7};
    full.asciiCell = Extent{5, 7};
    full.clip = true;
    full.format = GlyphTableFormat::Struct;
    full.name = QStringLiteral("menu");
    full.asciiName = QStringLiteral("menu_a");
    full.packing = {QStringLiteral("SSD1306"), BitmapLayout::Page, BitOrder::Lsb, Padding::Left,
                    true};
    full.compiler = CCompiler::Sdcc;
    full.encoding = TextEncoding::Gb2312;
    full.crlf = true;
    QTest::newRow("every glyph option")
        << AnyRequest(full) << AnyRequest(full)
        << QStringLiteral("zandrel-gen glyph --input 菜单.txt --input-encoding gb2312 --size 24 "
                          "--font '/usr/share/fonts/My Font.ttc' --face 1 --cell 10x7 "
                          "--ascii-cell 5x7 --clip --format struct --name menu "
                          "--ascii-name menu_a --display SSD1306 --layout page "
                          "--bit-order lsb --pad left --invert "
                          "--compiler sdcc --encoding gb2312 --crlf");

    GlyphRequest library;
    library.library = true;
    library.format = GlyphTableFormat::Bin;
    library.packing.layout = BitmapLayout::RowBlock;
    QTest::newRow("library") << AnyRequest(library) << AnyRequest(library)
                             << QStringLiteral(
                                    "zandrel-gen glyph --library --format bin --layout row-block");

    GlyphRequest dashed;
    dashed.texts = QStringList{QStringLiteral("温度"), QStringLiteral("-5℃")};
    QTest::newRow("text like an option") << AnyRequest(dashed) << AnyRequest(dashed)
                                         << QStringLiteral("zandrel-gen glyph -- 温度 -5℃");

    GlyphRequest quoted;
    quoted.texts = QStringList{QStringLiteral("it's $HOME `x` \\")};
    QTest::newRow("shell characters")
        << AnyRequest(quoted) << AnyRequest(quoted)
        << QStringLiteral("zandrel-gen glyph 'it'\\''s $HOME `x` \\'");

    GlyphRequest lines;
    lines.texts = QStringList{QStringLiteral("温度\n湿度\r\n\n")};
    GlyphRequest lineByLine;
    lineByLine.texts = QStringList{QStringLiteral("温度"), QStringLiteral("湿度")};
    QTest::newRow("text of lines") << AnyRequest(lines) << AnyRequest(lineByLine)
                                   << QStringLiteral("zandrel-gen glyph 温度 湿度");

    GlyphRequest piped;
    piped.input = QStringLiteral("-");
    QTest::newRow("standard input")
        << AnyRequest(piped) << AnyRequest(piped) << QStringLiteral("zandrel-gen glyph --input -");

    PictureRequest picture;
    picture.path = QStringLiteral("my logo.png");
    picture.size = Extent{128, 64};
    picture.stretch = true;
    picture.threshold = 100;
    picture.dither = Dither::FloydSteinberg;
    picture.format = ImageFormat::Asm51;
    picture.name = QStringLiteral("logo");
    picture.packing = {QStringLiteral("hd44780"), BitmapLayout::Column, BitOrder::Msb,
                       Padding::Right, false};
    picture.compiler = CCompiler::Keil;
    picture.crlf = true;
    QTest::newRow("every image option")
        << AnyRequest(picture) << AnyRequest(picture)
        << QStringLiteral("zandrel-gen image --size 128x64 --stretch --threshold 100 --dither "
                          "floyd-steinberg --format asm "
                          "--name logo --display hd44780 --layout column --bit-order msb --pad "
                          "right --compiler keil "
                          "--crlf 'my logo.png'");

    SegmentRequest segments;
    segments.chars = QStringLiteral("-_ 0");
    segments.common = SegmentWiring::CommonCathode;
    segments.pins = QStringLiteral("A,B,C,D,E,F,G,DP");
    segments.dp = true;
    segments.format = SegmentTableFormat::List;
    segments.name = QStringLiteral("digits");
    segments.compiler = CCompiler::Sdcc;
    segments.crlf = true;
    QTest::newRow("every segments option")
        << AnyRequest(segments) << AnyRequest(segments)
        << QStringLiteral("zandrel-gen segments '--chars=-_ 0' --common cathode --pins "
                          "A,B,C,D,E,F,G,DP --dp --format list "
                          "--name digits --compiler sdcc --crlf");

    TimerRequest interval;
    interval.crystal = QStringLiteral("11.0592");
    interval.clocks = 6;
    interval.interval = QStringLiteral("50 ms");
    interval.mode = TimerMode::Mode2;
    interval.format = TimerFormat::Init;
    interval.compiler = CCompiler::Sdcc;
    interval.crlf = true;
    QTest::newRow("timer interval")
        << AnyRequest(interval) << AnyRequest(interval)
        << QStringLiteral("zandrel-gen timer --crystal 11.0592 --clocks 6 --interval '50 ms' "
                          "--mode 2 --format init --compiler sdcc --crlf");

    TimerRequest baud;
    baud.crystal = QStringLiteral("12");
    baud.baud = QStringLiteral("4800");
    baud.smod = true;
    QTest::newRow("timer baud") << AnyRequest(baud) << AnyRequest(baud)
                                << QStringLiteral(
                                       "zandrel-gen timer --crystal 12 --baud 4800 --smod");

    TimerRequest oneT;
    oneT.crystal = QStringLiteral("11.0592");
    oneT.core = CpuCore::Stc15;
    oneT.interval = QStringLiteral("1ms");
    oneT.timer = 1;
    oneT.mode = TimerMode::Mode0;
    oneT.timerClock = TimerClock::TwelveT;
    oneT.format = TimerFormat::Asm;
    oneT.declareSfr = true;
    QTest::newRow("timer on a 1T core")
        << AnyRequest(oneT) << AnyRequest(oneT)
        << QStringLiteral("zandrel-gen timer --crystal 11.0592 --core stc15 --interval 1ms "
                          "--timer 1 --mode 0 --timer-clock 12t --format asm --declare-sfr");

    TimerRequest table;
    table.crystal = QStringLiteral("11.0592");
    table.core = CpuCore::Stc12;
    table.baudTable = true;
    table.baudTimer = BaudTimer::Brt;
    table.smod = true;
    table.timerClock = TimerClock::OneT;
    QTest::newRow("timer baud table")
        << AnyRequest(table) << AnyRequest(table)
        << QStringLiteral("zandrel-gen timer --crystal 11.0592 --core stc12 --baud-table "
                          "--baud-timer brt --smod --timer-clock 1t");

    TimerRequest timer2;
    timer2.crystal = QStringLiteral("11.0592");
    timer2.core = CpuCore::Classic6T;
    timer2.baud = QStringLiteral("115200");
    timer2.baudTimer = BaudTimer::Timer2;
    QTest::newRow("timer 8052 baud")
        << AnyRequest(timer2) << AnyRequest(timer2)
        << QStringLiteral("zandrel-gen timer --crystal 11.0592 --core 6t --baud 115200 "
                          "--baud-timer 2");

    DelayRequest stcDelay;
    stcDelay.crystal = QStringLiteral("24");
    stcDelay.time = QStringLiteral("10us");
    stcDelay.core = CpuCore::Stc8;
    QTest::newRow("delay on a 1T core")
        << AnyRequest(stcDelay) << AnyRequest(stcDelay)
        << QStringLiteral("zandrel-gen delay --crystal 24 --time 10us --core stc8");

    DelayRequest delay;
    delay.crystal = QStringLiteral("12");
    delay.time = QStringLiteral("2.5ms");
    delay.clocks = 6;
    delay.format = DelayFormat::Asm;
    delay.compiler = CCompiler::Sdcc;
    delay.name = QStringLiteral("Wait");
    delay.crlf = true;
    QTest::newRow("every delay option")
        << AnyRequest(delay) << AnyRequest(delay)
        << QStringLiteral("zandrel-gen delay --crystal 12 --time 2.5ms --clocks 6 --format asm "
                          "--compiler sdcc --name Wait --crlf");

    DecodeRequest decode;
    decode.file = QStringLiteral("-菜单 字模.bin");
    decode.binary = true;
    decode.size = Extent{8, 16};
    decode.packing = {QStringLiteral("ssd1306"), BitmapLayout::Column, BitOrder::Lsb, Padding::Left,
                      true};
    decode.format = DecodeFormat::Pbm;
    decode.crlf = true;
    QTest::newRow("every decode option")
        << AnyRequest(decode) << AnyRequest(decode)
        << QStringLiteral("zandrel-gen decode --bin --size 8x16 --display ssd1306 --layout column "
                          "--bit-order lsb --pad left --invert --format pbm --crlf -- "
                          "'-菜单 字模.bin'");

    DecodeRequest pasted;
    pasted.packing.layout = BitmapLayout::Page;
    QTest::newRow("decode from standard input")
        << AnyRequest(pasted) << AnyRequest(pasted)
        << QStringLiteral("zandrel-gen decode --layout page");

    const FontListRequest fonts{true};
    QTest::newRow("fonts") << AnyRequest(fonts) << AnyRequest(fonts)
                           << QStringLiteral("zandrel-gen fonts --crlf");
}

void CommandLineTest::readsBackAsTheSameRequest()
{
    QFETCH(AnyRequest, request);
    QFETCH(AnyRequest, readBack);
    QFETCH(QString, line);
    QCOMPARE(commandLineOfAny(request, Shell::Posix), line);
    const QStringList arguments = argumentsOfAny(request);
    const std::variant<AnyRequest, QString> read = parsed(arguments);
    if (const QString *refusal = std::get_if<QString>(&read))
        QFAIL(qPrintable(*refusal));
    QVERIFY(std::get<AnyRequest>(read) == readBack);
    // A Windows build's tests run where there is no POSIX shell.
    if (QFileInfo(QStringLiteral("/bin/sh")).isExecutable())
        QCOMPARE(shellArguments(line), QStringList{QStringLiteral("zandrel-gen")} + arguments);
    QCOMPARE(windowsArguments(commandLineOfAny(request, Shell::Cmd)),
             QStringList{QStringLiteral("zandrel-gen")} + arguments);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
