// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"

#include "core/ByteText.h"
#include "core/Error.h"
#include "core/Gb2312.h"
#include "core/GlyphTable.h"
#include "data/BuiltinFonts.h"
#include "readers/FontFile.h"

#include <QStringDecoder>

#include <memory>
#include <unordered_set>

namespace zandrel::gen {

const CommandSpec &glyphCommand()
{
    static const CommandSpec command = [] {
        std::vector<OptionSpec> options = {
            {{QStringLiteral("i"), QStringLiteral("input")},
             QStringLiteral("文件"),
             QStringLiteral("从文件读取文本（“-”为标准输入）")},
            {{QStringLiteral("input-encoding")},
             QStringLiteral("编码"),
             QStringLiteral("--input 文本的编码：utf-8（可带BOM）或 gb2312（GBK，中文Windows记事本的“ANSI”）"),
             QStringLiteral("utf-8")},
            {{QStringLiteral("library")},
             QString(),
             QStringLiteral(
                 "改为生成GB2312的1至87区：内置字库为全部8178个编码，--font 为其中7445个字符")},
            {{QStringLiteral("size")},
             QStringLiteral("像素"),
             QStringLiteral("字号：内置字库为 12、16 或 24；--font 为1至256"),
             QStringLiteral("16")},
            {{QStringLiteral("font")},
             QStringLiteral("文件"),
             QStringLiteral("改用字体文件：BDF、PCF（可为 .gz）、TrueType 或 OpenType")},
            {{QStringLiteral("face")},
             QStringLiteral("序号"),
             QStringLiteral("字体集（.ttc）中的第几个字体，从0数起"),
             QStringLiteral("0")},
            {{QStringLiteral("cell")},
             QStringLiteral("宽x高"),
             QStringLiteral("字格大小，例如 16x16；半角字符的字格宽度减半。默认为字号×字号")},
            {{QStringLiteral("clip")},
             QString(),
             QStringLiteral("裁去超出字格的部分，而不是拒绝该字符")},
            {{QStringLiteral("f"), QStringLiteral("format")},
             QStringLiteral("格式"),
             QStringLiteral("c51、asm、struct、bin 或 preview"),
             QStringLiteral("c51")},
            {{QStringLiteral("n"), QStringLiteral("name")},
             QStringLiteral("名称"),
             QStringLiteral("全角字符的数组名，须为C标识符；默认为 hz 加字格高度，如 hz16")},
            {{QStringLiteral("ascii-name")},
             QStringLiteral("名称"),
             QStringLiteral("半角字符（ASCII）的数组名；默认为 数组名_ascii")},
        };
        for (const OptionSpec &option : packingOptions())
            options.push_back(option);
        options.push_back(compilerOption(
            QStringLiteral("C代码给 keil（Keil C51，code）或 sdcc（SDCC，__code）")));
        options.push_back(
            {{QStringLiteral("encoding")},
             QStringLiteral("编码"),
             QStringLiteral("注释和标签中字符的编码：utf-8 或 gb2312（此时拒绝GB2312以外的字符）"),
             QStringLiteral("utf-8")});
        return CommandSpec{
            QStringLiteral("glyph"),
            QStringLiteral("[选项] 文本…"),
            QStringLiteral("文本中字符的点阵字模表，任意字号和字体"),
            QStringLiteral(
                "把文本中的每个字符（按首次出现的顺序，重复的只取一次）生成点阵字模表。\n"
                "ASCII字符 0x21-0x7E "
                "为半角，字格宽度减半，另成一张表（数组名_ascii）；其余为全角。\n"
                "空格、制表符和换行被跳过。内置字库只有GB2312字符；--font 可用字体中的任何字符。\n"
                "bin 格式先写全角表，再写半角表。\n"
                "文本取自参数、--input 文件，或以“-”取自标准输入，编码为UTF-8；--input 也可读GB2312。"),
            options,
            true,
        };
    }();
    return command;
}

namespace {

constexpr qint64 kMaxFontFileBytes = static_cast<qint64>(FontFile::kMaxFileBytes);

// One character of a table and where it was first seen, for messages.
struct Character
{
    char32_t ucs4;
    std::uint16_t gb2312;              // 0 for none
    const InputText *input = nullptr; // none for the library
    int line = 0;
    int column = 0;
};

// "第2行第3列", after the input's name where it has one. Made only for a message: a table
// has thousands of characters.
QString whereOf(const InputText &input, int line, int column)
{
    const QString where = QStringLiteral("第%1行第%2列").arg(line).arg(column);
    return input.source.isEmpty() ? where : input.source + QStringLiteral("，") + where;
}

bool isHalfWidth(char32_t ucs4)
{
    return ucs4 >= 0x21 && ucs4 <= 0x7E;
}

QString characterName(const Character &character)
{
    if (character.ucs4 == 0)
        return QStringLiteral("编码%1").arg(character.gb2312, 4, 16, QLatin1Char('0')).toUpper();
    return QStringLiteral("字符") + describeCharacter(character.ucs4);
}

QString located(const Character &character, const QString &what)
{
    if (!character.input)
        return characterName(character) + what;
    return whereOf(*character.input, character.line, character.column) + QStringLiteral("：") +
           characterName(character) + what;
}

// The characters of the texts, each once, in the order they first appear. Blanks, tabs and
// line breaks are skipped; what no font could draw is refused.
class CharacterCollector
{
public:
    // needGb2312: only characters with a GB2312 code are taken (the built-in fonts, or
    // --encoding gb2312); needFullCodes: a full-width character must have a two-byte code.
    CharacterCollector(bool needGb2312, bool needFullCodes)
        : needGb2312_(needGb2312), needFullCodes_(needFullCodes)
    {
    }

    void add(const InputText &input)
    {
        QStringDecoder decoder(QStringDecoder::Utf8);
        const QString text = decoder.decode(input.utf8);
        const bool badUtf8 = decoder.hasError();
        int line = 1;
        int column = 0;
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype units = text.at(i).isHighSurrogate() && i + 1 < text.size() &&
                                            text.at(i + 1).isLowSurrogate()
                                        ? 2
                                        : 1;
            const char32_t ucs4 = units == 2 ? QChar::surrogateToUcs4(text.at(i), text.at(i + 1))
                                             : text.at(i).unicode();
            i += units;
            ++column;
            if (ucs4 == '\n') {
                ++line;
                column = 0;
                continue;
            }
            if (ucs4 == ' ' || ucs4 == '\t' || ucs4 == '\r' || (ucs4 == 0xFEFF && i == 1))
                continue;
            if (badUtf8 && ucs4 == 0xFFFD)
                refuse(QStringLiteral("%1：不是有效的UTF-8").arg(whereOf(input, line, column)));
            if (!seen_.insert(ucs4).second)
                continue;
            const std::optional<std::uint16_t> code = gb2312CodeOf(ucs4);
            const Character character{ucs4, code.value_or(0), &input, line, column};
            if (ucs4 < 0x20 || (ucs4 >= 0x7F && ucs4 < 0xA0) || (ucs4 >= 0xD800 && ucs4 < 0xE000))
                refuse(located(character, QStringLiteral("不是可显示的字符")));
            if (needGb2312_ && !code)
                refuse(located(character, QStringLiteral("不是GB2312字符")));
            if (needFullCodes_ && !isHalfWidth(ucs4) && !code)
                refuse(located(character,
                               QStringLiteral("没有GB2312编码，struct 格式无法给出它的编码")));
            characters_.push_back(character);
        }
    }

    // Zones 1 to 87 in table order: every code for a table of codes, the assigned characters
    // only for a font that is looked up by character. A table of codes written without labels
    // needs no characters.
    void addLibrary(bool everyCode, bool withCharacters)
    {
        for (int hi = 0xA1; hi <= 0xF7; ++hi)
            for (int lo = 0xA1; lo <= 0xFE; ++lo) {
                const auto h = static_cast<std::uint8_t>(hi);
                const auto l = static_cast<std::uint8_t>(lo);
                const std::optional<char32_t> ucs4 = withCharacters || !everyCode
                                                         ? unicodeOfGb2312(h, l)
                                                         : std::optional<char32_t>(0);
                if (ucs4 || everyCode)
                    characters_.push_back(
                        {ucs4.value_or(0), static_cast<std::uint16_t>(hi * 256 + lo)});
            }
    }

    const std::vector<Character> &characters() const { return characters_; }

private:
    bool needGb2312_;
    bool needFullCodes_;
    std::unordered_set<char32_t> seen_;
    std::vector<Character> characters_;
};

// The label of a character in a comment or a preview heading.
std::string labelOf(const Character &character, bool gb2312Labels)
{
    if (character.ucs4 == 0)
        return twoDigitHex(character.gb2312 >> 8) + twoDigitHex(character.gb2312);
    if (gb2312Labels && character.gb2312 >= 0x100)
        return {static_cast<char>(character.gb2312 >> 8),
                static_cast<char>(character.gb2312 & 0xFF)};
    // UTF-8 by hand: a table has thousands of labels.
    const char32_t c = character.ucs4;
    if (c < 0x80)
        return std::string(1, static_cast<char>(c));
    std::string text;
    if (c < 0x800) {
        text += static_cast<char>(0xC0 | c >> 6);
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | c >> 12);
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | c >> 18);
        text += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        text += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    }
    text += static_cast<char>(0x80 | (c & 0x3F));
    return text;
}

struct Table
{
    GlyphTableOptions options;
    Bitmap cell;
    std::vector<GlyphTableEntry> entries;
    std::vector<std::uint8_t> bytes;
};

std::unique_ptr<GlyphSource> openFont(const QCommandLineParser &parser, int &size)
{
    const bool sizeGiven = parser.isSet(QStringLiteral("size"));
    if (!parser.isSet(QStringLiteral("font"))) {
        if (parser.isSet(QStringLiteral("face")))
            usageError(QStringLiteral("--face 只用于 --font"));
        size = integerOf(parser, QStringLiteral("size"), 1, kMaxBitmapSide);
        if (size != 12 && size != 16 && size != 24)
            usageError(QStringLiteral("--size 的值“%1”无效：内置字库只有 12、16、24；其他字号请用 "
                                      "--font 给出字体文件")
                           .arg(parser.value(QStringLiteral("size"))));
        return builtinFont(size);
    }
    const QString path = parser.value(QStringLiteral("font"));
    const int face = integerOf(parser, QStringLiteral("face"), 0, 65535);
    size = integerOf(parser, QStringLiteral("size"), 1, kMaxBitmapSide);
    std::vector<std::uint8_t> data =
        readInputFile(path, QStringLiteral("字体文件"), kMaxFontFileBytes);
    try {
        auto font = std::make_unique<FontFile>(std::move(data), face);
        // A font of bitmaps only is drawn at its own size unless another is asked for.
        const std::vector<int> sizes = font->bitmapSizes();
        if (!sizeGiven && !font->scalable() && !sizes.empty() &&
            std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            size = sizes.front();
        font->setSize(size);
        return font;
    } catch (const Error &error) {
        refuse(QStringLiteral("字体文件“%1”：%2").arg(path, QString::fromStdString(error.what())));
    }
}

} // namespace

int runGlyph(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(glyphCommand(), arguments, parser))
        return Success;

    const auto format = static_cast<GlyphTableFormat>(
        choiceOf(parser, QStringLiteral("format"),
                 {QStringLiteral("c51"), QStringLiteral("asm"), QStringLiteral("struct"),
                  QStringLiteral("bin"), QStringLiteral("preview")}));
    const Packing packing = packingOf(parser);
    const Dialect compiler = cDialectOf(compilerOf(parser));
    const bool gb2312Labels =
        choiceOf(parser, QStringLiteral("encoding"),
                 {QStringLiteral("utf-8"), QStringLiteral("gb2312"), QStringLiteral("utf8")}) == 1;
    const bool clip = parser.isSet(QStringLiteral("clip"));
    const bool library = parser.isSet(QStringLiteral("library"));
    if (library &&
        (!parser.positionalArguments().isEmpty() || parser.isSet(QStringLiteral("input"))))
        usageError(QStringLiteral("--library 不与文本一起使用"));
    const bool fromFile = parser.isSet(QStringLiteral("font"));

    int size = 16;
    const std::unique_ptr<GlyphSource> font = openFont(parser, size);
    const Extent full = parser.isSet(QStringLiteral("cell"))
                            ? extentOf(parser, QStringLiteral("cell"))
                            : Extent{size, size};
    const Extent half{std::max(1, full.width / 2), full.height};

    const QString name = parser.isSet(QStringLiteral("name"))
                             ? identifierOf(parser, QStringLiteral("name"))
                             : QStringLiteral("hz%1").arg(full.height);
    const QString asciiName = parser.isSet(QStringLiteral("ascii-name"))
                                  ? identifierOf(parser, QStringLiteral("ascii-name"))
                                  : name + QStringLiteral("_ascii");
    if (asciiName == name)
        usageError(QStringLiteral("--ascii-name 与 --name 不能相同：两张表须有不同的名字"));

    CharacterCollector collector(!fromFile || gb2312Labels, format == GlyphTableFormat::Struct);
    std::vector<InputText> texts; // the characters point into them for messages
    if (library) {
        collector.addLibrary(!fromFile, fromFile || format != GlyphTableFormat::Bin);
    } else {
        texts = readInputTexts(parser);
        if (texts.empty())
            usageError(
                QStringLiteral("缺少文本：在参数中给出，或用 --input 文件、“-”（标准输入）"));
        for (const InputText &text : texts)
            collector.add(text);
        if (collector.characters().empty())
            refuse(QStringLiteral("文本中没有可生成字模的字符"));
    }

    Table tables[2]; // full width, half width
    for (int t = 0; t < 2; ++t) {
        GlyphTableOptions &options = tables[t].options;
        options.format = format;
        options.compiler = compiler;
        options.name = (t == 0 ? name : asciiName).toStdString();
        options.width = t == 0 ? full.width : half.width;
        options.height = full.height;
        options.packing = packing;
        options.oneByteCodes = t == 1;
        options.lineEnd = lineEndOf(parser);
        tables[t].cell = Bitmap(options.width, options.height);
    }
    const int baseline = baselineOf(font->line(), full.height);
    tables[0].bytes.reserve(collector.characters().size() *
                            packedSize(full.width, full.height, packing.layout));
    const bool withLabels = format != GlyphTableFormat::Bin;
    for (const Character &character : collector.characters()) {
        Table &table = tables[isHalfWidth(character.ucs4) ? 1 : 0];
        std::optional<GlyphImage> image;
        try {
            image = font->glyphOf({character.ucs4, character.gb2312});
        } catch (const Error &error) {
            refuse(located(character, QStringLiteral("：") + QString::fromStdString(error.what())));
        }
        if (!image)
            refuse(located(character, fromFile ? QStringLiteral("不在字体中")
                                               : QStringLiteral("不在内置字库中")));
        if (!placeGlyph(*image, baseline, clip, table.cell))
            refuse(located(
                character,
                QStringLiteral(
                    "的字形超出了%1×%2的字格；可用 --clip 裁去超出的部分，或用 --cell 加大字格")
                    .arg(table.options.width)
                    .arg(table.options.height)));
        packBitmap(table.cell, packing, table.bytes);
        table.entries.push_back(
            {character.gb2312, withLabels ? labelOf(character, gb2312Labels) : std::string()});
    }

    // Raw bytes of one table are written as they are, without a copy.
    if (format == GlyphTableFormat::Bin &&
        (tables[0].entries.empty() || tables[1].entries.empty())) {
        const std::vector<std::uint8_t> &bytes = tables[tables[0].entries.empty() ? 1 : 0].bytes;
        writeOutput(parser, QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size())));
        return Success;
    }
    std::string text;
    for (const Table &table : tables) {
        if (table.entries.empty())
            continue;
        if (!text.empty() && format != GlyphTableFormat::Bin && format != GlyphTableFormat::Preview)
            text += table.options.lineEnd;
        appendGlyphTable(text, table.entries, table.bytes, table.options);
    }
    writeOutput(parser, QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())));
    return Success;
}

} // namespace zandrel::gen
