// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "core/ByteText.h"
#include "core/Gb2312.h"
#include "core/GlyphTable.h"

#include <QStringDecoder>

#include <set>

namespace zandrel::gen {

const CommandSpec &glyphCommand()
{
    static const CommandSpec command{
        QStringLiteral("glyph"),
        QStringLiteral("[选项] 文本…"),
        QStringLiteral("文本中汉字的16×16点阵字模表"),
        QStringLiteral("把文本中的每个GB2312字符（按首次出现的顺序，重复的只取一次）生成16×16点阵字模表。\n"
                       "空格、制表符和换行被跳过；其他不是双字节GB2312字符的字符（包括ASCII字母和数字）被拒绝。\n"
                       "文本取自参数、--input 文件，或以“-”取自标准输入，编码为UTF-8。"),
        {
            {{QStringLiteral("i"), QStringLiteral("input")}, QStringLiteral("文件"),
             QStringLiteral("从文件读取文本（“-”为标准输入）")},
            {{QStringLiteral("library")}, QString(), QStringLiteral("改为生成1至87区的全部8178个编码")},
            {{QStringLiteral("f"), QStringLiteral("format")}, QStringLiteral("格式"),
             QStringLiteral("c51、asm、struct、bin 或 preview"), QStringLiteral("c51")},
            {{QStringLiteral("n"), QStringLiteral("name")}, QStringLiteral("名称"),
             QStringLiteral("数组名，须为C标识符"), QStringLiteral("hz16")},
            {{QStringLiteral("invert")}, QString(), QStringLiteral("每个字节取反（置低显示）")},
            {{QStringLiteral("layout")}, QStringLiteral("排列"),
             QStringLiteral("row（逐行）、column（逐列）或 page（按页，SSD1306/ST7565）"), QStringLiteral("row")},
            {{QStringLiteral("bit-order")}, QStringLiteral("位序"),
             QStringLiteral("msb（首个像素在位7）或 lsb（在位0）"), QStringLiteral("msb")},
            {{QStringLiteral("encoding")}, QStringLiteral("编码"),
             QStringLiteral("注释和标签中字符的编码：utf-8 或 gb2312"), QStringLiteral("utf-8")},
        },
        true,
    };
    return command;
}

namespace {

// Collects the GB2312 characters of the texts, each once, refusing any other character
// except blanks, tabs and line breaks.
class GlyphCollector
{
public:
    // Raw bytes need no labels; otherwise they are written in GB2312 or UTF-8.
    GlyphCollector(bool withLabels, bool gb2312Labels) : withLabels_(withLabels), gb2312Labels_(gb2312Labels) {}

    void add(const InputText &input)
    {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(input.utf8);
        const bool badUtf8 = decoder.hasError();
        int line = 1;
        int column = 0;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype units =
                text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
            const QStringView character = QStringView(text).mid(i, units);
            const char32_t ucs4 = units == 2 ? QChar::surrogateToUcs4(character[0], character[1])
                                             : character[0].unicode();
            i += units;
            ++column;
            if (ucs4 == '\n') {
                ++line;
                column = 0;
                continue;
            }
            if (ucs4 == ' ' || ucs4 == '\t' || ucs4 == '\r' || (ucs4 == 0xFEFF && i == 1))
                continue;
            const std::optional<std::uint16_t> code = gb2312CodeOf(ucs4);
            // ASCII has a code too, but no glyph in the font.
            if (!code || *code < 0x80) {
                QString where = QStringLiteral("第%1行第%2列").arg(line).arg(column);
                if (!input.source.isEmpty())
                    where = input.source + QStringLiteral("，") + where;
                if (badUtf8 && ucs4 == 0xFFFD)
                    refuse(QStringLiteral("%1：不是有效的UTF-8").arg(where));
                refuse(QStringLiteral("%1：字符%2不是双字节GB2312字符").arg(where, describeCharacter(ucs4)));
            }
            if (!seen_.insert(*code).second)
                continue;
            const auto hi = static_cast<std::uint8_t>(*code >> 8);
            const auto lo = static_cast<std::uint8_t>(*code & 0xFF);
            entries_.push_back({hi, lo, withLabels_ ? label(character, hi, lo) : std::string()});
        }
    }

    // Every code of zones 1 to 87 in table order; codes GB2312 leaves unassigned are labelled
    // with their hexadecimal code.
    void addLibrary()
    {
        for (int hi = 0xA1; hi <= 0xF7; ++hi)
            for (int lo = 0xA1; lo <= 0xFE; ++lo) {
                const auto h = static_cast<std::uint8_t>(hi);
                const auto l = static_cast<std::uint8_t>(lo);
                std::string name;
                if (const std::optional<char32_t> ucs4 = unicodeOfGb2312(h, l); withLabels_ && ucs4) {
                    name = label(QString::fromUcs4(&*ucs4, 1), h, l);
                } else if (withLabels_) {
                    name = twoDigitHex(hi) + twoDigitHex(lo);
                }
                entries_.push_back({h, l, std::move(name)});
            }
    }

    const std::vector<GlyphTableEntry> &entries() const { return entries_; }

private:
    std::string label(QStringView character, std::uint8_t hi, std::uint8_t lo) const
    {
        if (gb2312Labels_)
            return std::string{static_cast<char>(hi), static_cast<char>(lo)};
        return character.toUtf8().toStdString();
    }

    bool withLabels_;
    bool gb2312Labels_;
    std::set<std::uint16_t> seen_;
    std::vector<GlyphTableEntry> entries_;
};

} // namespace

int runGlyph(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(glyphCommand(), arguments, parser))
        return Success;

    GlyphTableOptions options;
    options.format = static_cast<GlyphTableFormat>(
        choiceOf(parser, QStringLiteral("format"),
                 {QStringLiteral("c51"), QStringLiteral("asm"), QStringLiteral("struct"), QStringLiteral("bin"),
                  QStringLiteral("preview")}));
    options.name = identifierOf(parser, QStringLiteral("name")).toStdString();
    options.layout = static_cast<GlyphLayout>(choiceOf(
        parser, QStringLiteral("layout"), {QStringLiteral("row"), QStringLiteral("column"), QStringLiteral("page")}));
    options.order = static_cast<GlyphBitOrder>(
        choiceOf(parser, QStringLiteral("bit-order"), {QStringLiteral("msb"), QStringLiteral("lsb")}));
    options.invert = parser.isSet(QStringLiteral("invert"));
    options.lineEnd = lineEndOf(parser);
    const int encoding = choiceOf(parser, QStringLiteral("encoding"),
                                  {QStringLiteral("utf-8"), QStringLiteral("gb2312"), QStringLiteral("utf8")});

    GlyphCollector collector(options.format != GlyphTableFormat::Bin, encoding == 1);
    if (parser.isSet(QStringLiteral("library"))) {
        if (!parser.positionalArguments().isEmpty() || parser.isSet(QStringLiteral("input")))
            usageError(QStringLiteral("--library 不与文本一起使用"));
        collector.addLibrary();
    } else {
        const std::vector<InputText> texts = readInputTexts(parser);
        if (texts.empty())
            usageError(QStringLiteral("缺少文本：在参数中给出，或用 --input 文件、“-”（标准输入）"));
        for (const InputText &text : texts)
            collector.add(text);
        if (collector.entries().empty())
            refuse(QStringLiteral("文本中没有GB2312字符"));
    }

    const std::string table = glyphTableText(collector.entries(), options);
    writeOutput(parser, QByteArray::fromRawData(table.data(), static_cast<qsizetype>(table.size())));
    return Success;
}

} // namespace zandrel::gen
