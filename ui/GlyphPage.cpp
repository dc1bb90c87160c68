// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/GlyphPage.h"

#include "core/FontTable.h"
#include "core/GlyphCodeText.h"
#include "ui/Application.h"
#include "ui/Appearance.h"
#include "ui/Controls.h"
#include "ui/DotMatrixImage.h"
#include "ui/Main.h"
#include "ui/MessageBoxes.h"
#include "ui/RadioGroup.h"
#include "ui/Text.h"
#include "ui/Validators.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include <optional>
#include <string>

namespace zandrel {

GlyphPage::GlyphPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));

    HzMarkImage = makeControl<DotMatrixImage>(this, QStringLiteral("HzMarkImage"), {136, 0, 169, 169}, 10);
    HzMarkImage->setAccessibleName(QStringLiteral("字模大图"));
    HzMarkImage->setAccessibleDescription(
        QStringLiteral("输入汉字的16×16点阵放大图，每格一点；红格是字模代码中为0的位"));

    HZSmallMarkImage = makeControl<DotMatrixImage>(this, QStringLiteral("HZSmallMarkImage"), {88, 32, 41, 41}, 2);
    HZSmallMarkImage->setAccessibleName(QStringLiteral("字模小图"));
    HZSmallMarkImage->setAccessibleDescription(
        QStringLiteral("输入汉字的16×16点阵原大小图，每点一像素；红点是字模代码中为0的位"));

    GetHzBtn = new QPushButton(QStringLiteral("生成字模(&H)"), this);
    GetHzBtn->setObjectName(QStringLiteral("GetHzBtn"));
    GetHzBtn->setGeometry(192, 189, 75, 25);
    connect(GetHzBtn, &QPushButton::clicked, this, guardedSlot(this, &GlyphPage::GetHzBtnClick));

    // The text comes after construction: a line edit lays out the text it is made with in the
    // application's font, before it takes the page's, and that would load a Latin face and
    // its Han fallbacks only to throw them away.
    HzInputEdit = new QLineEdit(this);
    HzInputEdit->setText(QStringLiteral("测"));
    HzInputEdit->setObjectName(QStringLiteral("HzInputEdit"));
    HzInputEdit->setGeometry(152, 192, 25, 20);
    HzInputEdit->setAccessibleName(QStringLiteral("要生成字模的汉字"));
    // One GB2312 character: two bytes.
    HzInputEdit->setValidator(new Gb2312LengthValidator(2, HzInputEdit));
    HzInputEdit->installEventFilter(this);

    HzMarkMemo = new QPlainTextEdit(this);
    HzMarkMemo->setObjectName(QStringLiteral("HzMarkMemo"));
    HzMarkMemo->setGeometry(312, 0, 129, 137);
    HzMarkMemo->setAccessibleName(QStringLiteral("字模代码"));
    HzMarkMemo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    HzMarkMemo->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    HzMarkMemo->setTabChangesFocus(true);

    LanguageMode = new RadioGroup(QStringLiteral("生成方式"),
                                  {QStringLiteral("C51"), QStringLiteral("51-ASM")}, this);
    LanguageMode->setObjectName(QStringLiteral("LanguageMode"));
    LanguageMode->setGeometry(328, 141, 105, 49);
    LanguageMode->setItemIndex(0);
    connect(LanguageMode, &RadioGroup::itemIndexChanged, this,
            guardedSlot(this, &GlyphPage::LanguageModeClick));

    HzMarkCheckBox = new QCheckBox(QStringLiteral("置低显示"), this);
    HzMarkCheckBox->setObjectName(QStringLiteral("HzMarkCheckBox"));
    HzMarkCheckBox->setGeometry(344, 191, 97, 17);
    HzMarkCheckBox->setChecked(true);
    connect(HzMarkCheckBox, &QCheckBox::toggled, this,
            guardedSlot(this, &GlyphPage::HzMarkCheckBoxClick));

    CopyHzMarkBtn = new QPushButton(QStringLiteral("复制到剪贴板"), this);
    CopyHzMarkBtn->setObjectName(QStringLiteral("CopyHzMarkBtn"));
    CopyHzMarkBtn->setGeometry(336, 209, 75, 25);
    connect(CopyHzMarkBtn, &QPushButton::clicked, this,
            guardedSlot(this, &GlyphPage::CopyHzMarkBtnClick));

    QWidget *previous = GetHzBtn;
    for (QWidget *next :
         std::initializer_list<QWidget *>{HzInputEdit, HzMarkMemo, LanguageMode->item(0),
                                          LanguageMode->item(1), HzMarkCheckBox, CopyHzMarkBtn}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void GlyphPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        guarded([this] { TabSheet3Show(); });
}

bool GlyphPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == HzInputEdit && event->type() == QEvent::KeyPress) {
        const QString typed = static_cast<QKeyEvent *>(event)->text();
        if (!typed.isEmpty())
            guarded([&] { HzInputEditKeyPress(typed.at(0)); });
    }
    return QWidget::eventFilter(watched, event);
}

void GlyphPage::TabSheet3Show()
{
    HzInputEdit->setFocus();
}

void GlyphPage::GetHzBtnClick()
{
    const QString input = HzInputEdit->text();
    const std::optional<std::string> code = toGb2312(input);
    std::optional<Glyph> glyph;
    if (code && code->size() == 2)
        glyph =
            GlyphOf(static_cast<std::uint8_t>((*code)[0]), static_cast<std::uint8_t>((*code)[1]));
    if (!glyph) {
        ShowError(QStringLiteral("请输入一个GB2312字符"));
        return;
    }
    const bool invert = HzMarkCheckBox->isChecked();

    // A cell is red exactly where the emitted bit is 0: red ink on black when inverted,
    // black ink on red when not.
    const QColor red = colorFromBgr(0x0000FF);
    const QColor black = colorFromBgr(0x000000);
    std::array<QColor, DotMatrixImage::kSide * DotMatrixImage::kSide> colours;
    for (std::size_t k = 0; k < glyph->size(); ++k)
        for (int bit = 0; bit < 8; ++bit)
            colours[8 * k + bit] = (((*glyph)[k] >> (7 - bit)) & 1) == invert ? red : black;
    HzMarkImage->paintCells(colours);
    HZSmallMarkImage->paintCells(colours);

    const GlyphCodeMode mode =
        LanguageMode->itemIndex() == 1 ? GlyphCodeMode::Asm51 : GlyphCodeMode::C51;
    HzMarkMemo->setPlainText(fromGb2312(HzCodeText(*glyph, invert, mode, *code)));
}

void GlyphPage::HzInputEditKeyPress(QChar key)
{
    if (key == QChar(13) && !inputIsBlank())
        GetHzBtnClick();
}

void GlyphPage::HzMarkCheckBoxClick()
{
    if (!inputIsBlank())
        GetHzBtnClick();
}

void GlyphPage::LanguageModeClick()
{
    HzMarkCheckBoxClick();
}

void GlyphPage::CopyHzMarkBtnClick()
{
    HzMarkMemo->selectAll();
    // The memo keeps lines as paragraphs; on the clipboard they end in CR LF, as generated.
    QString text = HzMarkMemo->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    QGuiApplication::clipboard()->setText(text);
}

bool GlyphPage::inputIsBlank() const
{
    return isBlank(HzInputEdit->text());
}

} // namespace zandrel
