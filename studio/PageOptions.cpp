// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/PageOptions.h"

#include "studio/GeneratorPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

namespace zandrel::studio {

QComboBox *makeLayoutBox(const QString &prefix)
{
    return makeChoiceBox(
        prefix + QStringLiteral("LayoutBox"),
        {{QStringLiteral("逐行式（横向字节，一行接一行）"), QStringLiteral("row")},
         {QStringLiteral("逐列式（纵向字节，一列接一列）"), QStringLiteral("column")},
         {QStringLiteral("行列式（横向字节，先左8列的每一行）"), QStringLiteral("row-block")},
         {QStringLiteral("列行式（纵向字节，先上8行的每一列）"), QStringLiteral("page")}});
}

QComboBox *makeBitOrderBox(const QString &prefix)
{
    return makeChoiceBox(prefix + QStringLiteral("BitOrderBox"),
                         {{QStringLiteral("顺向（首个像素在位7）"), QStringLiteral("msb")},
                          {QStringLiteral("逆向（首个像素在位0）"), QStringLiteral("lsb")}});
}

QComboBox *makePadBox(const QString &prefix)
{
    return makeChoiceBox(
        prefix + QStringLiteral("PadBox"),
        {{QStringLiteral("右侧（不足8位的字节在低位补0）"), QStringLiteral("right")},
         {QStringLiteral("左侧（在高位补0，如HD44780）"), QStringLiteral("left")}});
}

QComboBox *makeInvertBox(const QString &prefix)
{
    return makeChoiceBox(
        prefix + QStringLiteral("InvertBox"),
        {{QStringLiteral("阴码（点亮为1）"), QStringLiteral("false")},
         {QStringLiteral("阳码（点亮为0，每个字节取反）"), QStringLiteral("true")}});
}

QComboBox *makeDisplayBox(const QString &prefix)
{
    return makeChoiceBox(
        prefix + QStringLiteral("DisplayBox"),
        {{QStringLiteral("不指定"), QString()},
         {QStringLiteral("SSD1306（128×64 OLED）"), QStringLiteral("ssd1306")},
         {QStringLiteral("SH1106（128×64 OLED）"), QStringLiteral("sh1106")},
         {QStringLiteral("ST7565（128×64 LCD）"), QStringLiteral("st7565")},
         {QStringLiteral("PCD8544（84×48，诺基亚5110）"), QStringLiteral("pcd8544")},
         {QStringLiteral("ST7920（LCD12864图形）"), QStringLiteral("st7920")},
         {QStringLiteral("HD44780（LCD1602自定义字符）"), QStringLiteral("hd44780")}});
}

QComboBox *makeCompilerBox(const QString &prefix)
{
    return makeChoiceBox(prefix + QStringLiteral("CompilerBox"),
                         {{QStringLiteral("Keil C51（code）"), QStringLiteral("keil")},
                          {QStringLiteral("SDCC（__code）"), QStringLiteral("sdcc")}});
}

QComboBox *makeCrystalBox(const QString &prefix)
{
    auto *box = new QComboBox;
    box->setObjectName(prefix + QStringLiteral("CrystalBox"));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems({QStringLiteral("6"), QStringLiteral("11.0592"), QStringLiteral("12"),
                   QStringLiteral("18.432"), QStringLiteral("22.1184"), QStringLiteral("24"),
                   QStringLiteral("27"), QStringLiteral("30"), QStringLiteral("33.1776"),
                   QStringLiteral("35"), QStringLiteral("40")});
    box->setCurrentIndex(1);
    return box;
}

QComboBox *makeCoreBox(const QString &prefix)
{
    return makeChoiceBox(
        prefix + QStringLiteral("CoreBox"),
        {{QStringLiteral("经典12T（8051/8052、STC89）"), QStringLiteral("12t")},
         {QStringLiteral("6T（X2模式）"), QStringLiteral("6t")},
         {QStringLiteral("STC12/STC11/STC10（1T，STC-Y3）"), QStringLiteral("stc12")},
         {QStringLiteral("STC15（1T，STC-Y5）"), QStringLiteral("stc15")},
         {QStringLiteral("STC8（1T，STC-Y6）"), QStringLiteral("stc8")},
         {QStringLiteral("通用1T（不设AUXR）"), QStringLiteral("clocks-1")}});
}

QLineEdit *makeNameEdit(const QString &prefix, const QString &placeholder)
{
    auto *edit = new QLineEdit;
    edit->setObjectName(prefix + QStringLiteral("NameEdit"));
    edit->setPlaceholderText(placeholder);
    return edit;
}

QCheckBox *makeCrlfBox(const QString &prefix)
{
    auto *box = new QCheckBox(QStringLiteral("行尾用CR LF（Windows记事本）"));
    box->setObjectName(prefix + QStringLiteral("CrlfBox"));
    return box;
}

ExtentFields makeExtentFields(const QString &objectName, const QString &spokenName, bool allowAuto,
                              int width, int height)
{
    auto *row = new QWidget;
    row->setObjectName(objectName);
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto makeSide = [&](const QString &side, const QString &spoken, int value) {
        auto *spin = new QSpinBox;
        spin->setObjectName(objectName + side);
        spin->setRange(allowAuto ? 0 : 1, 256);
        if (allowAuto)
            spin->setSpecialValueText(QStringLiteral("自动"));
        spin->setValue(value);
        spin->setAccessibleName(spokenName + spoken);
        return spin;
    };
    ExtentFields fields{row, makeSide(QStringLiteral("Width"), QStringLiteral("宽"), width),
                        makeSide(QStringLiteral("Height"), QStringLiteral("高"), height)};
    layout->addWidget(fields.width);
    layout->addWidget(new QLabel(QStringLiteral("×")));
    layout->addWidget(fields.height);
    layout->addStretch(1);
    return fields;
}

} // namespace zandrel::studio
