// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Support.h"

#include "core/ByteText.h"
#include "core/Error.h"
#include "core/Gb2312.h"
#include "core/GlyphTable.h"
#include "data/BuiltinFonts.h"
#include "readers/FontCatalog.h"
#include "readers/FontFile.h"

#include <QFileInfo>

#include <QStringDecoder>

#include <algorithm>
#include <iterator>
#include <memory>
#include <unordered_set>

namespace zandrel::generators {

namespace {

constexpr qint64 kMaxFontFileBytes = static_cast<qint64>(FontFile::kMaxFileBytes);

// One character of a table and where it was first seen, for messages.
struct Character
{
    char32_t ucs4;
    std::uint16_t gb2312;             // 0 for none
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

[[noreturn]] void refuseCharacter(const Character &character, const QString &what)
{
    Refusal refusal{Refusal::Kind::Refused, characterName(character) + what};
    refusal.character = character.ucs4;
    if (character.input) {
        refusal.message = whereOf(*character.input, character.line, character.column) +
                          QStringLiteral("：") + refusal.message;
        refusal.line = character.line;
        refusal.column = character.column;
    }
    throw refusal;
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
            if (badUtf8 && ucs4 == 0xFFFD) {
                Refusal refusal{
                    Refusal::Kind::Refused,
                    QStringLiteral("%1：不是有效的UTF-8").arg(whereOf(input, line, column))};
                refusal.line = line;
                refusal.column = column;
                throw refusal;
            }
            if (!seen_.insert(ucs4).second)
                continue;
            const std::optional<std::uint16_t> code = gb2312CodeOf(ucs4);
            const Character character{ucs4, code.value_or(0), &input, line, column};
            if (ucs4 < 0x20 || (ucs4 >= 0x7F && ucs4 < 0xA0) || (ucs4 >= 0xD800 && ucs4 < 0xE000))
                refuseCharacter(character, QStringLiteral("不是可显示的字符"));
            if (needGb2312_ && !code)
                refuseCharacter(character, QStringLiteral("不是GB2312字符"));
            if (needFullCodes_ && !isHalfWidth(ucs4) && !code)
                refuseCharacter(character,
                                QStringLiteral("没有GB2312编码，struct 格式无法给出它的编码"));
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
    int baseline = 0;
    std::vector<GlyphTableEntry> entries;
    std::vector<std::uint8_t> bytes;
    std::vector<PackedBitmap> bitmaps;
};

// A --font that names no file but looks like a family ("WenQuanYi Micro Hei",
// "Family:style=Bold") is looked up among the installed fonts; a file of that name wins, and a
// text with a folder or a font file's suffix is always a file. Nothing for a file.
std::optional<InstalledFont> installedFontOf(const QString &font, bool faceGiven)
{
    static const QStringList fileSuffixes = {
        QStringLiteral(".ttf"), QStringLiteral(".ttc"), QStringLiteral(".otf"),
        QStringLiteral(".otc"), QStringLiteral(".bdf"), QStringLiteral(".pcf"),
        QStringLiteral(".gz"),  QStringLiteral(".pfb"), QStringLiteral(".woff")};
    if (QFileInfo::exists(font) || font.contains(QLatin1Char('/')) ||
        font.contains(QLatin1Char('\\')))
        return std::nullopt;
    for (const QString &suffix : fileSuffixes)
        if (font.endsWith(suffix, Qt::CaseInsensitive))
            return std::nullopt;
    const std::optional<FontName> name = parseFontName(font.toStdString());
    if (!name)
        return std::nullopt;
    if (faceGiven)
        refuseUsage(QStringLiteral("--face 只用于字体文件：字体“%1”的序号由查找得出").arg(font),
                    QStringLiteral("face"));
    FontLookup lookup = findInstalledFont(*name);
    if (!lookup.font) {
        QStringList near;
        for (const std::string &family : lookup.near)
            near << QStringLiteral("“%1”").arg(QString::fromStdString(family));
        refuseInput(near.isEmpty()
                        ? QStringLiteral("没有名为“%1”的字体文件或已安装字体").arg(font)
                        : QStringLiteral("没有名为“%1”的字体文件或已安装字体；相近的已安装字体：%2")
                              .arg(font, near.join(QStringLiteral("、"))),
                    QStringLiteral("font"));
    }
    return std::move(lookup.font);
}

std::unique_ptr<GlyphSource> openFont(const GlyphRequest &request, int &size)
{
    checkRange(request.size, glyphCommandInfo(), QStringLiteral("size"));
    size = request.size.value_or(kDefaultGlyphSize);
    if (!request.font) {
        if (request.face)
            refuseUsage(QStringLiteral("--face 只用于 --font"), QStringLiteral("face"));
        if (size != 12 && size != 16 && size != 24)
            refuseUsage(QStringLiteral("--size 的值“%1”无效：内置字库只有 12、16、24；其他字号请用 "
                                       "--font 给出字体文件")
                            .arg(size),
                        QStringLiteral("size"));
        return builtinFont(size);
    }
    QString path = *request.font;
    int face = request.face.value_or(kDefaultFace);
    if (const std::optional<InstalledFont> installed =
            installedFontOf(path, request.face.has_value())) {
        path = QString::fromStdString(installed->file);
        face = installed->face;
    }
    std::vector<std::uint8_t> data =
        readInputFile(path, QStringLiteral("字体文件"), kMaxFontFileBytes, QStringLiteral("font"));
    try {
        auto font = std::make_unique<FontFile>(std::move(data), face);
        // A font of bitmaps only is drawn at its own size unless another is asked for.
        const std::vector<int> sizes = font->bitmapSizes();
        if (!request.size && !font->scalable() && !sizes.empty() &&
            std::find(sizes.begin(), sizes.end(), size) == sizes.end())
            size = sizes.front();
        font->setSize(size);
        return font;
    } catch (const Error &error) {
        refuseInput(
            QStringLiteral("字体文件“%1”：%2").arg(path, QString::fromStdString(error.what())),
            QStringLiteral("font"));
    }
}

QString extentText(const Extent &extent)
{
    return QStringLiteral("%1×%2").arg(extent.width).arg(extent.height);
}

// Why a half-width character's glyph does not fit: its cell, and where that cell came from.
QString halfWidthOverflow(const GlyphRequest &request, const Extent &half, int size)
{
    QString derived;
    if (request.asciiCell)
        derived = QStringLiteral("由 --ascii-cell 给出");
    else if (request.cell)
        derived = QStringLiteral("为 --cell %1x%2 的宽度减半")
                      .arg(request.cell->width)
                      .arg(request.cell->height);
    else
        derived = QStringLiteral("为字号 %1 的 %1×%1 字格宽度减半").arg(size);
    return QStringLiteral(
               "是半角字符，字形超出了半角字格%1（%2）；可用 --ascii-cell 宽x高 给出半角字格，"
               "或用 --clip 裁去超出的部分")
        .arg(extentText(half), derived);
}

void makeGlyphs(const GlyphRequest &request, Result &result)
{
    const GlyphTableFormat format = request.format.value_or(kDefaultGlyphFormat);
    const Packing packing = packingOf(request.packing);
    const Dialect compiler = cDialectOf(request.compiler.value_or(kDefaultCompiler));
    const bool gb2312Labels = request.encoding.value_or(kDefaultEncoding) == TextEncoding::Gb2312;
    if (request.library && (!request.texts.isEmpty() || request.input))
        refuseUsage(QStringLiteral("--library 不与文本一起使用"), QStringLiteral("library"));
    const bool fromFile = request.font.has_value();
    checkRange(request.face, glyphCommandInfo(), QStringLiteral("face"));
    checkExtent(request.cell, QStringLiteral("cell"));
    checkExtent(request.asciiCell, QStringLiteral("ascii-cell"));

    int size = kDefaultGlyphSize;
    const std::unique_ptr<GlyphSource> font = openFont(request, size);
    const Extent full = request.cell.value_or(Extent{size, size});
    const Extent half =
        request.asciiCell.value_or(Extent{std::max(1, full.width / 2), full.height});

    const QString name = request.name ? identifierOf(*request.name, QStringLiteral("name"))
                                      : QStringLiteral("hz%1").arg(full.height);
    const QString asciiName = request.asciiName
                                  ? identifierOf(*request.asciiName, QStringLiteral("ascii-name"))
                                  : name + QStringLiteral("_ascii");
    if (asciiName == name)
        refuseUsage(QStringLiteral("--ascii-name 与 --name 不能相同：两张表须有不同的名字"),
                    QStringLiteral("ascii-name"));

    CharacterCollector collector(!fromFile || gb2312Labels, format == GlyphTableFormat::Struct);
    std::vector<InputText> texts; // the characters point into them for messages
    if (request.library) {
        collector.addLibrary(!fromFile, fromFile || format != GlyphTableFormat::Bin);
    } else {
        texts = inputTextsOf(request);
        if (texts.empty())
            refuseUsage(
                QStringLiteral("缺少文本：在参数中给出，或用 --input 文件、“-”（标准输入）"));
        for (const InputText &text : texts)
            collector.add(text);
        if (collector.characters().empty())
            refuseInput(QStringLiteral("文本中没有可生成字模的字符"));
    }

    const std::string lineEnd = lineEndOf(request.crlf);
    Table tables[2]; // full width, half width
    for (int t = 0; t < 2; ++t) {
        const Extent &extent = t == 0 ? full : half;
        GlyphTableOptions &options = tables[t].options;
        options.format = format;
        options.compiler = compiler;
        options.name = (t == 0 ? name : asciiName).toStdString();
        options.width = extent.width;
        options.height = extent.height;
        options.packing = packing;
        options.oneByteCodes = t == 1;
        options.lineEnd = lineEnd;
        tables[t].cell = Bitmap(extent.width, extent.height);
        // Each table has its own baseline: a half-width cell may be shorter than the full one.
        tables[t].baseline = baselineOf(font->line(), extent.height);
    }
    tables[0].bytes.reserve(collector.characters().size() *
                            packedSize(full.width, full.height, packing.layout));
    const bool withLabels = format != GlyphTableFormat::Bin;
    for (const Character &character : collector.characters()) {
        const bool halfWidth = isHalfWidth(character.ucs4);
        Table &table = tables[halfWidth ? 1 : 0];
        std::optional<GlyphImage> image;
        try {
            image = font->glyphOf({character.ucs4, character.gb2312});
        } catch (const Error &error) {
            refuseCharacter(character, QStringLiteral("：") + QString::fromStdString(error.what()));
        }
        if (!image)
            refuseCharacter(character, fromFile ? QStringLiteral("不在字体中")
                                                : QStringLiteral("不在内置字库中"));
        if (!placeGlyph(*image, table.baseline, request.clip, table.cell)) {
            if (halfWidth)
                refuseCharacter(character, halfWidthOverflow(request, half, size));
            refuseCharacter(
                character,
                QStringLiteral(
                    "的字形超出了%1×%2的字格；可用 --clip 裁去超出的部分，或用 --cell 加大字格")
                    .arg(table.options.width)
                    .arg(table.options.height));
        }
        const std::size_t start = table.bytes.size();
        packBitmap(table.cell, packing, table.bytes);
        table.bitmaps.push_back({character.ucs4,
                                 table.cell,
                                 {table.bytes.begin() + std::ptrdiff_t(start), table.bytes.end()}});
        table.entries.push_back(
            {character.gb2312, withLabels ? labelOf(character, gb2312Labels) : std::string()});
    }

    qsizetype dataBytes = 0;
    for (const Table &table : tables)
        if (!table.entries.empty()) {
            result.tables.push_back({QString::fromStdString(table.options.name),
                                     static_cast<qsizetype>(table.bytes.size())});
            dataBytes += static_cast<qsizetype>(table.bytes.size());
        }
    if (format != GlyphTableFormat::Preview)
        warnPastCodeMemory(result, dataBytes);
    for (Table &table : tables)
        std::move(table.bitmaps.begin(), table.bitmaps.end(), std::back_inserter(result.bitmaps));

    // Raw bytes of one table are the output as they are.
    if (format == GlyphTableFormat::Bin &&
        (tables[0].entries.empty() || tables[1].entries.empty())) {
        const std::vector<std::uint8_t> &bytes = tables[tables[0].entries.empty() ? 1 : 0].bytes;
        result.bytes.assign(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        return;
    }
    std::string text;
    if (format == GlyphTableFormat::C51 || format == GlyphTableFormat::Struct)
        text = headerLine(commandLineOf(request), "//", lineEnd, gb2312Labels);
    else if (format == GlyphTableFormat::Asm51)
        text = headerLine(commandLineOf(request), ";", lineEnd, gb2312Labels);
    const std::size_t headerSize = text.size();
    for (const Table &table : tables) {
        if (table.entries.empty())
            continue;
        if (text.size() > headerSize && format != GlyphTableFormat::Bin &&
            format != GlyphTableFormat::Preview)
            text += lineEnd;
        appendGlyphTable(text, table.entries, table.bytes, table.options);
    }
    result.bytes = std::move(text);
}

} // namespace

Result makeGlyphTable(const GlyphRequest &request)
{
    return madeOrRefused([&](Result &result) { makeGlyphs(request, result); });
}

} // namespace zandrel::generators
