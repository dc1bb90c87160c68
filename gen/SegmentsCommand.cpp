// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "core/SegmentCode.h"

namespace zandrel::gen {

const CommandSpec &segmentsCommand()
{
    static const CommandSpec command{
        QStringLiteral("segments"),
        QStringLiteral("[选项]"),
        QStringLiteral("七段数码管的段码表，可任意指定接线"),
        QStringLiteral("为七段数码管生成字符的段码表，可按电路板的接线任意指定每个端口位驱动的段。\n"
                       "可显示的字符：0-9 A b C c d E F H h L o P r U u y - _ 和空格。"),
        {
            {{QStringLiteral("chars")}, QStringLiteral("字符"), QStringLiteral("要编码的字符"),
             QStringLiteral("0123456789AbCdEF")},
            {{QStringLiteral("common")}, QStringLiteral("接法"),
             QStringLiteral("anode（共阳，点亮的段为0）或 cathode（共阴，点亮的段为1）"), QStringLiteral("anode")},
            {{QStringLiteral("pins")}, QStringLiteral("列表"),
             QStringLiteral("从位7到位0每位驱动的段，A B C D E F G DP 各一次，以逗号分隔"),
             QStringLiteral("DP,G,F,E,D,C,B,A")},
            {{QStringLiteral("dp")}, QString(), QStringLiteral("每个段码都点亮小数点")},
            {{QStringLiteral("f"), QStringLiteral("format")}, QStringLiteral("格式"),
             QStringLiteral("c51、asm 或 list"), QStringLiteral("c51")},
            {{QStringLiteral("n"), QStringLiteral("name")}, QStringLiteral("名称"),
             QStringLiteral("数组名，须为C标识符"), QStringLiteral("seg")},
            compilerOption(QStringLiteral("C代码给 keil（Keil C51，code）或 sdcc（SDCC，__code）")),
        },
    };
    return command;
}

int runSegments(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(segmentsCommand(), arguments, parser))
        return Success;

    const auto format = static_cast<SegmentTableFormat>(choiceOf(
        parser, QStringLiteral("format"), {QStringLiteral("c51"), QStringLiteral("asm"), QStringLiteral("list")}));
    const std::string name = identifierOf(parser, QStringLiteral("name")).toStdString();
    const auto wiring =
        choiceOf(parser, QStringLiteral("common"), {QStringLiteral("anode"), QStringLiteral("cathode")}) == 1
            ? SegmentWiring::CommonCathode
            : SegmentWiring::CommonAnode;
    const QString pinList = parser.value(QStringLiteral("pins"));
    const std::optional<PinOrder> pins = parsePinOrder(pinList.toStdString());
    if (!pins)
        usageError(QStringLiteral("--pins 的值“%1”无效：应为 A B C D E F G DP 八个名字的一种排列，以逗号分隔")
                       .arg(pinList));

    const QString chars = parser.value(QStringLiteral("chars"));
    if (chars.isEmpty())
        usageError(QStringLiteral("--chars 不能为空"));
    const QList<uint> characters = chars.toUcs4();
    std::string ascii;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters.at(i);
        if (c >= 0x80 || !segmentsOfChar(static_cast<char>(c)))
            refuse(QStringLiteral("--chars 第%1个字符%2不能显示在七段数码管上")
                       .arg(i + 1)
                       .arg(describeCharacter(c)));
        ascii += static_cast<char>(c);
    }

    const std::string table = segmentTableText(ascii, wiring, *pins, parser.isSet(QStringLiteral("dp")), format,
                                               name, lineEndOf(parser), cDialectOf(compilerOf(parser)));
    writeOutput(parser, QByteArray::fromRawData(table.data(), static_cast<qsizetype>(table.size())));
    return Success;
}

} // namespace zandrel::gen
