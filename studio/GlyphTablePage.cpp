// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/GlyphTablePage.h"

#include "core/Gb2312.h"
#include "readers/FontCatalog.h"
#include "studio/GlyphStrip.h"
#include "studio/PageOptions.h"
#include "studio/PageRequests.h"
#include "studio/ScanOrderView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QThread>

#include <algorithm>
#include <memory>

namespace zandrel::studio {
namespace {

BitmapLayout layoutOf(const QString &spelling)
{
    if (spelling == QLatin1String("column"))
        return BitmapLayout::Column;
    if (spelling == QLatin1String("row-block"))
        return BitmapLayout::RowBlock;
    if (spelling == QLatin1String("page"))
        return BitmapLayout::Page;
    return BitmapLayout::Row;
}

} // namespace

GlyphTablePage::GlyphTablePage(QWidget *parent) : GeneratorPage(QStringLiteral("glyph"), parent)
{
    setObjectName(QStringLiteral("GlyphTablePage"));

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("GlyphText"));
    text_->setTabChangesFocus(true);
    text_->setPlaceholderText(QStringLiteral("要取模的文字，可以多行"));
    text_->setPlainText(QStringLiteral("温度"));
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 4 + 12);
    addOption(QStringLiteral("文字(&T)："), text_, QStringLiteral("text"));
    setTextField(text_);

    library_ = new QCheckBox(QStringLiteral("整个字库（GB2312的1至87区）"));
    library_->setObjectName(QStringLiteral("GlyphLibraryBox"));
    addOptionRow(library_, QStringLiteral("library"));
    connect(library_, &QCheckBox::toggled, text_, &QWidget::setDisabled);
    text_->setDisabled(library_->isChecked());

    fontSource_ =
        makeChoiceBox(QStringLiteral("GlyphFontSourceBox"),
                      {{QStringLiteral("内置字库（12、16、24像素）"), QStringLiteral("builtin")},
                       {QStringLiteral("已安装的字体"), QStringLiteral("family")},
                       {QStringLiteral("字体文件"), QStringLiteral("file")}});
    addOption(QStringLiteral("字体(&F)："), fontSource_, QStringLiteral("font"));

    family_ = new QComboBox;
    family_->setObjectName(QStringLiteral("GlyphFamilyBox"));
    addOption(QStringLiteral("字体名称："), family_, QString());
    chineseOnly_ = new QCheckBox(QStringLiteral("只列出中文字体"));
    chineseOnly_->setObjectName(QStringLiteral("GlyphChineseOnlyBox"));
    chineseOnly_->setChecked(true);
    addOptionRow(chineseOnly_, QString());
    style_ = new QComboBox;
    style_->setObjectName(QStringLiteral("GlyphStyleBox"));
    addOption(QStringLiteral("字形："), style_, QString());
    strikes_ = new QLabel;
    strikes_->setObjectName(QStringLiteral("GlyphStrikeSizes"));
    strikes_->setWordWrap(true);
    optionsLayout()->addRow(QStringLiteral("点阵字号："), strikes_);

    auto *fileRow = new QWidget;
    fileRow->setObjectName(QStringLiteral("GlyphFontFileRow"));
    auto *fileLayout = new QHBoxLayout(fileRow);
    fileLayout->setContentsMargins(0, 0, 0, 0);
    fontFile_ = new QLineEdit;
    fontFile_->setObjectName(QStringLiteral("GlyphFontFileEdit"));
    fontFile_->setAccessibleName(QStringLiteral("字体文件"));
    fontFileButton_ = new QPushButton(QStringLiteral("浏览…"));
    fontFileButton_->setObjectName(QStringLiteral("GlyphFontFileButton"));
    fontFileButton_->setAccessibleName(QStringLiteral("选择字体文件"));
    fileLayout->addWidget(fontFile_, 1);
    fileLayout->addWidget(fontFileButton_);
    addOption(QStringLiteral("字体文件："), fileRow, QStringLiteral("font-file"));
    connect(fontFileButton_, &QPushButton::clicked, this, &GlyphTablePage::chooseFontFile);
    face_ = new QSpinBox;
    face_->setObjectName(QStringLiteral("GlyphFaceSpin"));
    face_->setRange(0, 255);
    addOption(QStringLiteral("字体序号："), face_, QStringLiteral("face"));

    size_ = new QSpinBox;
    size_->setObjectName(QStringLiteral("GlyphSizeSpin"));
    size_->setRange(1, 256);
    size_->setValue(16);
    size_->setSuffix(QStringLiteral(" 像素"));
    addOption(QStringLiteral("字号(&Z)："), size_, QStringLiteral("size"));

    const ExtentFields cell =
        makeExtentFields(QStringLiteral("GlyphCell"), QStringLiteral("全角字格"), true, 0, 0);
    cellWidth_ = cell.width;
    cellHeight_ = cell.height;
    addOption(QStringLiteral("全角字格："), cell.row, QStringLiteral("cell"));
    const ExtentFields asciiCell =
        makeExtentFields(QStringLiteral("GlyphAsciiCell"), QStringLiteral("半角字格"), true, 0, 0);
    asciiCellWidth_ = asciiCell.width;
    asciiCellHeight_ = asciiCell.height;
    addOption(QStringLiteral("半角字格："), asciiCell.row, QStringLiteral("ascii-cell"));

    display_ = makeDisplayBox(QStringLiteral("Glyph"));
    addOption(QStringLiteral("显示屏(&D)："), display_, QStringLiteral("display"));

    auto *layoutRow = new QWidget;
    layoutRow->setObjectName(QStringLiteral("GlyphLayoutRow"));
    auto *layoutRowLayout = new QHBoxLayout(layoutRow);
    layoutRowLayout->setContentsMargins(0, 0, 0, 0);
    layout_ = makeLayoutBox(QStringLiteral("Glyph"));
    scanOrder_ = new ScanOrderView;
    layoutRowLayout->addWidget(layout_, 1, Qt::AlignTop);
    layoutRowLayout->addWidget(scanOrder_);
    addOption(QStringLiteral("取模方式(&Y)："), layoutRow, QStringLiteral("layout"));
    bitOrder_ = makeBitOrderBox(QStringLiteral("Glyph"));
    addOption(QStringLiteral("字节位序(&B)："), bitOrder_, QStringLiteral("bit-order"));
    pad_ = makePadBox(QStringLiteral("Glyph"));
    addOption(QStringLiteral("补位："), pad_, QStringLiteral("pad"));
    invert_ = makeInvertBox(QStringLiteral("Glyph"));
    addOption(QStringLiteral("阴码/阳码："), invert_, QStringLiteral("invert"));
    const auto showScanOrder = [this] {
        scanOrder_->setPacking(layoutOf(choiceOf(layout_)),
                               choiceOf(bitOrder_) == QLatin1String("lsb") ? BitOrder::Lsb
                                                                           : BitOrder::Msb);
    };
    connect(layout_, &QComboBox::currentIndexChanged, this, showScanOrder);
    connect(bitOrder_, &QComboBox::currentIndexChanged, this, showScanOrder);
    showScanOrder();

    format_ =
        makeChoiceBox(QStringLiteral("GlyphFormatBox"),
                      {{QStringLiteral("C51数组"), QStringLiteral("c51")},
                       {QStringLiteral("汇编 DB"), QStringLiteral("asm")},
                       {QStringLiteral("结构体（带编码，便于查找）"), QStringLiteral("struct")},
                       {QStringLiteral("二进制文件"), QStringLiteral("bin")},
                       {QStringLiteral("字符画预览"), QStringLiteral("preview")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));
    compiler_ = makeCompilerBox(QStringLiteral("Glyph"));
    addOption(QStringLiteral("编译器："), compiler_, QStringLiteral("compiler"));
    name_ = makeNameEdit(QStringLiteral("Glyph"), QStringLiteral("默认为 hz 加字格高度，如 hz16"));
    addOption(QStringLiteral("数组名(&N)："), name_, QStringLiteral("name"));
    asciiName_ = makeNameEdit(QStringLiteral("GlyphAscii"), QStringLiteral("默认为 数组名_ascii"));
    addOption(QStringLiteral("半角数组名："), asciiName_, QStringLiteral("ascii-name"));
    clip_ = new QCheckBox(QStringLiteral("裁去超出字格的部分"));
    clip_->setObjectName(QStringLiteral("GlyphClipBox"));
    addOptionRow(clip_, QStringLiteral("clip"));
    encoding_ =
        makeChoiceBox(QStringLiteral("GlyphEncodingBox"),
                      {{QStringLiteral("UTF-8"), QStringLiteral("utf-8")},
                       {QStringLiteral("GB2312（Keil的中文注释）"), QStringLiteral("gb2312")}});
    addOption(QStringLiteral("注释编码："), encoding_, QStringLiteral("encoding"));
    crlf_ = makeCrlfBox(QStringLiteral("Glyph"));
    addOptionRow(crlf_, QStringLiteral("crlf"));

    connect(fontSource_, &QComboBox::currentIndexChanged, this, &GlyphTablePage::fontSourceChanged);
    connect(family_, &QComboBox::currentIndexChanged, this, &GlyphTablePage::familyChanged);
    connect(style_, &QComboBox::currentIndexChanged, this, &GlyphTablePage::styleChanged);
    connect(chineseOnly_, &QCheckBox::toggled, this, &GlyphTablePage::loadFontFamilies);
    fontSourceChanged();

    preview_ = makeGlyphPreview(QStringLiteral("GlyphStripArea"), QStringLiteral("GlyphInfo"));
    setPreview(preview_.widget);
    connect(preview_.strip, &GlyphStrip::currentChanged, this, &GlyphTablePage::showCurrentGlyph);
    setSaveChoice(
        QStringLiteral("hz.c"),
        QStringLiteral("C源文件 (*.c *.h);;汇编 (*.asm *.a51 *.s);;二进制 (*.bin);;所有文件 (*)"));
}

void GlyphTablePage::fontSourceChanged()
{
    const QString source = choiceOf(fontSource_);
    const bool family = source == QLatin1String("family");
    const bool file = source == QLatin1String("file");
    for (QWidget *field : std::initializer_list<QWidget *>{family_, chineseOnly_, style_})
        field->setEnabled(family);
    for (QWidget *field : std::initializer_list<QWidget *>{fontFile_, fontFileButton_, face_})
        field->setEnabled(file);
}

GlyphTablePage::~GlyphTablePage()
{
    // The window may close while the fonts are still being listed.
    if (fontLister_)
        fontLister_->wait();
}

void GlyphTablePage::loadFontFamilies()
{
    // Listed once, with each font's hanzi counted; the filter only picks among them again.
    if (!fontsListed_) {
        if (!fontLister_) {
            auto listed = std::make_shared<std::vector<InstalledFont>>();
            fontLister_ = QThread::create([listed] { *listed = listInstalledFonts(); });
            fontLister_->setParent(this);
            connect(fontLister_, &QThread::finished, this, [this, listed] {
                fonts_ = std::move(*listed);
                fontsListed_ = true;
                loadFontFamilies();
                emit fontsListed();
            });
            fontLister_->start(QThread::LowPriority);
        }
        return;
    }
    const QString chosen = takeRememberedChoice(family_);
    QStringList families;
    for (const InstalledFont &font : fonts_) {
        if (font.damaged || font.family.empty() || (chineseOnly_->isChecked() && font.hanzi <= 0))
            continue;
        const QString family = QString::fromStdString(font.family);
        if (families.isEmpty() || families.constLast() != family)
            families += family;
    }
    families.removeDuplicates();
    const QSignalBlocker blocker(family_);
    family_->clear();
    family_->addItems(families);
    family_->setCurrentIndex(std::max(0, int(families.indexOf(chosen))));
    familyChanged();
}

const InstalledFont *GlyphTablePage::chosenFont() const
{
    const std::string family = family_->currentText().toStdString();
    const std::string style = style_->currentText().toStdString();
    for (const InstalledFont &font : fonts_)
        if (font.family == family && font.style == style)
            return &font;
    return nullptr;
}

void GlyphTablePage::familyChanged()
{
    const QString family = family_->currentText();
    const QString chosenStyle = takeRememberedChoice(style_);
    const QSignalBlocker blocker(style_);
    style_->clear();
    strikes_->clear();
    if (family.isEmpty())
        return;
    QStringList styles;
    for (const InstalledFont &font : fonts_)
        if (QString::fromStdString(font.family) == family)
            styles += QString::fromStdString(font.style);
    styles.removeDuplicates();
    style_->addItems(styles);
    style_->setCurrentIndex(std::max(0, int(styles.indexOf(chosenStyle))));
    styleChanged();
}

void GlyphTablePage::styleChanged()
{
    // The sizes a bitmap font draws crisply; a scalable font has none of its own.
    strikes_->clear();
    const InstalledFont *font = chosenFont();
    if (!font)
        return;
    QStringList sizes;
    for (const int size : font->strikes)
        sizes += QString::number(size);
    QString text = sizes.isEmpty() ? QStringLiteral("矢量字体，任意字号")
                                   : sizes.join(QStringLiteral("、")) + QStringLiteral(" 像素");
    if (font->hanzi >= 0)
        text += QStringLiteral("；含GB2312汉字%1个").arg(font->hanzi);
    strikes_->setText(text);
    scheduleUpdate();
}

void GlyphTablePage::chooseFontFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("选择字体文件"), fontFile_->text(),
        QStringLiteral("字体 (*.ttf *.ttc *.otf *.otc *.bdf *.pcf *.pcf.gz);;所有文件 (*)"));
    if (!path.isEmpty())
        fontFile_->setText(path);
}

void GlyphTablePage::showGlyphs(std::vector<GlyphPreviewEntry> entries, qsizetype total)
{
    entries_ = std::move(entries);
    std::vector<Bitmap> bitmaps;
    bitmaps.reserve(entries_.size());
    for (const GlyphPreviewEntry &entry : entries_)
        bitmaps.push_back(entry.bitmap);
    preview_.strip->setGlyphs(std::move(bitmaps), total);
}

void GlyphTablePage::showCurrentGlyph(int index)
{
    if (index < 0 || index >= int(entries_.size())) {
        preview_.describe(QString());
        return;
    }
    const GlyphPreviewEntry &entry = entries_[std::size_t(index)];
    const std::u32string characters = entry.character.toStdU32String();
    QString code = QStringLiteral("不在GB2312中");
    if (characters.size() == 1) {
        if (characters[0] < 0x80)
            code = QStringLiteral("ASCII %1")
                       .arg(uint(characters[0]), 2, 16, QLatin1Char('0'))
                       .toUpper();
        else if (const auto gb = gb2312CodeOf(characters[0]))
            code = QStringLiteral("GB2312 %1").arg(*gb, 4, 16, QLatin1Char('0')).toUpper();
    }
    QStringList bytes;
    for (const char byte : entry.bytes)
        bytes +=
            QStringLiteral("0x") +
            QStringLiteral("%1").arg(uint(std::uint8_t(byte)), 2, 16, QLatin1Char('0')).toUpper();
    const QString info = QStringLiteral("第%1个 “%2” %3：%4")
                             .arg(index + 1)
                             .arg(entry.character, code, bytes.join(QLatin1Char(',')));
    preview_.describe(info);
}

PageResult GlyphTablePage::makeResult()
{
    using namespace generators;
    const CommandInfo &command = glyphCommandInfo();
    GlyphRequest request;
    request.library = library_->isChecked();
    if (!request.library)
        request.texts = text_->toPlainText().split(QLatin1Char('\n'));
    const QString source = choiceOf(fontSource_);
    // A font of bitmaps only picks a size of its own when none is given: the spin box's wins.
    request.size = source == QLatin1String("builtin")
                       ? unlessDefault(size_->value(), kDefaultGlyphSize)
                       : std::optional<int>(size_->value());
    if (source == QLatin1String("family")) {
        // Named by family, as a user types it on the command line; an unlisted one is refused.
        FontName name{family_->currentText().toStdString(), {}};
        if (const InstalledFont *font = chosenFont(); font && style_->currentIndex() > 0)
            name.style = font->style;
        request.font = QString::fromStdString(fontNameText(name));
    } else if (source == QLatin1String("file")) {
        request.font = fontFile_->text();
        if (face_->value() != kDefaultFace)
            request.face = face_->value();
    }
    if (const auto width = valueOrAuto(cellWidth_), height = valueOrAuto(cellHeight_);
        width && height)
        request.cell = Extent{*width, *height};
    if (const auto width = valueOrAuto(asciiCellWidth_), height = valueOrAuto(asciiCellHeight_);
        width && height)
        request.asciiCell = Extent{*width, *height};
    request.clip = clip_->isChecked();
    request.format = chosen<GlyphTableFormat>(format_, command, QStringLiteral("format"));
    request.name = textOrNothing(name_->text());
    request.asciiName = textOrNothing(asciiName_->text());
    request.packing.display = textOrNothing(choiceOf(display_));
    // A display decides the layout, bit order and padding itself; the boxes would override it.
    const bool byDisplay = request.packing.display.has_value();
    for (QWidget *box : std::initializer_list<QWidget *>{layout_, bitOrder_, pad_})
        box->setEnabled(!byDisplay);
    if (!byDisplay) {
        request.packing.layout = chosen<BitmapLayout>(layout_, command, QStringLiteral("layout"));
        request.packing.bitOrder =
            chosen<BitOrder>(bitOrder_, command, QStringLiteral("bit-order"));
        request.packing.pad = chosen<Padding>(pad_, command, QStringLiteral("pad"));
    }
    request.packing.invert = choiceOf(invert_) == QLatin1String("true");
    request.compiler = chosen<CCompiler>(compiler_, command, QStringLiteral("compiler"));
    request.encoding = chosen<TextEncoding>(encoding_, command, QStringLiteral("encoding"));
    request.crlf = crlf_->isChecked();

    Result result = makeGlyphTable(request);
    // The strip shows the glyphs of this very run, each once as in the table.
    entries_.clear();
    total_ = qsizetype(result.bitmaps.size());
    const std::size_t shown = std::min<std::size_t>(result.bitmaps.size(), kShownGlyphs);
    entries_.reserve(shown);
    for (std::size_t i = 0; i < shown; ++i) {
        PackedBitmap &glyph = result.bitmaps[i];
        entries_.push_back({QString::fromUcs4(&glyph.character, 1), std::move(glyph.bitmap),
                            QByteArray(reinterpret_cast<const char *>(glyph.bytes.data()),
                                       qsizetype(glyph.bytes.size()))});
    }
    const CodeKind kind = request.format == GlyphTableFormat::Bin    ? CodeKind::Raw
                          : request.encoding == TextEncoding::Gb2312 ? CodeKind::Gb2312
                                                                     : CodeKind::Utf8;
    PageResult page = pageResultOf(std::move(result), request, kind);
    // A font file's refusal belongs under the file's field, not under the choice of source.
    if (page.refusal && page.refusal->option == QLatin1String("font") &&
        source == QLatin1String("file"))
        page.refusal->option = QStringLiteral("font-file");
    return page;
}

void GlyphTablePage::showResult(const PageResult &result)
{
    if (result.refusal || result.bytes.isEmpty()) {
        showGlyphs({}, 0);
        return;
    }
    const int current = preview_.strip->currentIndex();
    showGlyphs(std::move(entries_), total_);
    if (current >= 0 && current < int(entries_.size()))
        preview_.strip->setCurrentIndex(current);
}

} // namespace zandrel::studio
