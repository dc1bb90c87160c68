// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Runs the built zandrel-gen and checks its output against the routines the window uses.
#include "core/FontTable.h"
#include "core/Gb2312.h"
#include "core/GlyphCodeText.h"
#include "core/SegmentCode.h"
#include "core/Version.h"

#include <QDir>
#include <QImage>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run gen(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(ZANDREL_GEN), arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray gb2312Of(const QString &text)
{
    const QList<uint> ucs4 = text.toUcs4();
    return QByteArray::fromStdString(zandrel::encodeGb2312(std::u32string(ucs4.begin(), ucs4.end())).value());
}

zandrel::Glyph glyphOf(const QString &character)
{
    const QByteArray code = gb2312Of(character);
    return zandrel::GlyphOf(static_cast<std::uint8_t>(code[0]), static_cast<std::uint8_t>(code[1])).value();
}

QList<QByteArray> lines(const QByteArray &text)
{
    QList<QByteArray> list = text.split('\n');
    if (!list.isEmpty() && list.last().isEmpty())
        list.removeLast();
    return list;
}

} // namespace

class ZandrelGenTest : public QObject
{
    Q_OBJECT

private slots:
    void exitStatusAndMessage_data();
    void exitStatusAndMessage();
    void refusalLeavesOutputFileAlone();
    void inputFileInEitherEncoding_data();
    void inputFileInEitherEncoding();
    void glyphLinesAreTheWindowsCodeText_data();
    void glyphLinesAreTheWindowsCodeText();
    void layoutsAreTranspositionsOfTheFont_data();
    void layoutsAreTranspositionsOfTheFont();
    void libraryIsTheWholeFont();
    void assignedCodesAreTheCodecs();
    void segmentCodesFollowThePins_data();
    void segmentCodesFollowThePins();
    void timerReloads_data();
    void timerReloads();
    void unifontMatchesTheDisplaysLayouts_data();
    void unifontMatchesTheDisplaysLayouts();
    void builtInSizesHaveHalfWidthAscii_data();
    void builtInSizesHaveHalfWidthAscii();
    void mixedTextGivesTwoTables();
    void sameTableEitherWay_data();
    void sameTableEitherWay();
    void warnsOnlyPastCodeMemory_data();
    void warnsOnlyPastCodeMemory();
    void bdfFontMadeHere();
    void pictureMadeHere();
    void decodeDrawsWhatGlyphPacked_data();
    void decodeDrawsWhatGlyphPacked();
    void sdccCompilesTheC_data();
    void sdccCompilesTheC();
};

void ZandrelGenTest::exitStatusAndMessage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message"); // part of standard error; for status 0, of standard output

    const QByteArray none;
    QTest::newRow("version") << QStringList{"--version"} << none << 0
                             << QStringLiteral("zandrel-gen ") + QString::fromLatin1(zandrel::kVersion.data());
    QTest::newRow("program help") << QStringList{"--help"} << none << 0 << QStringLiteral("用法：zandrel-gen 命令");
    QTest::newRow("command help") << QStringList{"timer", "--help"} << none << 0 << QStringLiteral("--crystal <MHz>");
    QTest::newRow("no command") << QStringList{} << none << 1 << QStringLiteral("缺少命令");
    QTest::newRow("unknown command") << QStringList{"font"} << none << 1 << QStringLiteral("未知命令“font”");
    QTest::newRow("unknown option") << QStringList{"glyph", "--colour", "测"} << none << 1 << QStringLiteral("“--colour”");
    QTest::newRow("missing value") << QStringList{"glyph", "测", "--name"} << none << 1 << QStringLiteral("“--name”缺少值");
    QTest::newRow("bad format") << QStringList{"glyph", "--format", "hex", "测"} << none << 1 << QStringLiteral("“hex”");
    QTest::newRow("bad name") << QStringList{"glyph", "--name", "9lives", "测"} << none << 1 << QStringLiteral("“9lives”不是C标识符");
    QTest::newRow("no text") << QStringList{"glyph"} << none << 1 << QStringLiteral("缺少文本");
    QTest::newRow("library with text") << QStringList{"glyph", "--library", "测"} << none << 1 << QStringLiteral("--library");
    QTest::newRow("pins repeat a name") << QStringList{"segments", "--pins", "A,A,C,D,E,F,G,DP"} << none << 1
                                        << QStringLiteral("“A,A,C,D,E,F,G,DP”");
    QTest::newRow("crystal zero") << QStringList{"timer", "--crystal", "0", "--interval", "1ms"} << none << 1 << QStringLiteral("--crystal");
    QTest::newRow("crystal above 100") << QStringList{"timer", "--crystal", "101", "--baud", "9600"} << none << 1 << QStringLiteral("“101”");
    QTest::newRow("interval without unit") << QStringList{"timer", "--crystal", "12", "--interval", "50"} << none << 1 << QStringLiteral("“50”");
    QTest::newRow("interval and baud") << QStringList{"timer", "--crystal", "12", "--interval", "1ms", "--baud", "9600"} << none << 1
                                       << QStringLiteral("--interval 和 --baud");
    QTest::newRow("control character") << QStringList{"glyph", QStringLiteral("测\u0001")} << none << 2
                                       << QStringLiteral("第1行第2列：字符U+0001不是可显示的字符");
    QTest::newRow("line and column from stdin") << QStringList{"glyph", "-"} << QByteArray("测\n 试€") << 2
                                               << QStringLiteral("标准输入，第2行第3列：字符“€”");
    QTest::newRow("second argument") << QStringList{"glyph", "测", "€"} << none << 2 << QStringLiteral("第2个参数，第1行第1列：字符“€”");
    QTest::newRow("private use") << QStringList{"glyph", QString(QChar(0xE000))} << none << 2 << QStringLiteral("U+E000");
    QTest::newRow("outside GB2312") << QStringList{"glyph", "测ⅰ"} << none << 2 << QStringLiteral("U+2170");
    QTest::newRow("bad UTF-8") << QStringList{"glyph", "-"} << QByteArray("\xB2\xE2") << 2 << QStringLiteral("不是有效的UTF-8");
    QTest::newRow("only blanks") << QStringList{"glyph", " \t"} << none << 2 << QStringLiteral("没有可生成字模的字符");
    QTest::newRow("undrawable segment") << QStringList{"segments", "--chars", "12X"} << none << 2 << QStringLiteral("第3个字符“X”");
    QTest::newRow("interval too long") << QStringList{"timer", "--crystal", "12", "--interval", "100ms"} << none << 2
                                       << QStringLiteral("最长可定时65.536ms");
    QTest::newRow("mode 2 too long") << QStringList{"timer", "--crystal", "12", "--interval", "300us", "--mode", "2"} << none << 2
                                     << QStringLiteral("最长可定时256.000us");
    QTest::newRow("baud count too small") << QStringList{"timer", "--crystal", "11.0592", "--baud", "115200"} << none << 2
                                          << QStringLiteral("波特率115200");
    const QString unifont = QStringLiteral("/usr/share/fonts/X11/misc/unifont.pcf.gz");
    const QString notAFile = QStringLiteral("/etc/os-release");
    QTest::newRow("built-in size") << QStringList{"glyph", "--size", "13", "测"} << none << 1 << QStringLiteral("内置字库只有 12、16、24");
    QTest::newRow("bad cell") << QStringList{"glyph", "--cell", "16", "测"} << none << 1 << QStringLiteral("--cell 的值“16”无效");
    QTest::newRow("face without font") << QStringList{"glyph", "--face", "1", "测"} << none << 1 << QStringLiteral("--face 只用于 --font");
    QTest::newRow("same table names") << QStringList{"glyph", "--ascii-name", "hz16", "测"} << none << 1 << QStringLiteral("不能相同");
    QTest::newRow("bad layout") << QStringList{"glyph", "--layout", "逐页式", "测"} << none << 1 << QStringLiteral("row/逐行式");
    QTest::newRow("not a font") << QStringList{"glyph", "--font", notAFile, "测"} << none << 2 << QStringLiteral("不是能读取的字体文件");
    // A BDF strike of grey pixels with no BITMAP behind it: FreeType hands back a bitmap without a buffer.
    QTest::newRow("damaged strike") << QStringList{"glyph", "--font", QStringLiteral(ZANDREL_FONT_CORPUS "/null-grey-strike.bdf"), "A"}
                                    << none << 2 << QStringLiteral("字符“A”（U+0041）：字形的点阵数据已损坏");
    QTest::newRow("no font file") << QStringList{"glyph", "--font", "/nonexistent.bdf", "测"} << none << 2 << QStringLiteral("无法打开字体文件");
    QTest::newRow("size the font lacks") << QStringList{"glyph", "--font", unifont, "--size", "24", "测"} << none << 2
                                         << QStringLiteral("只有 16 像素的点阵");
    QTest::newRow("face the file lacks") << QStringList{"glyph", "--font", unifont, "--face", "2", "测"} << none << 2
                                         << QStringLiteral("字体文件只有1个字体");
    QTest::newRow("struct code outside GB2312") << QStringList{"glyph", "--font", unifont, "-f", "struct", "€"} << none << 2
                                                << QStringLiteral("字符“€”（U+20AC）没有GB2312编码");
    QTest::newRow("--encoding gb2312 with a font") << QStringList{"glyph", "--font", unifont, "--encoding", "gb2312", "€"} << none << 2
                                                   << QStringLiteral("字符“€”（U+20AC）不是GB2312字符");
    QTest::newRow("half-width cell halved from --cell") << QStringList{"glyph", "--font", unifont, "--cell", "8x16", " \nA"} << none << 2
                                                        << QStringLiteral("第2行第1列：字符“A”（U+0041）是半角字符，字形超出了半角字格4×16"
                                                                          "（为 --cell 8x16 的宽度减半）；可用 --ascii-cell");
    QTest::newRow("half-width cell given") << QStringList{"glyph", "--ascii-cell", "8x8", "A"} << none << 2
                                           << QStringLiteral("半角字格8×8（由 --ascii-cell 给出）");
    QTest::newRow("bad half-width cell") << QStringList{"glyph", "--ascii-cell", "0x8", "A"} << none << 1
                                         << QStringLiteral("--ascii-cell 的值“0x8”无效");
    QTest::newRow("unknown display") << QStringList{"glyph", "--display", "ssd1309", "A"} << none << 1
                                     << QStringLiteral("--display 的值“ssd1309”无效，应为 ssd1306、sh1106");
    QTest::newRow("family not installed") << QStringList{"glyph", "--font", "Zandrel Missing Sans", "A"} << none << 2
                                          << QStringLiteral("没有名为“Zandrel Missing Sans”的字体文件或已安装字体");
    QTest::newRow("face with a family") << QStringList{"glyph", "--font", "WenQuanYi Micro Hei", "--face", "1", "A"} << none
                                        << 1 << QStringLiteral("--face 只用于字体文件");
#ifndef ZANDREL_NO_BUILD_MACHINE_TOOLS
    QTest::newRow("installed fonts") << QStringList{"fonts"} << none << 0
                                     << QStringLiteral("WenQuanYi Micro Hei\tRegular\t/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
                                                       "\t0\t-\t6763\n");
#endif
    QTest::newRow("not a picture") << QStringList{"image", notAFile} << none << 2 << QStringLiteral("不是能读取的图片");
    QTest::newRow("no picture file") << QStringList{"image", "/nonexistent.png"} << none << 2 << QStringLiteral("无法打开图片文件");
    QTest::newRow("picture too large") << QStringList{"image", notAFile, "--size", "257x64"} << none << 1 << QStringLiteral("每边1至256像素");
    QTest::newRow("two pictures") << QStringList{"image", notAFile, notAFile} << none << 1 << QStringLiteral("只能给出一个图片文件");
    QTest::newRow("stretch without size") << QStringList{"image", notAFile, "--stretch"} << none << 1 << QStringLiteral("--stretch");
    QTest::newRow("bad threshold") << QStringList{"image", notAFile, "--threshold", "256"} << none << 1 << QStringLiteral("0至255");
    QTest::newRow("delay help") << QStringList{"delay", "--help"} << none << 0 << QStringLiteral("--time <时间>");
    QTest::newRow("delay default name") << QStringList{"delay", "--crystal", "12", "--time", "2.5ms"} << none << 0
                                        << QStringLiteral("void Delay2_5ms(void)");
    QTest::newRow("delay without time") << QStringList{"delay", "--crystal", "12"} << none << 1 << QStringLiteral("--time");
    QTest::newRow("delay bad name") << QStringList{"delay", "--crystal", "12", "--time", "1ms", "--name", "wait-1"} << none << 1
                                    << QStringLiteral("“wait-1”");
    QTest::newRow("delay below the shortest") << QStringList{"delay", "--crystal", "12", "--time", "3.4us"} << none << 2
                                              << QStringLiteral("可生成4.00us至10s的延时");
    QTest::newRow("delay above 10 s") << QStringList{"delay", "--crystal", "11.0592", "--time", "10001ms"} << none << 2
                                      << QStringLiteral("4.34us至10s");
    QTest::newRow("delay on a 1T core") << QStringList{"delay", "--crystal", "24", "--time", "1ms", "--clocks", "1"} << none << 2
                                        << QStringLiteral("--clocks 1");
    QTest::newRow("clocks and core") << QStringList{"timer", "--crystal", "12", "--clocks", "12", "--core", "stc8", "--interval", "1ms"}
                                     << none << 1 << QStringLiteral("--clocks 和 --core 不能同时给出");
    QTest::newRow("delay clocks and core") << QStringList{"delay", "--crystal", "12", "--time", "1ms", "--clocks", "6", "--core", "6t"}
                                           << none << 1 << QStringLiteral("--clocks 和 --core 不能同时给出");
    QTest::newRow("unknown core") << QStringList{"timer", "--crystal", "12", "--core", "stc89", "--interval", "1ms"} << none << 1
                                  << QStringLiteral("12t、6t、stc12、stc15、stc8");
    QTest::newRow("smod without effect") << QStringList{"timer", "--crystal", "11.0592", "--core", "stc8", "--baud", "9600", "--smod"}
                                         << none << 1 << QStringLiteral("--smod 在此无效");
    QTest::newRow("timer 2 on STC12") << QStringList{"timer", "--crystal", "12", "--core", "stc12", "--interval", "1ms", "--timer", "2"}
                                      << none << 1 << QStringLiteral("STC12没有定时器2");
    QTest::newRow("timer clock on the classic core") << QStringList{"timer", "--crystal", "12", "--interval", "1ms", "--timer-clock", "1t"}
                                                     << none << 1 << QStringLiteral("--timer-clock");
    QTest::newRow("baud table and baud") << QStringList{"timer", "--crystal", "12", "--baud-table", "--baud", "9600"} << none << 1
                                         << QStringLiteral("--baud-table");
    QTest::newRow("baud table in a format") << QStringList{"timer", "--crystal", "12", "--baud-table", "-f", "c51"} << none << 1
                                            << QStringLiteral("--baud-table 只输出一张表");
    QTest::newRow("declared registers in a list") << QStringList{"timer", "--crystal", "12", "--interval", "1ms", "--declare-sfr"}
                                                  << none << 1 << QStringLiteral("--declare-sfr 只用于");
    QTest::newRow("BRT beyond STC12") << QStringList{"timer", "--crystal", "12", "--core", "stc8", "--baud", "9600", "--baud-timer", "brt"}
                                      << none << 1 << QStringLiteral("--baud-timer brt 只用于 --core stc12");
    QTest::newRow("interval beyond a 1T timer") << QStringList{"timer", "--crystal", "12", "--core", "stc15", "--interval", "1s"}
                                                << none << 2 << QStringLiteral("最长可定时65536.000us");
    QTest::newRow("init on --clocks 1 points to --core")
        << QStringList{"timer", "--crystal", "24", "--interval", "1ms", "--clocks", "1", "--format", "init"} << none << 2
        << QStringLiteral("--core stc12、stc15 或 stc8");
    QTest::newRow("delay on STC8") << QStringList{"delay", "--crystal", "11.0592", "--time", "1ms", "--core", "stc8", "-f", "asm"} << none
                                   << 0 << QStringLiteral("; Delay1ms：@11.0592MHz STC8（STC-Y6）11059个时钟 = 999.98us（-0.02us）\n");
    QTest::newRow("delay on STC12 in C") << QStringList{"delay", "--crystal", "11.0592", "--time", "1ms", "--core", "stc12"} << none << 0
                                         << QStringLiteral("void Delay1ms(void)  //@11.0592MHz STC12（STC-Y3）11059个时钟");
    QTest::newRow("delay below the shortest on STC15") << QStringList{"delay", "--crystal", "24", "--time", "0.1us", "--core", "stc15"}
                                                       << none << 2 << QStringLiteral("晶振24MHz、STC15内核时，可生成");
    QTest::newRow("8052 baud table") << QStringList{"timer", "--crystal", "11.0592", "--baud-table", "--baud-timer", "2"} << none << 0
                                     << QStringLiteral("115200  T2    -    -    12T   0xFFFD  115200.0   +0.00%\n");
    QTest::newRow("unusable rate marked") << QStringList{"timer", "--crystal", "12", "--baud-table"} << none << 0
                                          << QStringLiteral("9600    T1    2    1    12T   0xF9    8928.6     -6.99% 不可用\n");
    QTest::newRow("timer help names the cores")
        << QStringList{"timer", "--help"} << none << 0 << QStringLiteral("stc12（STC12、STC11、STC10，1T，指令集STC-Y3）");
    QTest::newRow("timer help warns of the families") << QStringList{"timer", "--help"} << none << 0
                                                      << QStringLiteral("STC15的部分小型号没有定时器1");
    QTest::newRow("timer help lists each core's modes") << QStringList{"timer", "--help"} << none << 0
                                                        << QStringLiteral("stc15、stc8：方式0：16位自动重装");
    QTest::newRow("timer help names the 8052") << QStringList{"timer", "--help"} << none << 0
                                               << QStringLiteral("8052及其兼容芯片的定时器2");
    QTest::newRow("delay help states its assumption") << QStringList{"delay", "--help"} << none << 0
                                                      << QStringLiteral("C代码假定编译器把计数变量放在寄存器中");
    QTest::newRow("init on a 1T core") << QStringList{"timer", "--crystal", "24", "--baud", "9600", "--clocks", "1", "--format", "init"}
                                       << none << 2 << QStringLiteral("--format init");
    QTest::newRow("GBK input read as UTF-8") << QStringList{"glyph", "--input", "-"} << QByteArray("\xB2\xE2") << 2
                                             << QStringLiteral("第1行不是有效的UTF-8；GB2312（GBK，“ANSI”）文件请用 --input-encoding gb2312");
    QTest::newRow("unassigned GB2312 code") << QStringList{"glyph", "--input", "-", "--input-encoding", "gb2312"}
                                            << QByteArray("\xB2\xE2\n\xAA\xA1") << 2
                                            << QStringLiteral("第2行：字节 0xAA 0xA1 不是GB2312字符；UTF-8文件请用 --input-encoding utf-8");
    QTest::newRow("UTF-8 mark read as GB2312") << QStringList{"glyph", "--input", "-", "--input-encoding", "gb2312"}
                                               << QByteArray("\xEF\xBB\xBF\xE6\xB5\x8B") << 2 << QStringLiteral("--input-encoding utf-8");
    QTest::newRow("UTF-16 input") << QStringList{"glyph", "--input", "-"} << QByteArray("\xFF\xFEKm") << 2 << QStringLiteral("UTF-16");
    QTest::newRow("unknown input encoding") << QStringList{"glyph", "--input", "-", "--input-encoding", "big5"} << QByteArray("x")
                                            << 1 << QStringLiteral("“big5”");
    QTest::newRow("decode: byte too large") << QStringList{"decode"} << QByteArray("0x3F,\n 0x100") << 2
                                            << QStringLiteral("第2行第2列：“0x100”大于255，不是一个字节");
    QTest::newRow("decode: asm hex without its 0") << QStringList{"decode", "-"} << QByteArray("hz:\nDB 3FH,FDH") << 2
                                                   << QStringLiteral("标准输入，第2行第8列：“FDH”不是字节：汇编的十六进制数须以数字开头，写作0FDH");
    QTest::newRow("decode: bin without --bin") << QStringList{"decode"} << QByteArray("\x3F\x00", 2) << 2 << QStringLiteral("请用 --bin");
    QTest::newRow("decode: less than a glyph") << QStringList{"decode", "--size", "8x8", "--layout", "page"} << QByteArray("1,2,3")
                                               << 2 << QStringLiteral("只有3个字节，不足一个8×8的字模（8个字节）");
    QTest::newRow("decode: two files") << QStringList{"decode", notAFile, notAFile} << none << 1 << QStringLiteral("只能给出一个文件");
    QTest::newRow("missing input file") << QStringList{"glyph", "--input", "/nonexistent/menu.txt"} << none << 2
                                        << QStringLiteral("“/nonexistent/menu.txt”");
}

void ZandrelGenTest::exitStatusAndMessage()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, input);
    QFETCH(int, status);
    QFETCH(QString, message);
    const Run run = gen(arguments, input);
    QCOMPARE(run.status, status);
    if (status == 0) {
        QVERIFY2(QString::fromUtf8(run.out).contains(message), run.out.constData());
        QVERIFY(run.err.isEmpty());
    } else {
        QVERIFY2(run.err.contains(message), qPrintable(run.err));
        QVERIFY(run.err.startsWith(QLatin1String("zandrel-gen: ")));
        QVERIFY(run.out.isEmpty());
    }
}

void ZandrelGenTest::refusalLeavesOutputFileAlone()
{
    QTemporaryDir dir;
    const QString fresh = dir.filePath(QStringLiteral("fresh.c"));
    QCOMPARE(gen({"glyph", "-o", fresh, "测€"}).status, 2);
    QVERIFY(!QFile::exists(fresh));
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).size(), 0);

    const QString kept = dir.filePath(QStringLiteral("kept.c"));
    const Run first = gen({"glyph", "--output", kept, "测试"});
    QCOMPARE(first.status, 0);
    QVERIFY(first.out.isEmpty());
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray written = file.readAll();
    file.close();
    QCOMPARE(written, gen({"glyph", "测试"}).out);
    QCOMPARE(gen({"glyph", "--output", kept, "测试€"}).status, 2);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), written);
}

// Files from Notepad, under Chinese names: UTF-8 with or without a byte order mark, or GBK.
void ZandrelGenTest::inputFileInEitherEncoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("options");
    QTest::newRow("UTF-8") << QByteArray("\xE6\xB5\x8B\xE8\xAF\x95\r\n") << QStringList{};
    QTest::newRow("UTF-8 with mark") << QByteArray("\xEF\xBB\xBF\xE6\xB5\x8B\xE8\xAF\x95") << QStringList{"--input-encoding", "utf-8"};
    QTest::newRow("GBK") << QByteArray("\xB2\xE2\xCA\xD4\r\n") << QStringList{"--input-encoding", "gb2312"};
}

void ZandrelGenTest::inputFileInEitherEncoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, options);
    QTemporaryDir dir;
    const QString input = dir.filePath(QStringLiteral("字模文本.txt"));
    const QString output = dir.filePath(QStringLiteral("字模表.c"));
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const Run run = gen(QStringList{"glyph", "--input", input, "-o", output} + options);
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QFile written(output);
    QVERIFY(written.open(QIODevice::ReadOnly));
    // The header names the file the text came from; the table is that of the text given whole.
    const QByteArray header = "// zandrel-gen glyph --input " + input.toUtf8() + ' ' + options.join(' ').toUtf8();
    QCOMPARE(written.readLine(), header.trimmed() + '\n');
    QCOMPARE(written.readAll(), gen({"glyph", "测试"}).out.split('\n').mid(1).join('\n'));
}

void ZandrelGenTest::glyphLinesAreTheWindowsCodeText_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("invert");
    QTest::addColumn<bool>("gb2312Labels");
    QTest::addColumn<QString>("header"); // the command, its text one argument a line
    const QString text = QStringLiteral(" '设置 时间' '返回，设置Ａ㈠　测'");
    QTest::newRow("c51") << QStringList{} << 0 << false << false << QStringLiteral("// zandrel-gen glyph") + text;
    QTest::newRow("c51 inverted") << QStringList{"--invert"} << 0 << true << false
                                  << QStringLiteral("// zandrel-gen glyph --invert") + text;
    QTest::newRow("asm") << QStringList{"--format", "asm"} << 1 << false << false
                         << QStringLiteral("; zandrel-gen glyph --format asm") + text;
    QTest::newRow("asm inverted, GB2312 labels, CR LF")
        << QStringList{"--format", "asm", "--invert", "--encoding", "gb2312", "--crlf"} << 1 << true << true
        << QStringLiteral("; zandrel-gen glyph --format asm --invert --encoding gb2312 --crlf") + text;
}

void ZandrelGenTest::glyphLinesAreTheWindowsCodeText()
{
    QFETCH(QStringList, options);
    QFETCH(int, mode);
    QFETCH(bool, invert);
    QFETCH(bool, gb2312Labels);
    QFETCH(QString, header);
    // Repeats, blanks and line breaks drop out; symbols, full-width letters and the
    // full-width space are characters like any other.
    const QString text = QStringLiteral("设置 时间\n返回，设置Ａ㈠　测");
    const QStringList characters = {"设", "置", "时", "间", "返", "回", "，", "Ａ", "㈠", "　", "测"};
    const Run run = gen(QStringList{"glyph"} + options + QStringList{text});
    QCOMPARE(run.status, 0);
    const bool crlf = options.contains(QLatin1String("--crlf"));
    QList<QByteArray> got = lines(run.out);
    for (QByteArray &line : got) {
        QCOMPARE(line.endsWith('\r'), crlf);
        if (crlf)
            line.chop(1);
    }
    const auto codeMode = static_cast<zandrel::GlyphCodeMode>(mode);
    QList<QByteArray> expected = {gb2312Labels ? gb2312Of(header) : header.toUtf8(),
                                  mode == 0 ? "unsigned char code hz16[][32] = {" : "hz16:"};
    for (const QString &character : characters) {
        const QByteArray label = gb2312Labels ? gb2312Of(character) : character.toUtf8();
        std::string line = zandrel::HzCodeText(glyphOf(character), invert, codeMode, label.toStdString());
        if (mode == 0)
            line.erase(line.find("\r\n"), 2); // the window's C51 text closes on a second line
        expected << QByteArray::fromStdString(line);
    }
    if (mode == 0)
        expected << "};";
    QCOMPARE(got, expected);
}

void ZandrelGenTest::layoutsAreTranspositionsOfTheFont_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("order");
    for (const char *layout : {"row", "column", "row-block", "page"})
        for (const char *order : {"msb", "lsb"})
            QTest::newRow(QByteArray(layout) + " " + order) << QString::fromLatin1(layout) << QString::fromLatin1(order);
}

void ZandrelGenTest::layoutsAreTranspositionsOfTheFont()
{
    QFETCH(QString, layout);
    QFETCH(QString, order);
    const QStringList characters = {"啊", "测", "龠"};
    const Run bin = gen({"glyph", "--format", "bin", "--layout", layout, "--bit-order", order, characters.join(QString())});
    QCOMPARE(bin.status, 0);
    QCOMPARE(bin.out.size(), 32 * characters.size());
    QByteArray preview;
    for (qsizetype n = 0; n < characters.size(); ++n) {
        const zandrel::Glyph font = glyphOf(characters[n]);
        auto ink = [&](int r, int c) { return (font[2 * r + c / 8] >> (7 - c % 8)) & 1; };
        QByteArray expected(32, '\0');
        // The font is row-major; build the other packings pixel by pixel from it.
        for (int k = 0; k < 32; ++k)
            for (int i = 0; i < 8; ++i) {
                int r = 0, c = 0;
                if (layout == QLatin1String("row")) {
                    r = k / 2;
                    c = 8 * (k % 2) + i;
                } else if (layout == QLatin1String("column")) {
                    c = k / 2;
                    r = 8 * (k % 2) + i;
                } else if (layout == QLatin1String("row-block")) {
                    r = k % 16;
                    c = 8 * (k / 16) + i;
                } else {
                    c = k % 16;
                    r = 8 * (k / 16) + i;
                }
                const int bit = order == QLatin1String("msb") ? 7 - i : i;
                if (ink(r, c))
                    expected[k] = static_cast<char>(expected[k] | (1 << bit));
            }
        QCOMPARE(bin.out.mid(32 * n, 32).toHex(' '), expected.toHex(' '));
        preview += characters[n].toUtf8() + '\n';
        for (int r = 0; r < 16; ++r) {
            for (int c = 0; c < 16; ++c)
                preview += ink(r, c) ? '#' : '.';
            preview += '\n';
        }
        preview += '\n';
    }
    // Whatever the packing, the preview reads the bytes back into the same picture.
    const Run shown = gen({"glyph", "--format", "preview", "--layout", layout, "--bit-order", order, characters.join(QString())});
    QCOMPARE(shown.out, preview);
}

void ZandrelGenTest::libraryIsTheWholeFont()
{
    const Run run = gen({"glyph", "--library", "--format", "bin"});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.size(), 261696);
    QByteArray font;
    for (int hi = 0xA1; hi <= 0xF7; ++hi)
        for (int lo = 0xA1; lo <= 0xFE; ++lo) {
            const zandrel::Glyph g = zandrel::GlyphOf(static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo)).value();
            font.append(reinterpret_cast<const char *>(g.data()), 32);
        }
    QVERIFY(run.out == font);
    const Run table = gen({"glyph", "--library", "--format", "struct"});
    QVERIFY(table.out.contains("{{0xB0,0xA1},{0x00,0x04,0x2F,0x7E,"));
    QVERIFY(table.out.contains("}},//啊\n"));
    QVERIFY(table.out.contains("}},//AAA1\n")); // an unassigned code is named by its number
}

void ZandrelGenTest::assignedCodesAreTheCodecs()
{
    // The codes taken as characters are those the codec decodes to a character that is not
    // private-use and that encodes back to the same code.
    if (!QStringDecoder("GB2312").isValid())
        QSKIP("this Qt has no GB2312 converter (no ICU) to compare with");
    int assigned = 0;
    for (int hi = 0xA1; hi <= 0xFE; ++hi)
        for (int lo = 0xA1; lo <= 0xFE; ++lo) {
            const char bytes[2] = {static_cast<char>(hi), static_cast<char>(lo)};
            QStringDecoder decoder("GB2312");
            const QString character = decoder.decode(QByteArrayView(bytes, 2));
            QStringEncoder encoder("GB2312");
            const bool roundTrip = !decoder.hasError() && character.size() == 1 &&
                                   !zandrel::isPrivateUse(character.at(0).unicode()) &&
                                   character != QChar(QChar::ReplacementCharacter) &&
                                   encoder.encode(character) == QByteArray(bytes, 2) && hi <= 0xF7;
            const bool ours = zandrel::isAssignedGb2312(static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo));
            QVERIFY2(ours == roundTrip, qPrintable(QStringLiteral("%1%2").arg(hi, 0, 16).arg(lo, 0, 16)));
            assigned += ours;
        }
    QCOMPARE(assigned, 7445);
}

void ZandrelGenTest::segmentCodesFollowThePins_data()
{
    QTest::addColumn<QString>("pins");
    QTest::addColumn<QString>("common");
    QTest::addColumn<QByteArray>("firstLine"); // of --format list, for "0"
    QTest::newRow("window's order, anode") << QString() << "anode" << QByteArray("0 11000000 C0H");
    QTest::newRow("window's order, cathode") << QString() << "cathode" << QByteArray("0 00111111 3FH");
    QTest::newRow("reversed, cathode") << "A,B,C,D,E,F,G,DP" << "cathode" << QByteArray("0 11111100 FCH");
    QTest::newRow("scrambled, anode") << "b,dp,a,g,f,c,e,d" << "anode" << QByteArray("0 01010000 50H");
}

void ZandrelGenTest::segmentCodesFollowThePins()
{
    QFETCH(QString, pins);
    QFETCH(QString, common);
    QFETCH(QByteArray, firstLine);
    const QString chars = QStringLiteral("0123456789AbCcdEFHhLoPrUuy-_ ");
    QStringList arguments = {"segments", "--format", "list", "--common", common, "--chars", chars};
    if (!pins.isEmpty())
        arguments << "--pins" << pins;
    const Run run = gen(arguments);
    QCOMPARE(run.status, 0);
    const QList<QByteArray> got = lines(run.out);
    QCOMPARE(got.size(), chars.size());
    QCOMPARE(got.first(), firstLine);
    const zandrel::PinOrder order =
        pins.isEmpty() ? zandrel::kWindowPinOrder : zandrel::parsePinOrder(pins.toStdString()).value();
    const auto wiring = common == QLatin1String("cathode") ? zandrel::SegmentWiring::CommonCathode
                                                           : zandrel::SegmentWiring::CommonAnode;
    for (qsizetype i = 0; i < chars.size(); ++i) {
        const char c = chars.at(i).toLatin1();
        const std::string bits = zandrel::segmentBitText(zandrel::segmentsOfChar(c).value(), wiring, order);
        const QByteArray hex = QByteArray::number(zandrel::segmentCode(zandrel::segmentsOfChar(c).value(), wiring, order), 16)
                                   .toUpper()
                                   .rightJustified(2, '0');
        QCOMPARE(got.at(i), QByteArray(1, c) + ' ' + QByteArray::fromStdString(bits) + ' ' + hex + 'H');
    }
}

void ZandrelGenTest::timerReloads_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QByteArray>("output");
    QTest::addColumn<QString>("warning");
    QTest::newRow("12 MHz, 50 ms, mode 1")
        << QStringList{"--crystal", "12", "--interval", "50ms"}
        << QByteArray("TH0=0x3C\nTL0=0xB0\nactual=50.000ms\nerror=+0.00%\n") << QString();
    QTest::newRow("11.0592 MHz, 9600 baud")
        << QStringList{"--crystal", "11.0592", "--baud", "9600", "--format", "asm"}
        << QByteArray("; zandrel-gen timer --crystal 11.0592 --baud 9600 --format asm\n"
                      "TH1=0xFD\nTL1=0xFD\nactual=9600.0\nerror=+0.00%\nMOV TH1,#0FDH\nMOV TL1,#0FDH\n") << QString();
    QTest::newRow("12 MHz, 9600 baud, warned")
        << QStringList{"--crystal", "12", "--baud", "9600", "--format", "c51"}
        << QByteArray("// zandrel-gen timer --crystal 12 --baud 9600 --format c51\n"
                      "TH1=0xFD\nTL1=0xFD\nactual=10416.7\nerror=+8.51%\nTH1 = 0xFD;\nTL1 = 0xFD;\n")
        << QStringLiteral("警告");
    QTest::newRow("11.0592 MHz, 9600 baud, sdas8051")
        << QStringList{"--crystal", "11.0592", "--baud", "9600", "--format", "asm", "--compiler", "sdcc"}
        << QByteArray("; zandrel-gen timer --crystal 11.0592 --baud 9600 --format asm --compiler sdcc\n"
                      "TH1=0xFD\nTL1=0xFD\nactual=9600.0\nerror=+0.00%\nMOV TH1,#0xFD\nMOV TL1,#0xFD\n") << QString();
    QTest::newRow("mode 0, X2")
        << QStringList{"--crystal", "12", "--clocks", "6", "--interval", "2.5ms", "--mode", "0", "--format", "asm"}
        << QByteArray("; zandrel-gen timer --crystal 12 --clocks 6 --interval 2.5ms --mode 0 --format asm\n"
                      "TH0=0x63\nTL0=0x18\nactual=2.500ms\nerror=+0.00%\nMOV TH0,#63H\nMOV TL0,#18H\n") << QString();
    // The set-up functions give the register writes of the makers' published examples; 115200
    // baud at 11.0592 MHz comes exactly from the 8052's Timer 2 and from each 1T core.
    QTest::newRow("published 115200bps, STC8 Timer 1 in 1T")
        << QStringList{"--crystal", "11.0592", "--core", "stc8", "--baud", "115200", "--format", "init"}
        << QByteArray("// zandrel-gen timer --crystal 11.0592 --core stc8 --baud 115200 --format init\n"
                      "//AUXR不在 reg51.h 和 8051.h 中：请包含 STC8H.h 等芯片头文件，或自行声明\n"
                      "void Uart_Init(void)  //115200bps@11.0592MHz STC8，定时器时钟1T\n"
                      "{\n"
                      "    SCON = 0x50;    //串口方式1：8位数据，允许接收\n"
                      "    AUXR |= 0x40;   //定时器1时钟1T（系统时钟）\n"
                      "    AUXR &= 0xFE;   //串口1用定时器1产生波特率\n"
                      "    TMOD &= 0x0F;   //定时器1：方式0，16位自动重装\n"
                      "    TL1 = 0xE8;     //重装值低8位\n"
                      "    TH1 = 0xFF;     //重装值高8位，决定波特率\n"
                      "    ET1 = 0;        //禁止定时器1中断\n"
                      "    TR1 = 1;        //启动定时器1\n"
                      "}\n") << QString();
    QTest::newRow("published 1 ms, STC15 Timer 0 in 1T")
        << QStringList{"--crystal", "11.0592", "--core", "stc15", "--interval", "1ms", "--format", "init"}
        << QByteArray("// zandrel-gen timer --crystal 11.0592 --core stc15 --interval 1ms --format init\n"
                      "//AUXR不在 reg51.h 和 8051.h 中：请包含 STC15F2K60S2.h 等芯片头文件，或自行声明\n"
                      "void Timer0_Init(void)  //1毫秒@11.0592MHz STC15，定时器时钟1T，实际999.98微秒（-0.02微秒）\n"
                      "{\n"
                      "    AUXR |= 0x80;   //定时器0时钟1T（系统时钟）\n"
                      "    TMOD &= 0xF0;   //定时器0：方式0，16位自动重装\n"
                      "    TL0 = 0xCD;     //计数初值低8位，也是重装值\n"
                      "    TH0 = 0xD4;     //计数初值高8位，也是重装值\n"
                      "    TF0 = 0;        //清除溢出标志\n"
                      "    TR0 = 1;        //启动定时器0\n"
                      "}\n") << QString();
    QTest::newRow("published 38400bps, STC12 BRT")
        << QStringList{"--crystal", "11.0592", "--core", "stc12", "--baud", "38400", "--baud-timer", "brt", "--format", "init"}
        << QByteArray("// zandrel-gen timer --crystal 11.0592 --core stc12 --baud 38400 --baud-timer brt --format init\n"
                      "//AUXR、BRT不在 reg51.h 和 8051.h 中：请包含 STC12C5A60S2.h 等芯片头文件，或自行声明\n"
                      "void Uart_Init(void)  //38400bps@11.0592MHz STC12，定时器时钟1T\n"
                      "{\n"
                      "    PCON &= 0x7F;   //SMOD清零，波特率不加倍\n"
                      "    SCON = 0x50;    //串口方式1：8位数据，允许接收\n"
                      "    AUXR |= 0x04;   //BRT时钟1T（系统时钟）\n"
                      "    BRT = 0xF7;     //重装值，决定波特率\n"
                      "    AUXR |= 0x01;   //串口1用BRT产生波特率\n"
                      "    AUXR |= 0x10;   //启动BRT\n"
                      "}\n") << QString();
    QTest::newRow("115200bps, 8052 Timer 2")
        << QStringList{"--crystal", "11.0592", "--baud", "115200", "--baud-timer", "2", "--format", "c51"}
        << QByteArray("// zandrel-gen timer --crystal 11.0592 --baud 115200 --baud-timer 2 --format c51\n"
                      "//T2CON、RCAP2L、RCAP2H、TL2、TH2不在 reg51.h 和 8051.h 中：请包含 reg52.h 或 8052.h 等芯片头文件，或自行声明\n"
                      "RCAP2H=0xFF\n"
                      "RCAP2L=0xFD\n"
                      "TH2=0xFF\n"
                      "TL2=0xFD\n"
                      "actual=115200.0\n"
                      "error=+0.00%\n"
                      "RCAP2H = 0xFF;\n"
                      "RCAP2L = 0xFD;\n"
                      "TH2 = 0xFF;\n"
                      "TL2 = 0xFD;\n") << QString();
    QTest::newRow("115200bps, STC12 BRT")
        << QStringList{"--crystal", "11.0592", "--core", "stc12", "--baud", "115200", "--baud-timer", "brt", "--format", "asm"}
        << QByteArray("; zandrel-gen timer --crystal 11.0592 --core stc12 --baud 115200 --baud-timer brt --format asm\n"
                      ";AUXR、BRT不在 reg51.h 和 8051.h 中：请包含 STC12C5A60S2.h 等芯片头文件，或自行声明\n"
                      "BRT=0xFD\n"
                      "AUXR|=0x04\n"
                      "timer-clock=1T\n"
                      "actual=115200.0\n"
                      "error=+0.00%\n"
                      "ORL AUXR,#04H\n"
                      "MOV BRT,#0FDH\n") << QString();
    QTest::newRow("115200bps, STC15 Timer 2, sdas8051")
        << QStringList{"--crystal", "11.0592", "--core", "stc15", "--baud", "115200", "--baud-timer", "2", "--format", "asm", "--compiler", "sdcc"}
        << QByteArray("; zandrel-gen timer --crystal 11.0592 --core stc15 --baud 115200 --baud-timer 2 --format asm --compiler sdcc\n"
                      ";AUXR、T2H、T2L不在 reg51.h 和 8051.h 中：请包含 STC15F2K60S2.h 等芯片头文件，或自行声明\n"
                      "T2H=0xFF\n"
                      "T2L=0xE8\n"
                      "AUXR|=0x01\n"
                      "AUXR|=0x04\n"
                      "timer-clock=1T\n"
                      "actual=115200.0\n"
                      "error=+0.00%\n"
                      "ORL AUXR,#0x01\n"
                      "ORL AUXR,#0x04\n"
                      "MOV T2H,#0xFF\n"
                      "MOV T2L,#0xE8\n") << QString();
    QTest::newRow("115200bps, STC12 BRT, declared, without the header's note")
        << QStringList{"--crystal", "11.0592", "--core", "stc12", "--baud", "115200", "--baud-timer", "brt", "--format", "c51", "--declare-sfr"}
        << QByteArray("// zandrel-gen timer --crystal 11.0592 --core stc12 --baud 115200 --baud-timer brt --format c51 --declare-sfr\n"
                      "sfr AUXR = 0x8E;\n"
                      "sfr BRT = 0x9C;\n"
                      "BRT=0xFD\nAUXR|=0x04\ntimer-clock=1T\nactual=115200.0\nerror=+0.00%\n"
                      "AUXR |= 0x04;\nBRT = 0xFD;\n") << QString();
    QTest::newRow("9600bps, STC8 Timer 1 forced to 12T")
        << QStringList{"--crystal", "11.0592", "--core", "stc8", "--baud", "9600", "--timer-clock", "12t"}
        << QByteArray("TH1=0xFF\n"
                      "TL1=0xE8\n"
                      "AUXR&=0xBF\n"
                      "AUXR&=0xFE\n"
                      "timer-clock=12T\n"
                      "actual=9600.0\n"
                      "error=+0.00%\n") << QString();
}

void ZandrelGenTest::timerReloads()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, output);
    QFETCH(QString, warning);
    const Run run = gen(QStringList{"timer"} + arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out, output);
    QCOMPARE(run.err.contains(warning) && run.err.isEmpty() == warning.isEmpty(), true);
}

namespace {

const QString kUnifont = QStringLiteral("/usr/share/fonts/X11/misc/unifont.pcf.gz");

QByteArray fromHex(const char *hex)
{
    return QByteArray::fromHex(QByteArray(hex).replace(' ', ""));
}

} // namespace

void ZandrelGenTest::unifontMatchesTheDisplaysLayouts_data()
{
    QTest::addColumn<QStringList>("packing");
    QTest::addColumn<QByteArray>("bytes");
    // 中 as the tools people use lay it out, from GNU Unifont.
    QTest::newRow("逐行 顺向") << QStringList{"--layout", "row", "--bit-order", "msb"}
                           << fromHex("01 00 01 00 01 00 01 00 3F F8 21 08 21 08 21 08 21 08 21 08 3F F8 21 08 01 00 01 00 01 00 01 00");
    QTest::newRow("行列 顺向") << QStringList{"--layout", "行列式", "--bit-order", "顺向"}
                           << fromHex("01 01 01 01 3F 21 21 21 21 21 3F 21 01 01 01 01 00 00 00 00 F8 08 08 08 08 08 F8 08 00 00 00 00");
    QTest::newRow("逐列 顺向") << QStringList{"--layout", "column", "--bit-order", "msb"}
                           << fromHex("00 00 00 00 0F F0 08 20 08 20 08 20 08 20 FF FF 08 20 08 20 08 20 08 20 0F F0 00 00 00 00 00 00");
    QTest::newRow("列行 逆向") << QStringList{"--layout", "page", "--bit-order", "逆向"}
                           << fromHex("00 00 F0 10 10 10 10 FF 10 10 10 10 F0 00 00 00 00 00 0F 04 04 04 04 FF 04 04 04 04 0F 00 00 00");
}

void ZandrelGenTest::unifontMatchesTheDisplaysLayouts()
{
    QFETCH(QStringList, packing);
    QFETCH(QByteArray, bytes);
    QVERIFY2(QFile::exists(kUnifont), "xfonts-unifont is a test dependency: scripts/install-deps");
    const Run run = gen(QStringList{"glyph", "中", "--font", kUnifont, "-f", "bin"} + packing);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.toHex(' '), bytes.toHex(' '));
}

void ZandrelGenTest::builtInSizesHaveHalfWidthAscii_data()
{
    QTest::addColumn<QString>("size");
    QTest::addColumn<QByteArray>("bytes"); // of 啊 and A, row, msb
    QTest::newRow("12: 6 x 12 ASCII")
        << "12"
        << fromHex("2020FFF0AA20AFA0AAA0AEA0AAA0EBA0AC20082008A00860"
                   "003010282828 7C44EC000000");
    QByteArray a16;
    const zandrel::Glyph font = glyphOf(QStringLiteral("啊"));
    a16.append(reinterpret_cast<const char *>(font.data()), 32);
    QTest::newRow("16: 8 x 16 ASCII") << "16" << a16 + fromHex("00001038 6CC6C6FE C6C6C6C6 00000000");
    QTest::newRow("24: 12 x 24 ASCII")
        << "24"
        << fromHex("000000000000003800 01F80001903E0CA7FE7EBE6066B03064B1206C9FA06C9B20389B20208F30208C30"
                   "008030008030008030018030018030 0181F00080F0000070000000000000"
                   "0000000000000000 06000600 0B000B00 09001180 11801080 3FC020C0 20404060 4060E0F0"
                   "0000000000000000 00000000");
}

void ZandrelGenTest::builtInSizesHaveHalfWidthAscii()
{
    QFETCH(QString, size);
    QFETCH(QByteArray, bytes);
    const Run run = gen({"glyph", "--size", size, "-f", "bin", "A啊A"});
    QCOMPARE(run.status, 0);
    // The full-width table first, then the half-width one; the repeated A once.
    QCOMPARE(run.out.toHex(' '), bytes.toHex(' '));
}

void ZandrelGenTest::mixedTextGivesTwoTables()
{
    const Run run = gen({"glyph", "-f", "struct", "--name", "menu", "温度:25℃ 电压3.3V"});
    QCOMPARE(run.status, 0);
    const QList<QByteArray> got = lines(run.out);
    QCOMPARE(got.count("struct menu_glyph {"), 1);
    QCOMPARE(got.count("struct menu_ascii_glyph {"), 1);
    QVERIFY(got.contains("    unsigned char gb;"));
    QVERIFY(got.contains("struct menu_ascii_glyph code menu_ascii[] = {"));
    QList<QByteArray> labels;
    for (const QByteArray &line : got)
        if (line.startsWith('{'))
            labels << line.left(line.indexOf(',')) + line.mid(line.lastIndexOf("//"));
    // Each entry opens with its code: two GB2312 bytes, or one for a half-width character.
    const QList<QByteArray> expected = {"{{0xCE//温", "{{0xB6//度", "{{0xA1//℃", "{{0xB5//电", "{{0xD1//压",
                                        "{0x3A//:",   "{0x32//2",   "{0x35//5",   "{0x33//3",   "{0x2E//.", "{0x56//V"};
    QCOMPARE(labels, expected);
    const Run named = gen({"glyph", "--ascii-name", "digits", "温25"});
    QVERIFY(named.out.contains("unsigned char code hz16[][32] = {\n"));
    QVERIFY(named.out.contains("};\n\nunsigned char code digits[][16] = {\n"));
}

// A display preset is the options it stands for, an option given beside it wins, and an
// installed family is its file.
void ZandrelGenTest::sameTableEitherWay_data()
{
    QTest::addColumn<QStringList>("given");
    QTest::addColumn<QStringList>("spelledOut");
    const QStringList hd44780 = {"--font", kUnifont, "--cell", "10x8", "--ascii-cell", "5x8", "--clip", "-f", "bin", "A"};
    QTest::newRow("hd44780") << QStringList{"--display", "hd44780"} + hd44780
                             << QStringList{"--layout", "row", "--bit-order", "msb", "--pad", "left"} + hd44780;
    QTest::newRow("ssd1306") << QStringList{"--display", "ssd1306", "-f", "bin", "测A"}
                             << QStringList{"--layout", "page", "--bit-order", "lsb", "-f", "bin", "测A"};
    QTest::newRow("ssd1306 with rows") << QStringList{"--display", "ssd1306", "--layout", "row", "-f", "bin", "测A"}
                                       << QStringList{"--layout", "row", "--bit-order", "lsb", "-f", "bin", "测A"};
    // The build machine's fonts, which a cross build's program looks for in Windows' font folders.
#ifndef ZANDREL_NO_BUILD_MACHINE_TOOLS
    QTest::newRow("installed family") << QStringList{"--font", "WenQuanYi Micro Hei", "--clip", "-f", "bin", "测A"}
                                      << QStringList{"--font", "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", "--clip",
                                                     "-f", "bin", "测A"};
#endif
}

void ZandrelGenTest::sameTableEitherWay()
{
    QFETCH(QStringList, given);
    QFETCH(QStringList, spelledOut);
    const Run run = gen(QStringList{"glyph"} + given);
    QVERIFY2(run.status == 0, qPrintable(run.err));
    QVERIFY(!run.out.isEmpty());
    QCOMPARE(run.out.toHex(' '), gen(QStringList{"glyph"} + spelledOut).out.toHex(' '));
}

// An output past 64 KB is written whole, with a warning: a table in external flash is fine.
void ZandrelGenTest::warnsOnlyPastCodeMemory_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<QString>("warning"); // part of standard error; empty for none
    QTest::newRow("GB2312 at 24 px") << QStringList{"--library", "--size", "24", "-f", "bin"} << 588816
                                     << QStringLiteral("警告：数据共588816字节，超过8051代码存储器的65536字节");
    QTest::newRow("GB2312 at 8 x 8 fits") << QStringList{"--library", "--cell", "8x8", "--clip", "-f", "bin"} << 8178 * 8
                                          << QString();
    const QStringList big = {"--font", kUnifont, "--cell", "256x256", "--ascii-cell", "8x16", "-f", "bin"};
    QTest::newRow("eight 256 x 256 glyphs fit") << big + QStringList{"一二三四五六七八"} << 65536 << QString();
    QTest::newRow("both tables together") << big + QStringList{"一二三四五六七八A"} << 65536 + 16
                                          << QStringLiteral("数据共65552字节");
    QTest::newRow("half-width cell of its own") << QStringList{"--font", kUnifont, "--cell", "8x16", "--ascii-cell", "8x16",
                                                               "-f", "bin", "A"}
                                                << 16 << QString();
}

void ZandrelGenTest::warnsOnlyPastCodeMemory()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, bytes);
    QFETCH(QString, warning);
    const Run run = gen(QStringList{"glyph"} + arguments);
    QCOMPARE(run.status, 0);
    QCOMPARE(run.out.size(), bytes);
    QVERIFY2(warning.isEmpty() ? run.err.isEmpty() : run.err.contains(warning), qPrintable(run.err));
}

void ZandrelGenTest::bdfFontMadeHere()
{
#ifdef ZANDREL_NO_BUILD_MACHINE_TOOLS
    QSKIP("gzip and SDCC are the build machine's programs, out of reach of a cross build's tests");
#endif
    // Three glyphs: 一 a bar inside the em, A a box below the baseline, 丁 wider than any cell.
    const QByteArray bdf = "STARTFONT 2.1\nFONT -test-bar-medium-r-normal--16-160-75-75-c-160-iso10646-1\n"
                           "SIZE 16 75 75\nFONTBOUNDINGBOX 20 16 0 -2\nSTARTPROPERTIES 5\n"
                           "FONT_ASCENT 14\nFONT_DESCENT 2\nPIXEL_SIZE 16\nCHARSET_REGISTRY \"ISO10646\"\n"
                           "CHARSET_ENCODING \"1\"\nENDPROPERTIES\nCHARS 3\n"
                           "STARTCHAR bar\nENCODING 19968\nSWIDTH 1000 0\nDWIDTH 16 0\nBBX 12 2 2 4\n"
                           "BITMAP\nFFF0\nFFF0\nENDCHAR\n"
                           "STARTCHAR A\nENCODING 65\nSWIDTH 500 0\nDWIDTH 8 0\nBBX 4 3 2 -2\n"
                           "BITMAP\nF0\n90\nF0\nENDCHAR\n"
                           "STARTCHAR wide\nENCODING 19969\nSWIDTH 1250 0\nDWIDTH 20 0\nBBX 20 1 0 0\n"
                           "BITMAP\nFFFFF0\nENDCHAR\nENDFONT\n";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bar.bdf"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bdf) == bdf.size());
    file.close();
    QProcess gzip;
    gzip.start(QStringLiteral("gzip"), {QStringLiteral("-k"), path});
    QVERIFY(gzip.waitForFinished() && gzip.exitCode() == 0);

    QByteArray bar(32, '\0'), box(16, '\0');
    // The baseline is row 14: the bar, 4 to 6 pixels above it, is rows 8 and 9, columns 2 to 13.
    for (int row : {8, 9}) {
        bar[2 * row] = '\x3F';
        bar[2 * row + 1] = '\xFC';
    }
    // The box hangs 2 rows below the baseline (row 14): rows 13 to 15, columns 2 to 5 of 8.
    box[13] = box[15] = '\x3C';
    box[14] = '\x24';
    for (const QString &font : {path, path + QStringLiteral(".gz")}) {
        const Run run = gen({"glyph", "--font", font, "-f", "bin", "一A"});
        QCOMPARE(run.status, 0);
        QCOMPARE(run.out.toHex(' '), (bar + box).toHex(' '));
    }
    const Run wide = gen({"glyph", "--font", path, "丁"});
    QCOMPARE(wide.status, 2);
    QVERIFY2(wide.err.contains(QStringLiteral("字符“丁”（U+4E01）的字形超出了16×16的字格")), qPrintable(wide.err));
    const Run clipped = gen({"glyph", "--font", path, "--clip", "-f", "bin", "丁"});
    QCOMPARE(clipped.out, QByteArray(26, '\0') + "\xFF\xFF" + QByteArray(4, '\0')); // the row above the baseline
    const Run missing = gen({"glyph", "--font", path, "一二"});
    QCOMPARE(missing.status, 2);
    QVERIFY2(missing.err.contains(QStringLiteral("第1行第2列：字符“二”（U+4E8C）不在字体中")), qPrintable(missing.err));
}

void ZandrelGenTest::pictureMadeHere()
{
    // 16 x 8: black on the left, white on the right but for a column of grey 100, and a
    // transparent black corner that counts as white.
    QImage picture(16, 8, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 0));
        picture.setPixel(12, y, qRgb(100, 100, 100));
    }
    for (int y = 0; y < 4; ++y)
        picture.setPixel(15, y, qRgba(0, 0, 0, 0));
    QTemporaryDir dir;
    const QString png = dir.filePath(QStringLiteral("logo.png"));
    QVERIFY(picture.save(png));

    const QStringList page = {"--layout", "page", "--bit-order", "lsb", "-f", "bin"};
    const QByteArray left(8, '\xFF'), dark = fromHex("00 00 00 00 FF 00 00 00"), light(8, '\0');
    QCOMPARE(gen(QStringList{"image", png} + page).out.toHex(' '), (left + dark).toHex(' '));
    QCOMPARE(gen(QStringList{"image", png, "--threshold", "100"} + page).out.toHex(' '), (left + light).toHex(' '));
    // Fitted into 32 x 8 at its own scale, centred; an SSD1306 screen takes 1,024 bytes.
    QCOMPARE(gen(QStringList{"image", png, "--size", "32x8"} + page).out.toHex(' '),
             (light + left + dark + light).toHex(' '));
    QCOMPARE(gen(QStringList{"image", png, "--size", "128x64"} + page).out.size(), 1024);
    // "-" reads the picture from standard input.
    QFile pngFile(png);
    QVERIFY(pngFile.open(QIODevice::ReadOnly));
    QCOMPARE(gen(QStringList{"image", "-"} + page, pngFile.readAll()).out.toHex(' '), (left + dark).toHex(' '));

    // The pbm output read back gives the same bits.
    const QString pbm = dir.filePath(QStringLiteral("logo.pbm"));
    QCOMPARE(gen({"image", png, "-f", "pbm", "-o", pbm}).status, 0);
    QImage shown(pbm);
    QCOMPARE(shown.size(), QSize(16, 8));
    QCOMPARE(gen(QStringList{"image", pbm} + page).out.toHex(' '), (left + dark).toHex(' '));
}

// Every form glyph writes, read back by decode with the same packing, draws the glyphs of the
// glyph preview; bytes past the last whole glyph are named.
void ZandrelGenTest::decodeDrawsWhatGlyphPacked_data()
{
    QTest::addColumn<QStringList>("glyphOptions"); // for glyph only
    QTest::addColumn<QStringList>("packing");      // for both
    QTest::addColumn<QString>("format");           // glyph's, or hex: the bin as hex pairs
    QTest::addColumn<QString>("size");
    QTest::addColumn<QByteArray>("extra");         // appended to what decode reads
    QTest::addColumn<QString>("warning");
    const QStringList none;
    QTest::newRow("c51") << none << none << "c51" << "16x16" << QByteArray() << QString();
    QTest::newRow("asm by columns, lsb, inverted")
        << none << QStringList{"--layout", "column", "--bit-order", "lsb", "--invert"} << "asm" << "16x16" << QByteArray() << QString();
    QTest::newRow("struct at 12 px by pages") << QStringList{"--size", "12"} << QStringList{"--layout", "page"} << "struct" << "12x12"
                                              << QByteArray() << QString();
    QTest::newRow("sdcc, 10 x 7 row blocks padded left")
        << QStringList{"--cell", "10x7", "--clip", "--compiler", "sdcc"} << QStringList{"--layout", "row-block", "--pad", "left"}
        << "c51" << "10x7" << QByteArray() << QString();
    QTest::newRow("bin for an SSD1306") << none << QStringList{"--display", "ssd1306"} << "bin" << "16x16" << QByteArray() << QString();
    QTest::newRow("hex pairs and two bytes more") << none << none << "hex" << "16x16" << QByteArray(" 01 fe")
                                                  << QStringLiteral("最后2个字节不足一个字模（16×16为32个字节），已略去：0x01,0xFE");
}

void ZandrelGenTest::decodeDrawsWhatGlyphPacked()
{
    QFETCH(QStringList, glyphOptions);
    QFETCH(QStringList, packing);
    QFETCH(QString, format);
    QFETCH(QString, size);
    QFETCH(QByteArray, extra);
    QFETCH(QString, warning);
    const QString text = QStringLiteral("温度");
    const bool hex = format == QLatin1String("hex");
    const Run packed = gen(QStringList{"glyph", "-f", hex ? QStringLiteral("bin") : format} + glyphOptions + packing + QStringList{text});
    QCOMPARE(packed.status, 0);
    QByteArray input = hex ? packed.out.toHex(' ') : packed.out;
    input += extra;
    QStringList decodeArguments = QStringList{"decode", "--size", size} + packing;
    if (format == QLatin1String("bin"))
        decodeArguments << "--bin";
    const Run decoded = gen(decodeArguments, input);
    QVERIFY2(decoded.status == 0, qPrintable(decoded.err));
    QVERIFY2(warning.isEmpty() ? decoded.err.isEmpty() : decoded.err.contains(warning), qPrintable(decoded.err));

    // The preview shows the bits as packed: without --invert it shows the pixels.
    packing.removeAll(QStringLiteral("--invert"));
    const Run preview = gen(QStringList{"glyph", "-f", "preview"} + glyphOptions + packing + QStringList{text});
    QCOMPARE(preview.status, 0);
    auto rows = [](const QByteArray &out) {
        QList<QByteArray> kept;
        for (const QByteArray &line : lines(out))
            if (!line.isEmpty() && line.count('#') + line.count('.') == line.size())
                kept << line;
        return kept;
    };
    QCOMPARE(rows(decoded.out).size(), 2 * size.section('x', 1).toInt());
    QCOMPARE(rows(decoded.out), rows(preview.out));

    // The picture of them has the same pixels, the glyphs side by side.
    const Run pbm = gen(decodeArguments + QStringList{"-f", "pbm"}, input);
    QCOMPARE(pbm.status, 0);
    const QImage sheet = QImage::fromData(pbm.out, "PBM");
    const QList<QByteArray> shown = rows(decoded.out);
    const int height = size.section('x', 1).toInt();
    QCOMPARE(sheet.size(), QSize(2 * size.section('x', 0, 0).toInt(), height));
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            QCOMPARE(sheet.pixelColor(x, y) == Qt::black, shown[x / shown[0].size() * height + y][x % shown[0].size()] == '#');
}

void ZandrelGenTest::sdccCompilesTheC_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("bytes"); // of data in the compiled table
    const QString text = QStringLiteral("温度:25℃\\");
    for (const char *compiler : {"keil", "sdcc"}) {
        const QStringList c = {"--compiler", compiler};
        QTest::newRow(QByteArray("glyph c51, ") + compiler) << QStringList{"glyph", text} + c << 3 * 32 + 4 * 16;
        QTest::newRow(QByteArray("glyph struct, ") + compiler)
            << QStringList{"glyph", "-f", "struct", "--size", "12", text} + c << 3 * (2 + 24) + 4 * (1 + 12);
        QTest::newRow(QByteArray("segments, ") + compiler) << QStringList{"segments"} + c << 16;
        QTest::newRow(QByteArray("image, ") + compiler) << QStringList{"image", "logo.pbm", "--size", "20x10"} + c << 30;
    }
}

void ZandrelGenTest::sdccCompilesTheC()
{
#ifdef ZANDREL_NO_BUILD_MACHINE_TOOLS
    QSKIP("gzip and SDCC are the build machine's programs, out of reach of a cross build's tests");
#endif
    QFETCH(QStringList, arguments);
    QFETCH(int, bytes);
    QTemporaryDir dir;
    QFile logo(dir.filePath(QStringLiteral("logo.pbm")));
    QVERIFY(logo.open(QIODevice::WriteOnly) && logo.write("P1\n2 2\n1 0\n0 1\n") > 0);
    logo.close();
    for (QString &argument : arguments)
        if (argument == QLatin1String("logo.pbm"))
            argument = logo.fileName();
    const QString source = dir.filePath(QStringLiteral("table.c"));
    QCOMPARE(gen(arguments + QStringList{"-o", source}).status, 0);

    QProcess sdcc;
    sdcc.setWorkingDirectory(dir.path());
    QStringList options = {"-mmcs51", "-c", "table.c"};
    if (!arguments.contains(QLatin1String("sdcc")))
        options << "-Dcode=__code"; // Keil's keyword, as a Keil build script would map it
    sdcc.start(QStringLiteral("sdcc"), options);
    QVERIFY2(sdcc.waitForFinished(60000), "sdcc is a test dependency: scripts/install-deps");
    const QByteArray messages = sdcc.readAllStandardError() + sdcc.readAllStandardOutput();
    QVERIFY2(sdcc.exitCode() == 0 && !messages.contains("error"), messages.constData());
    // Every table entry reached the compiler: a comment that swallowed a line would lose one.
    QFile listing(dir.filePath(QStringLiteral("table.asm")));
    QVERIFY(listing.open(QIODevice::ReadOnly));
    int data = 0;
    for (const QByteArray &line : listing.readAll().split('\n'))
        data += line.trimmed().startsWith(".db ");
    QCOMPARE(data, bytes);
}

QTEST_GUILESS_MAIN(ZandrelGenTest)
#include "ZandrelGenTest.moc"
