// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/DecodePage.h"

#include "studio/GlyphStrip.h"
#include "studio/PageOptions.h"
#include "studio/PageRequests.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

namespace zandrel::studio {

DecodePage::DecodePage(QWidget *parent) : GeneratorPage(QStringLiteral("decode"), parent)
{
    setObjectName(QStringLiteral("DecodePage"));

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("DecodeText"));
    text_->setTabChangesFocus(true);
    text_->setPlaceholderText(QStringLiteral(
        "粘贴字节：C（0x3F、十进制或0b…）、汇编（3FH、DB行）或十六进制；标号和注释会被忽略"));
    // Pasted tables run long: the field takes the height the options leave.
    text_->setMinimumHeight(text_->fontMetrics().lineSpacing() * 6 + 12);
    addOption(QStringLiteral("字节(&T)："), text_, QStringLiteral("text"));
    setTextField(text_);

    auto *open = new QPushButton(QStringLiteral("打开bin文件(&O)…"));
    open->setObjectName(QStringLiteral("DecodeOpenButton"));
    // A refusal of the file itself is shown under the button that chose it.
    addOptionRow(open, QStringLiteral("bin"));
    connect(open, &QPushButton::clicked, this, &DecodePage::openBinary);
    binaryNote_ = new QLabel;
    binaryNote_->setObjectName(QStringLiteral("DecodeBinaryNote"));
    binaryNote_->setWordWrap(true);
    binaryNote_->hide();
    optionsLayout()->addRow(binaryNote_);
    clearBinary_ = new QPushButton(QStringLiteral("改用文字"));
    clearBinary_->setObjectName(QStringLiteral("DecodeClearBinaryButton"));
    clearBinary_->hide();
    optionsLayout()->addRow(clearBinary_);
    connect(clearBinary_, &QPushButton::clicked, this, [this] { setBinaryFile({}); });

    const ExtentFields size =
        makeExtentFields(QStringLiteral("DecodeSize"), QStringLiteral("字格"), false, 16, 16);
    width_ = size.width;
    height_ = size.height;
    addOption(QStringLiteral("宽×高(&Z)："), size.row, QStringLiteral("size"));
    layout_ = makeLayoutBox(QStringLiteral("Decode"));
    addOption(QStringLiteral("取模方式(&Y)："), layout_, QStringLiteral("layout"));
    bitOrder_ = makeBitOrderBox(QStringLiteral("Decode"));
    addOption(QStringLiteral("字节位序(&B)："), bitOrder_, QStringLiteral("bit-order"));
    pad_ = makePadBox(QStringLiteral("Decode"));
    addOption(QStringLiteral("补位："), pad_, QStringLiteral("pad"));
    invert_ = makeInvertBox(QStringLiteral("Decode"));
    addOption(QStringLiteral("阴码/阳码："), invert_, QStringLiteral("invert"));
    format_ = makeChoiceBox(QStringLiteral("DecodeFormatBox"),
                            {{QStringLiteral("字符画预览"), QStringLiteral("preview")},
                             {QStringLiteral("PBM图片"), QStringLiteral("pbm")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));

    preview_ =
        makeGlyphPreview(QStringLiteral("DecodeStripArea"), QStringLiteral("DecodeGlyphInfo"));
    setPreview(preview_.widget);
    connect(preview_.strip, &GlyphStrip::currentChanged, this, &DecodePage::showCurrentGlyph);
}

void DecodePage::setBinaryFile(const QString &path)
{
    binaryFile_ = path;
    text_->setEnabled(path.isEmpty());
    binaryNote_->setText(QStringLiteral("使用文件“%1”的字节").arg(QDir::toNativeSeparators(path)));
    binaryNote_->setVisible(!path.isEmpty());
    clearBinary_->setVisible(!path.isEmpty());
    scheduleUpdate();
}

void DecodePage::openBinary()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("打开bin文件"), QString(),
                                     QStringLiteral("二进制 (*.bin);;所有文件 (*)"));
    if (!path.isEmpty())
        setBinaryFile(path);
}

void DecodePage::showGlyphs(std::vector<Bitmap> glyphs, qsizetype total)
{
    preview_.strip->setGlyphs(std::move(glyphs), total);
}

PageResult DecodePage::makeResult()
{
    using namespace generators;
    const CommandInfo &command = decodeCommandInfo();
    DecodeRequest request;
    // Nothing pasted yet is no fault: the page waits for bytes.
    if (binaryFile_.isEmpty() && text_->toPlainText().trimmed().isEmpty()) {
        glyphs_.clear();
        return {{}, {}, {QStringLiteral("粘贴字节，或打开bin文件")}, {}, {}};
    }
    if (binaryFile_.isEmpty()) {
        request.bytes = text_->toPlainText().toUtf8();
    } else {
        // Named by its file, so that the copied command reads the same bytes.
        request.file = binaryFile_;
        request.binary = true;
    }
    if (const Extent size{width_->value(), height_->value()}; !(size == kDefaultDecodeSize))
        request.size = size;
    request.packing.layout = chosen<BitmapLayout>(layout_, command, QStringLiteral("layout"));
    request.packing.bitOrder = chosen<BitOrder>(bitOrder_, command, QStringLiteral("bit-order"));
    request.packing.pad = chosen<Padding>(pad_, command, QStringLiteral("pad"));
    request.packing.invert = choiceOf(invert_) == QLatin1String("true");
    request.format = chosen<DecodeFormat>(format_, command, QStringLiteral("format"));
    const bool pbm = request.format == DecodeFormat::Pbm;
    setSaveChoice(pbm ? QStringLiteral("glyphs.pbm") : QStringLiteral("glyphs.txt"),
                  pbm ? QStringLiteral("PBM图片 (*.pbm);;所有文件 (*)")
                      : QStringLiteral("文本 (*.txt);;所有文件 (*)"));

    Result result = makeDecodedGlyphs(request);
    glyphs_.clear();
    total_ = qsizetype(result.bitmaps.size());
    const std::size_t shown = std::min(result.bitmaps.size(), kShownGlyphs);
    glyphs_.reserve(shown);
    glyphBytes_.clear();
    for (std::size_t i = 0; i < shown; ++i) {
        glyphs_.push_back(std::move(result.bitmaps[i].bitmap));
        QStringList bytes;
        for (const std::uint8_t byte : result.bitmaps[i].bytes)
            bytes << QStringLiteral("0x") +
                         QStringLiteral("%1").arg(uint(byte), 2, 16, QLatin1Char('0')).toUpper();
        glyphBytes_ << bytes.join(QLatin1Char(','));
    }
    const CodeKind kind = pbm ? CodeKind::Raw : CodeKind::Utf8;
    PageResult page = pageResultOf(std::move(result), request, kind);
    // What is wrong with the bytes themselves belongs under where they came from.
    if (page.refusal && page.refusal->option.isEmpty())
        page.refusal->option =
            binaryFile_.isEmpty() ? QStringLiteral("text") : QStringLiteral("bin");
    return page;
}

void DecodePage::showResult(const PageResult &result)
{
    // The strip keeps its current glyph where it can, and says which it is.
    const bool shown = !result.refusal && !result.bytes.isEmpty();
    shownBytes_ = shown ? std::move(glyphBytes_) : QStringList();
    showGlyphs(shown ? std::move(glyphs_) : std::vector<Bitmap>(), shown ? total_ : 0);
}

void DecodePage::showCurrentGlyph(int index)
{
    const QString info =
        index >= 0 && index < shownBytes_.size()
            ? QStringLiteral("第%1个：%2").arg(index + 1).arg(shownBytes_.at(index))
            : QString();
    preview_.describe(info);
}

} // namespace zandrel::studio
