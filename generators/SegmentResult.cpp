// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"

#include "core/SegmentCode.h"

namespace zandrel::generators {

namespace {

void makeSegments(const SegmentRequest &request, Result &result)
{
    const SegmentTableFormat format = request.format.value_or(kDefaultSegmentFormat);
    const std::string name =
        identifierOf(request.name.value_or(QString::fromLatin1(kDefaultSegmentName)),
                     QStringLiteral("name"))
            .toStdString();
    const SegmentWiring wiring = request.common.value_or(kDefaultWiring);
    const QString pinList = request.pins.value_or(QString::fromLatin1(kDefaultPins));
    const std::optional<PinOrder> pins = parsePinOrder(pinList.toStdString());
    if (!pins)
        refuseUsage(QStringLiteral(
                        "--pins 的值“%1”无效：应为 A B C D E F G DP 八个名字的一种排列，以逗号分隔")
                        .arg(pinList),
                    QStringLiteral("pins"));

    const QString chars = request.chars.value_or(QString::fromLatin1(kDefaultSegmentChars));
    if (chars.isEmpty())
        refuseUsage(QStringLiteral("--chars 不能为空"), QStringLiteral("chars"));
    const QList<uint> characters = chars.toUcs4();
    std::string ascii;
    for (qsizetype i = 0; i < characters.size(); ++i) {
        const char32_t c = characters.at(i);
        if (c >= 0x80 || !segmentsOfChar(static_cast<char>(c))) {
            Refusal refusal{Refusal::Kind::Refused,
                            QStringLiteral("--chars 第%1个字符%2不能显示在七段数码管上")
                                .arg(i + 1)
                                .arg(describeCharacter(c)),
                            QStringLiteral("chars"),
                            c,
                            1,
                            static_cast<int>(i + 1)};
            throw refusal;
        }
        ascii += static_cast<char>(c);
        const auto lit = static_cast<SegmentSet>(*segmentsOfChar(static_cast<char>(c)) |
                                                 (request.dp ? 1u << int(Segment::DP) : 0u));
        result.codes.push_back(segmentCode(lit, wiring, *pins));
    }

    const std::string lineEnd = lineEndOf(request.crlf);
    std::string text;
    if (format == SegmentTableFormat::C51)
        text = headerLine(commandLineOf(request), "//", lineEnd);
    else if (format == SegmentTableFormat::Asm51)
        text = headerLine(commandLineOf(request), ";", lineEnd);
    text += segmentTableText(ascii, wiring, *pins, request.dp, format, name, lineEnd,
                             cDialectOf(request.compiler.value_or(kDefaultCompiler)));
    result.bytes = std::move(text);
}

} // namespace

Result makeSegmentTable(const SegmentRequest &request)
{
    return madeOrRefused([&](Result &result) { makeSegments(request, result); });
}

} // namespace zandrel::generators
