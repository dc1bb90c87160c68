// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/ByteConverterPage.h"

#include "core/ByteEntry.h"
#include "core/ByteText.h"
#include "ui/Application.h"
#include "ui/ButtonEdit.h"
#include "ui/Controls.h"
#include "ui/MessageBoxes.h"
#include "ui/Text.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace zandrel {
namespace {

ButtonEdit *makeButtonEdit(QWidget *parent, const QString &name, QRect geometry, int maxLength,
                           const QString &allowed)
{
    auto *edit = makeControl<ButtonEdit>(parent, name, geometry);
    edit->setMaxLength(maxLength);
    edit->setAllowedCharacters(allowed);
    return edit;
}

} // namespace

ByteConverterPage::ByteConverterPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet1"));

    BinGroupBox = new QGroupBox(QStringLiteral("要显示的二进制"), this);
    BinGroupBox->setObjectName(QStringLiteral("BinGroupBox"));
    BinGroupBox->setGeometry(83, 61, 114, 56);
    for (int i = 0; i < 8; ++i) {
        auto *box = new QCheckBox(BinGroupBox);
        box->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        box->setGeometry(8 + 12 * i, 17, 16, 10);
        box->setAccessibleName(QStringLiteral("位%1").arg(7 - i));
        connect(box, &QCheckBox::toggled, this, guardedSlot(this, &ByteConverterPage::CheckBox8Click));
    }
    makeStaticText(BinGroupBox, QStringLiteral("StaticText1"), QStringLiteral("7 6 5 4 3 2 1 0"),
                   QRect(12, 29, 94, 16));

    BinCalcBtn = new QPushButton(QStringLiteral("转换(&C)"), this);
    BinCalcBtn->setObjectName(QStringLiteral("BinCalcBtn"));
    BinCalcBtn->setGeometry(104, 131, 75, 25);
    connect(BinCalcBtn, &QPushButton::clicked, this, guardedSlot(this, &ByteConverterPage::BinCalcBtnClick));

    QLabel *binLabel = makeStaticText(this, QStringLiteral("StaticText2"), QStringLiteral("二进制："),
                                      QRect(240, 56, 52, 16));
    QLabel *decLabel = makeStaticText(this, QStringLiteral("StaticText3"), QStringLiteral("十进制："),
                                      QRect(240, 84, 52, 16));
    QLabel *hexLabel = makeStaticText(this, QStringLiteral("StaticText4"), QStringLiteral("16进制："),
                                      QRect(240, 112, 52, 16));

    BinEdit = makeButtonEdit(this, QStringLiteral("BinEdit"), QRect(295, 54, 82, 20), 8,
                             QStringLiteral("01"));
    DecEdit = makeButtonEdit(this, QStringLiteral("DecEdit"), QRect(295, 80, 82, 20), 3,
                             QStringLiteral("0123456789"));
    HexEdit = makeButtonEdit(this, QStringLiteral("HexEdit"), QRect(295, 108, 82, 20), 3,
                             QStringLiteral("0123456789ABCDEFabcdef"));
    binLabel->setBuddy(BinEdit);
    decLabel->setBuddy(DecEdit);
    hexLabel->setBuddy(HexEdit);
    BinEdit->button()->setAccessibleName(QStringLiteral("转换二进制"));
    DecEdit->button()->setAccessibleName(QStringLiteral("转换十进制"));
    HexEdit->button()->setAccessibleName(QStringLiteral("转换16进制"));
    connect(BinEdit, &ButtonEdit::buttonClicked, this, guardedSlot(this, &ByteConverterPage::BinEditEditButtons0Click));
    connect(DecEdit, &ButtonEdit::buttonClicked, this, guardedSlot(this, &ByteConverterPage::DecEditEditButtons0Click));
    connect(HexEdit, &ButtonEdit::buttonClicked, this, guardedSlot(this, &ByteConverterPage::HexEditEditButtons0Click));

    // Focus order: the bit boxes, the button, then the three edits.
    QWidget *previous = nullptr;
    for (QWidget *next : BinGroupBox->findChildren<QCheckBox *>(Qt::FindDirectChildrenOnly)) {
        if (previous)
            setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget *next : std::initializer_list<QWidget *>{BinCalcBtn, BinEdit, DecEdit, HexEdit}) {
        setTabOrder(previous, next);
        previous = next;
    }
}

void ByteConverterPage::CheckBox8Click()
{
    BinCalcBtnClick();
}

void ByteConverterPage::BinCalcBtnClick()
{
    // The boxes in creation order; the bit-number label in between is not a check box.
    std::string bits;
    for (QObject *child : BinGroupBox->children())
        if (auto *box = qobject_cast<QCheckBox *>(child))
            bits += box->isChecked() ? '1' : '0';
    BinEdit->setText(fromStd(bits));
    showDecimalAndHex(BitTextToByte(bits));
}

void ByteConverterPage::BinEditEditButtons0Click()
{
    // Text that is no integer at all throws, and the failure box reports it.
    const ByteEntry entry = readBinaryEntry(toStd(BinEdit->text()));
    if (!accept(entry))
        return;
    const std::string bits = PadBinText(ByteToBinText(entry.value));
    BinEdit->setText(fromStd(bits));

    // Each box that changes raises its click, which rewrites the texts from the boxes as
    // they stand at that moment; after the last box they agree with the text again.
    int k = 0;
    for (QObject *child : BinGroupBox->children())
        if (auto *box = qobject_cast<QCheckBox *>(child))
            box->setChecked(bits[k++] == '1');
    showDecimalAndHex(entry.value);
}

void ByteConverterPage::DecEditEditButtons0Click()
{
    showThroughBinary(readDecimalEntry(toStd(DecEdit->text())));
}

void ByteConverterPage::HexEditEditButtons0Click()
{
    showThroughBinary(readHexEntry(toStd(HexEdit->text())));
}

void ByteConverterPage::showThroughBinary(const ByteEntry &entry)
{
    if (!accept(entry))
        return;
    BinEdit->setText(fromStd(ByteToBinText(entry.value)));
    BinEditEditButtons0Click();
}

bool ByteConverterPage::accept(const ByteEntry &entry)
{
    if (entry.kind == ByteEntry::Kind::Refused)
        ShowError(fromStd(entry.message));
    return entry.kind == ByteEntry::Kind::Value;
}

void ByteConverterPage::showDecimalAndHex(int value)
{
    HexEdit->setText(fromStd(twoDigitHex(value)));
    DecEdit->setText(QString::number(value));
}

} // namespace zandrel
