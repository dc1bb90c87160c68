// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/OptionTable.h"

#include "core/CpuCore.h"
#include "core/DisplayPreset.h"
#include "core/TimerSetup.h"

#include <QStringList>

#include <algorithm>

namespace zandrel::generators {

namespace {

template <typename Enum> Choice choice(const char *spelling, Enum value)
{
    return {QString::fromUtf8(spelling), static_cast<int>(value)};
}

// An option with fixed values whose default is shown by the spelling written back for it.
OptionInfo withDefault(OptionInfo option, int value)
{
    option.defaultText = choiceSpelling(option, value);
    return option;
}

OptionInfo compilerOption(const QString &description)
{
    return withDefault({QStringLiteral("compiler"),
                        {},
                        QStringLiteral("编译器"),
                        description,
                        {},
                        {choice("keil", CCompiler::Keil), choice("sdcc", CCompiler::Sdcc)}},
                       static_cast<int>(kDefaultCompiler));
}

const QString kCCompilerText =
    QStringLiteral("C代码给 keil（Keil C51，code）或 sdcc（SDCC，__code）");

// Each preset with what it sets, one line each, for the help.
QString displayDescription(bool setsSize)
{
    QString text =
        setsSize ? QStringLiteral(
                       "显示控制器的预设：设定排列、位序、补位和图片大小；同时给出的选项优先。")
                 : QStringLiteral("显示控制器的预设：设定排列、位序和补位；同时给出的选项优先。");
    for (const DisplayPreset &preset : displayPresets())
        text += QStringLiteral("\n    %1：%2")
                    .arg(QString::fromUtf8(preset.name.data(),
                                           static_cast<qsizetype>(preset.name.size())),
                         QString::fromUtf8(preset.summary.data(),
                                           static_cast<qsizetype>(preset.summary.size())));
    return text;
}

std::vector<OptionInfo> packingOptions(bool setsSize)
{
    return {
        {QStringLiteral("display"), {}, QStringLiteral("名称"), displayDescription(setsSize)},
        withDefault(
            {QStringLiteral("layout"),
             {},
             QStringLiteral("排列"),
             QStringLiteral("row（逐行式）、column（逐列式）、row-block（行列式）或 "
                            "page（列行式，SSD1306/ST7565）"),
             {},
             {choice("row", BitmapLayout::Row), choice("逐行式", BitmapLayout::Row),
              choice("column", BitmapLayout::Column), choice("逐列式", BitmapLayout::Column),
              choice("row-block", BitmapLayout::RowBlock), choice("行列式", BitmapLayout::RowBlock),
              choice("page", BitmapLayout::Page), choice("列行式", BitmapLayout::Page)},
             true},
            static_cast<int>(kDefaultLayout)),
        withDefault({QStringLiteral("bit-order"),
                     {},
                     QStringLiteral("位序"),
                     QStringLiteral("msb（顺向，首个像素在位7）或 lsb（逆向，在位0）"),
                     {},
                     {choice("msb", BitOrder::Msb), choice("顺向", BitOrder::Msb),
                      choice("lsb", BitOrder::Lsb), choice("逆向", BitOrder::Lsb)},
                     true},
                    static_cast<int>(kDefaultBitOrder)),
        withDefault(
            {QStringLiteral("pad"),
             {},
             QStringLiteral("位置"),
             QStringLiteral(
                 "行（或列）不满整字节时空位的位置：right（末像素之后）或 left（首像素之前，"
                 "如HD44780的5个像素在位4…0）"),
             {},
             {choice("right", Padding::Right), choice("left", Padding::Left)}},
            static_cast<int>(kDefaultPadding)),
        {QStringLiteral("invert"), {}, {}, QStringLiteral("每个字节取反（阳码，置低点亮）")},
    };
}

std::vector<Choice> encodingChoices()
{
    return {choice("utf-8", TextEncoding::Utf8), choice("gb2312", TextEncoding::Gb2312),
            choice("utf8", TextEncoding::Utf8)};
}

std::vector<Choice> clockChoices()
{
    return {{QStringLiteral("12"), 12}, {QStringLiteral("6"), 6}, {QStringLiteral("1"), 1}};
}

const QString kCrystalText = QStringLiteral("晶振频率，单位MHz，大于0且不超过100，例如 11.0592");

QString fromView(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

OptionInfo coreOption()
{
    return {QStringLiteral("core"),
            {},
            QStringLiteral("内核"),
            fromView(coreHelp()) + QStringLiteral("。不与 --clocks 同用"),
            {},
            {choice("12t", CpuCore::Classic12T), choice("6t", CpuCore::Classic6T),
             choice("stc12", CpuCore::Stc12), choice("stc15", CpuCore::Stc15),
             choice("stc8", CpuCore::Stc8)}};
}

// Timer 0's and 1's modes differ between the cores: STC15 and STC8 reload 16 bits in mode 0.
QString modeDescription()
{
    auto modes = [](CpuCore core) {
        QStringList names;
        for (const std::string &name : timerModeNames(core))
            names << QString::fromStdString(name);
        return names.join(QStringLiteral("、"));
    };
    return QStringLiteral("定时器0和1的方式，随内核而不同：\n"
                          "    12t、6t、stc12：%1\n"
                          "    stc15、stc8：%2（方式3不提供）\n"
                          "默认：有16位自动重装的内核（stc15、stc8）为方式0；其他内核定时为方式1，"
                          "波特率为方式2。定时器2和BRT只有一种方式，不用此选项")
        .arg(modes(CpuCore::Classic12T), modes(CpuCore::Stc15));
}

} // namespace

const std::vector<OptionInfo> &commonOptions()
{
    static const std::vector<OptionInfo> options = {
        {QStringLiteral("output"), QStringLiteral("o"), QStringLiteral("文件"),
         QStringLiteral("写入文件（整份写入，或不写）；默认写到标准输出")},
        {QStringLiteral("crlf"), {}, {}, QStringLiteral("行尾用CR LF；默认LF")},
        {QStringLiteral("help"), QStringLiteral("h"), {}, QStringLiteral("显示本帮助")},
    };
    return options;
}

const CommandInfo &glyphCommandInfo()
{
    static const CommandInfo command = [] {
        std::vector<OptionInfo> options = {
            {QStringLiteral("input"), QStringLiteral("i"), QStringLiteral("文件"),
             QStringLiteral("从文件读取文本（“-”为标准输入）")},
            withDefault({QStringLiteral("input-encoding"),
                         {},
                         QStringLiteral("编码"),
                         QStringLiteral("--input 文本的编码：utf-8（可带BOM）或 "
                                        "gb2312（GBK，中文Windows记事本的“ANSI”）"),
                         {},
                         encodingChoices()},
                        static_cast<int>(kDefaultEncoding)),
            {QStringLiteral("library"),
             {},
             {},
             QStringLiteral(
                 "改为生成GB2312的1至87区：内置字库为全部8178个编码，--font 为其中7445个字符")},
            {QStringLiteral("size"),
             {},
             QStringLiteral("像素"),
             QStringLiteral("字号：内置字库为 12、16 或 24；--font 为1至256"),
             QString::number(kDefaultGlyphSize),
             {},
             false,
             1,
             kMaxBitmapSide},
            {QStringLiteral("font"),
             {},
             QStringLiteral("字体"),
             QStringLiteral(
                 "改用字体文件（BDF、PCF（可为 .gz）、TrueType 或 OpenType），或已安装字体的名称，"
                 "如 \"WenQuanYi Micro Hei\" 或 \"Family:style=Bold\"；同名的文件优先")},
            {QStringLiteral("face"),
             {},
             QStringLiteral("序号"),
             QStringLiteral(
                 "字体文件为字体集（.ttc）时用第几个字体，从0数起；字体名称由查找得出序号"),
             QString::number(kDefaultFace),
             {},
             false,
             0,
             65535},
            {QStringLiteral("cell"),
             {},
             QStringLiteral("宽x高"),
             QStringLiteral("全角字符的字格大小，例如 16x16。默认为字号×字号")},
            {QStringLiteral("ascii-cell"),
             {},
             QStringLiteral("宽x高"),
             QStringLiteral(
                 "半角字符（ASCII）的字格大小，例如 5x7；默认为全角字格宽度减半、高度相同。"
                 "两张表各按自己的字格高度放置基线")},
            {QStringLiteral("clip"),
             {},
             {},
             QStringLiteral("裁去超出字格的部分，而不是拒绝该字符")},
            withDefault(
                {QStringLiteral("format"),
                 QStringLiteral("f"),
                 QStringLiteral("格式"),
                 QStringLiteral("c51、asm、struct、bin 或 preview"),
                 {},
                 {choice("c51", GlyphTableFormat::C51), choice("asm", GlyphTableFormat::Asm51),
                  choice("struct", GlyphTableFormat::Struct), choice("bin", GlyphTableFormat::Bin),
                  choice("preview", GlyphTableFormat::Preview)}},
                static_cast<int>(kDefaultGlyphFormat)),
            {QStringLiteral("name"), QStringLiteral("n"), QStringLiteral("名称"),
             QStringLiteral("全角字符的数组名，须为C标识符；默认为 hz 加字格高度，如 hz16")},
            {QStringLiteral("ascii-name"),
             {},
             QStringLiteral("名称"),
             QStringLiteral("半角字符（ASCII）的数组名；默认为 数组名_ascii")},
        };
        for (const OptionInfo &option : packingOptions(false))
            options.push_back(option);
        options.push_back(compilerOption(kCCompilerText));
        options.push_back(withDefault(
            {QStringLiteral("encoding"),
             {},
             QStringLiteral("编码"),
             QStringLiteral("注释和标签中字符的编码：utf-8 或 gb2312（此时拒绝GB2312以外的字符）"),
             {},
             encodingChoices()},
            static_cast<int>(kDefaultEncoding)));
        return CommandInfo{
            QStringLiteral("glyph"),
            QStringLiteral("[选项] 文本…"),
            QStringLiteral("文本中字符的点阵字模表，任意字号和字体"),
            QStringLiteral(
                "把文本中的每个字符（按首次出现的顺序，重复的只取一次）生成点阵字模表。\n"
                "ASCII字符 0x21-0x7E 为半角，另成一张表（数组名_ascii），字格由 --ascii-cell "
                "给出，默认为全角字格宽度减半；其余为全角。\n"
                "空格、制表符和换行被跳过。内置字库只有GB2312字符；--font 可用字体中的任何字符。\n"
                "bin 格式先写全角表，再写半角表。\n"
                "文本取自参数、--input 文件，或以“-”取自标准输入，编码为UTF-8；--input "
                "也可读GB2312。\n"
                "c51、asm、struct 格式的第一行是生成它的命令；数据超过64 KB时在标准错误上警告。"),
            options,
            true,
        };
    }();
    return command;
}

const CommandInfo &imageCommandInfo()
{
    static const CommandInfo command = [] {
        std::vector<OptionInfo> options = {
            {QStringLiteral("size"),
             {},
             QStringLiteral("宽x高"),
             QStringLiteral(
                 "缩放到此大小之内，保持宽高比并居中；默认为图片本身的大小（大于256×256时缩小）")},
            {QStringLiteral("stretch"),
             {},
             {},
             QStringLiteral("拉伸到 --size 的大小，不保持宽高比")},
            {QStringLiteral("threshold"),
             {},
             QStringLiteral("0-255"),
             QStringLiteral("亮度低于此值的像素为点亮（1位，--invert 之前）"),
             QString::number(kDefaultThreshold),
             {},
             false,
             0,
             255},
            withDefault(
                {QStringLiteral("dither"),
                 {},
                 QStringLiteral("方式"),
                 QStringLiteral("none、floyd-steinberg、atkinson 或 bayer4"),
                 {},
                 {choice("none", Dither::None), choice("floyd-steinberg", Dither::FloydSteinberg),
                  choice("atkinson", Dither::Atkinson), choice("bayer4", Dither::Bayer4)}},
                static_cast<int>(kDefaultDither)),
            withDefault({QStringLiteral("format"),
                         QStringLiteral("f"),
                         QStringLiteral("格式"),
                         QStringLiteral("c51、asm、bin、preview 或 pbm（Netpbm P4 图片）"),
                         {},
                         {choice("c51", ImageFormat::C51), choice("asm", ImageFormat::Asm51),
                          choice("bin", ImageFormat::Bin), choice("preview", ImageFormat::Preview),
                          choice("pbm", ImageFormat::Pbm)}},
                        static_cast<int>(kDefaultImageFormat)),
            {QStringLiteral("name"), QStringLiteral("n"), QStringLiteral("名称"),
             QStringLiteral("数组名，须为C标识符"), QString::fromLatin1(kDefaultImageName)},
        };
        for (const OptionInfo &option : packingOptions(true))
            options.push_back(option);
        options.push_back(compilerOption(kCCompilerText));
        return CommandInfo{
            QStringLiteral("image"),
            QStringLiteral("[选项] 图片文件"),
            QStringLiteral("图片的单色点阵，用于LCD和OLED"),
            QStringLiteral(
                "把图片（PNG、BMP、GIF、JPEG、PBM 或 XBM）转为单色点阵。透明的像素算作白色。"
                "图片文件为“-”时读标准输入。\n"
                "例如 128×64 的 SSD1306 OLED：--display ssd1306 -f bin，即 --size 128x64 --layout "
                "page "
                "--bit-order lsb -f bin。\n"
                "c51、asm 格式的第一行是生成它的命令；数据超过64 KB时在标准错误上警告。"),
            options,
            true,
        };
    }();
    return command;
}

const CommandInfo &segmentsCommandInfo()
{
    static const CommandInfo command{
        QStringLiteral("segments"),
        QStringLiteral("[选项]"),
        QStringLiteral("七段数码管的段码表，可任意指定接线"),
        QStringLiteral(
            "为七段数码管生成字符的段码表，可按电路板的接线任意指定每个端口位驱动的段。\n"
            "可显示的字符：0-9 A b C c d E F H h L o P r U u y - _ 和空格。"),
        {
            {QStringLiteral("chars"),
             {},
             QStringLiteral("字符"),
             QStringLiteral("要编码的字符"),
             QString::fromLatin1(kDefaultSegmentChars)},
            withDefault(
                {QStringLiteral("common"),
                 {},
                 QStringLiteral("接法"),
                 QStringLiteral("anode（共阳，点亮的段为0）或 cathode（共阴，点亮的段为1）"),
                 {},
                 {choice("anode", SegmentWiring::CommonAnode),
                  choice("cathode", SegmentWiring::CommonCathode)}},
                static_cast<int>(kDefaultWiring)),
            {QStringLiteral("pins"),
             {},
             QStringLiteral("列表"),
             QStringLiteral("从位7到位0每位驱动的段，A B C D E F G DP 各一次，以逗号分隔"),
             QString::fromLatin1(kDefaultPins)},
            {QStringLiteral("dp"), {}, {}, QStringLiteral("每个段码都点亮小数点")},
            withDefault(
                {QStringLiteral("format"),
                 QStringLiteral("f"),
                 QStringLiteral("格式"),
                 QStringLiteral("c51、asm 或 list"),
                 {},
                 {choice("c51", SegmentTableFormat::C51), choice("asm", SegmentTableFormat::Asm51),
                  choice("list", SegmentTableFormat::List)}},
                static_cast<int>(kDefaultSegmentFormat)),
            {QStringLiteral("name"), QStringLiteral("n"), QStringLiteral("名称"),
             QStringLiteral("数组名，须为C标识符"), QString::fromLatin1(kDefaultSegmentName)},
            compilerOption(kCCompilerText),
        },
    };
    return command;
}

const CommandInfo &timerCommandInfo()
{
    static const CommandInfo command{
        QStringLiteral("timer"),
        QStringLiteral("--crystal MHZ (--interval 时间 | --baud 波特率 | --baud-table) [选项]"),
        QStringLiteral("8051定时器的定时或波特率重装值，含8052的定时器2和STC的1T内核"),
        QStringLiteral(
            "计算8051定时器的重装值：定时默认用定时器0，波特率默认用定时器1（串口方式1和3）。\n"
            "定时器2：12t、6t 为8052及其兼容芯片的定时器2（T2CON、RCAP2L/RCAP2H），"
            "stc15、stc8 为STC的定时器2（T2H、T2L，总是16位自动重装）；stc12 用BRT产生波特率。\n"
            "在1T内核上，定时器按系统时钟（1T）或其12分频（12T）计数，由AUXR选择：取误差较小的一个，"
            "相同时取1T；list 输出和 init 的注释说明用的是哪一个。\n"
            "AUXR、T2H、T2L、BRT 等寄存器不在 reg51.h 和 8051.h 中：输出的注释指出定义它们的"
            "芯片头文件，--declare-sfr 则写出它们的声明。\n"
            "asm、c51、init 格式的第一行是生成它的命令。"),
        {
            {QStringLiteral("crystal"), {}, QStringLiteral("MHz"), kCrystalText},
            coreOption(),
            withDefault({QStringLiteral("clocks"),
                         {},
                         QStringLiteral("时钟数"),
                         QStringLiteral("每个机器周期的振荡周期数：12、6（X2模式）或 1（不带AUXR的"
                                        "通用1T内核，不用于 init）；12 即 --core 12t，6 即 6t"),
                         {},
                         clockChoices()},
                        kDefaultClocks),
            {QStringLiteral("interval"),
             {},
             QStringLiteral("时间"),
             QStringLiteral("定时时间，带单位 us、ms 或 s，例如 50ms")},
            {QStringLiteral("timer"),
             {},
             QStringLiteral("定时器"),
             QStringLiteral("--interval 用的定时器：0、1 或 2（12t、6t 为8052及其兼容芯片的定时器2，"
                            "stc15、stc8 为STC的定时器2）"),
             QStringLiteral("0"),
             {},
             false,
             0,
             2},
            {QStringLiteral("mode"), {}, QStringLiteral("方式"), modeDescription(), {},
             {choice("0", TimerMode::Mode0), choice("1", TimerMode::Mode1),
              choice("2", TimerMode::Mode2)}},
            {QStringLiteral("baud"),
             {},
             QStringLiteral("波特率"),
             QStringLiteral("串口波特率，例如 9600")},
            {QStringLiteral("baud-table"),
             {},
             {},
             QStringLiteral("列出各标准波特率（1200至115200，1T内核另有230400和460800）的重装值、"
                            "实际波特率和误差；未给出的方式、SMOD和定时器时钟取误差最小的，"
                            "误差超过2%的标为不可用。只与 --crystal 同用，不用 --baud 或 "
                            "--interval")},
            withDefault({QStringLiteral("baud-timer"),
                         {},
                         QStringLiteral("定时器"),
                         QStringLiteral("产生波特率的定时器：1、2（12t、6t 为8052的定时器2，"
                                        "stc15、stc8 为STC的定时器2）或 brt（stc12 的BRT）"),
                         {},
                         {choice("1", BaudTimer::Timer1), choice("2", BaudTimer::Timer2),
                          choice("brt", BaudTimer::Brt)}},
                        static_cast<int>(BaudTimer::Timer1)),
            {QStringLiteral("smod"),
             {},
             {},
             QStringLiteral("SMOD = 1，波特率加倍；只用于与SMOD有关的波特率：定时器1的8位自动重装"
                            "方式和BRT")},
            {QStringLiteral("timer-clock"),
             {},
             QStringLiteral("时钟"),
             QStringLiteral("1t（系统时钟）或 12t（系统时钟/12）：在 stc12、stc15、stc8 上指定定时器"
                            "的时钟（T0x12、T1x12、T2x12、BRTx12）；默认取误差较小的，相同时取1t"),
             {},
             {choice("1t", TimerClock::OneT), choice("12t", TimerClock::TwelveT)}},
            withDefault(
                {QStringLiteral("format"),
                 QStringLiteral("f"),
                 QStringLiteral("格式"),
                 QStringLiteral(
                     "list、asm（另加 MOV 指令）、c51（另加赋值语句）或 init（完整的C初始化函数，"
                     "如 Timer0_Init 或 Uart_Init，不用于 --clocks 1）；AUXR 的设置在各格式中都有"),
                 {},
                 {choice("list", TimerFormat::List), choice("asm", TimerFormat::Asm),
                  choice("c51", TimerFormat::C51), choice("init", TimerFormat::Init)}},
                static_cast<int>(kDefaultTimerFormat)),
            {QStringLiteral("declare-sfr"),
             {},
             {},
             QStringLiteral("写出 reg51.h、8051.h 没有的寄存器的声明（Keil：sfr AUXR = 0x8E;，"
                            "SDCC：__sfr __at(0x8E) AUXR;，A51：AUXR DATA 08EH，sdas8051："
                            "AUXR = 0x8E），按 --compiler 选择写法；只用于 asm、c51 和 init")},
            compilerOption(QStringLiteral(
                "keil 或 sdcc：asm 格式的十六进制写法（0FDH 或 0xFD）和 --declare-sfr 的写法；"
                "其他C代码两者相同")),
        },
    };
    return command;
}

const CommandInfo &delayCommandInfo()
{
    static const CommandInfo command{
        QStringLiteral("delay"),
        QStringLiteral("--crystal MHZ --time 时间 [选项]"),
        QStringLiteral("精确到机器周期（1T内核为时钟）的软件延时函数"),
        QStringLiteral(
            "生成一个软件延时函数：嵌套的DJNZ计数循环加NOP补齐，从调用它的LCALL到RET结束共占最接近"
            "所求时间的整数个机器周期；--core stc12、stc15、stc8 时按该内核指令集的时钟数计，"
            "精确到时钟。\n") +
            fromView(delayTimingHelp()) +
            QStringLiteral("，如 Keil C51 和 SDCC。\n"
                           "输出的第一行是生成它的命令。"),
        {
            {QStringLiteral("crystal"), {}, QStringLiteral("MHz"), kCrystalText},
            {QStringLiteral("time"),
             {},
             QStringLiteral("时间"),
             QStringLiteral("延时时间，带单位 us、ms 或 s，最长10s，例如 10ms")},
            coreOption(),
            withDefault(
                {QStringLiteral("clocks"),
                 {},
                 QStringLiteral("时钟数"),
                 QStringLiteral("每个机器周期的振荡周期数：12 或 6（X2模式）；1（1T内核）被拒绝，"
                                "因为各系列1T内核的指令时序互不相同，请用 --core"),
                 {},
                 clockChoices()},
                kDefaultClocks),
            withDefault({QStringLiteral("format"),
                         QStringLiteral("f"),
                         QStringLiteral("格式"),
                         QStringLiteral("c51（C函数）或 asm（A51 和 sdas8051 都能汇编的子程序）"),
                         {},
                         {choice("c51", DelayFormat::C51), choice("asm", DelayFormat::Asm)}},
                        static_cast<int>(kDefaultDelayFormat)),
            compilerOption(QStringLiteral(
                "keil（NOP为 _nop_()，先包含 intrins.h）或 sdcc（__asm nop __endasm;）")),
            {QStringLiteral("name"), QStringLiteral("n"), QStringLiteral("名称"),
             QStringLiteral("函数名，须为C标识符；默认为 Delay 加时间，例如 Delay10ms")},
        },
    };
    return command;
}

const CommandInfo &fontsCommandInfo()
{
    static const CommandInfo command{
        QStringLiteral("fonts"),
        QStringLiteral("[选项]"),
        QStringLiteral("已安装的字体：家族名、点阵字号和GB2312汉字的覆盖"),
        QStringLiteral("列出已安装的字体，按家族名排序，每个字体一行，以制表符分隔：\n"
                       "家族名、字型、文件、字体序号、点阵字号（这些字号清晰，如宋体的12至16像素；"
                       "没有时为 -）、"
                       "GB2312的6763个汉字中有多少个。\n"
                       "读不出的字体文件标为“损坏”，列在最后。家族名可用于 glyph --font。"),
        {},
    };
    return command;
}

const CommandInfo &decodeCommandInfo()
{
    static const CommandInfo command = [] {
        std::vector<OptionInfo> options = {
            {QStringLiteral("bin"),
             {},
             {},
             QStringLiteral(
                 "输入是二进制文件（如 glyph -f bin 的输出），字节原样使用，而不是文本")},
            {QStringLiteral("size"),
             {},
             QStringLiteral("宽x高"),
             QStringLiteral("每个字模的大小，每边1至256像素，例如 16x16 或 8x16"),
             QStringLiteral("%1x%2").arg(kDefaultDecodeSize.width).arg(kDefaultDecodeSize.height)},
        };
        for (const OptionInfo &option : packingOptions(false))
            options.push_back(option);
        options.push_back(withDefault(
            {QStringLiteral("format"),
             QStringLiteral("f"),
             QStringLiteral("格式"),
             QStringLiteral("preview（字符画，# 为点亮）或 pbm（Netpbm P4 图片，每行16个字模）"),
             {},
             {choice("preview", DecodeFormat::Preview), choice("pbm", DecodeFormat::Pbm)}},
            static_cast<int>(kDefaultDecodeFormat)));
        return CommandInfo{
            QStringLiteral("decode"),
            QStringLiteral("[选项] [文件]"),
            QStringLiteral("字模还原：把C、汇编、十六进制或bin文件中的字节画回点阵"),
            QStringLiteral(
                "读取文件（没有文件或为“-”时读标准输入）中的字节，按 --size "
                "和取模方式画出每个字模。\n"
                "文本中的数：0x3F、0b00111111、3FH、0FDH（汇编：以数字开头，H结尾）、00111111B "
                "和十进制63；C代码（注释外有“{”或“=”）中以0开头的数为八进制。\n"
                "忽略：注释（// 和 /* */，汇编的 ; 至行尾）、以 # 或 $ 开头的行、标号和偏移"
                "（hz16:、000010:）、空白和逗号。\n"
                "哪些数是字节：只有成对十六进制数字（以空白分隔或连写，如 3F 00 FF 或 3F00FF）的"
                "文本按十六进制每两位一个字节；没有单词的文本中每个数都是字节；有声明或伪指令的"
                "文本取“=”之后的数（一个，或大括号中的列表）和 DB、DEFB、.DB、.BYTE "
                "之后到行尾的数，"
                "数组大小、ORG 等处的数不算。\n"
                "大括号中的 {编码,{字模}} 或 {{编码},{字模}}（编码比字模短，即 glyph -f struct "
                "的每一项）只取字模，略去编码。\n"
                "最后不足一个字模的字节在标准错误上警告，并被略去。"),
            options,
            true,
        };
    }();
    return command;
}

const OptionInfo *findOption(const CommandInfo &command, QStringView name)
{
    for (const std::vector<OptionInfo> *options : {&command.options, &commonOptions()})
        for (const OptionInfo &option : *options)
            if (option.name == name)
                return &option;
    return nullptr;
}

std::optional<int> choiceValue(const OptionInfo &option, const QString &spelling)
{
    const QString lower = spelling.toLower();
    for (const Choice &choice : option.choices)
        if (choice.spelling == lower)
            return choice.value;
    return std::nullopt;
}

QString choiceSpelling(const OptionInfo &option, int value)
{
    for (const Choice &choice : option.choices)
        if (choice.value == value)
            return choice.spelling;
    return {};
}

QString choiceList(const OptionInfo &option)
{
    QStringList items;
    if (!option.aliased) {
        for (const Choice &choice : option.choices)
            items << choice.spelling;
        return items.join(QStringLiteral("、"));
    }
    std::vector<int> values;
    for (const Choice &choice : option.choices) {
        if (std::find(values.begin(), values.end(), choice.value) != values.end())
            continue;
        values.push_back(choice.value);
        QStringList names;
        for (const Choice &other : option.choices)
            if (other.value == choice.value)
                names << other.spelling;
        items << names.join(QLatin1Char('/'));
    }
    return items.join(QStringLiteral("、"));
}

} // namespace zandrel::generators
