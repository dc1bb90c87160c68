// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/DecodePage.h"

#include "studio/GlyphStrip.h"
#include "studio/PageOptions.h"
#include "ui/MessageBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>

namespace zandrel::studio {
namespace {

// A bin file of a glyph table is small; anything larger is not what this page is for.
constexpr qint64 kLargestBinary = 1 << 20;

} // namespace

DecodePage::DecodePage(QWidget *parent) : GeneratorPage(QStringLiteral("decode"), parent)
{
    setObjectName(QStringLiteral("DecodePage"));

    text_ = new QPlainTextEdit;
    text_->setObjectName(QStringLiteral("DecodeText"));
    text_->setTabChangesFocus(true);
    text_->setPlaceholderText(QStringLiteral(
        "粘贴字节：C（0x3F、十进制或0b…）、汇编（3FH、DB行）或十六进制；标号和注释会被忽略"));
    text_->setFixedHeight(text_->fontMetrics().lineSpacing() * 6 + 12);
    addOption(QStringLiteral("字节(&T)："), text_, QStringLiteral("text"));
    setTextField(text_);

    auto *open = new QPushButton(QStringLiteral("打开bin文件(&O)…"));
    open->setObjectName(QStringLiteral("DecodeOpenButton"));
    optionsLayout()->addRow(open);
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
    connect(clearBinary_, &QPushButton::clicked, this, [this] { setBinaryBytes({}); });

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

    strip_ = new GlyphStrip;
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("DecodeStripArea"));
    scroll->setWidget(strip_);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setMinimumHeight(120);
    setPreview(scroll);
    setSaveChoice(QStringLiteral("glyphs.pbm"),
                  QStringLiteral("PBM图片 (*.pbm);;文本 (*.txt);;所有文件 (*)"));
}

void DecodePage::setBinaryBytes(const QByteArray &bytes)
{
    binary_ = bytes;
    text_->setEnabled(bytes.isEmpty());
    binaryNote_->setVisible(!bytes.isEmpty());
    clearBinary_->setVisible(!bytes.isEmpty());
    scheduleUpdate();
}

void DecodePage::openBinary()
{
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("打开bin文件"), QString(),
                                     QStringLiteral("二进制 (*.bin);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(QStringLiteral("无法打开文件“%1”。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    if (file.size() > kLargestBinary) {
        ShowError(
            QStringLiteral("文件“%1”超过1MB，不像是字模表。").arg(QDir::toNativeSeparators(path)));
        return;
    }
    binaryNote_->setText(QStringLiteral("使用文件“%1”的%2个字节")
                             .arg(QDir::toNativeSeparators(path))
                             .arg(file.size()));
    setBinaryBytes(file.readAll());
}

void DecodePage::showGlyphs(std::vector<Bitmap> glyphs)
{
    strip_->setGlyphs(std::move(glyphs));
}

PageResult DecodePage::makeResult()
{
    // To connect: a DecodeRequest (the text, or binaryBytes()) made with the generators' layer;
    // the strip then gets its glyphs through showGlyphs, and leftover bytes come as a warning.
    return unconnectedResult();
}

void DecodePage::showResult(const PageResult &result)
{
    if (result.refusal || result.bytes.isEmpty())
        strip_->setGlyphs({});
}

} // namespace zandrel::studio
