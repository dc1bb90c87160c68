// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/SegmentPage.h"

#include "core/ByteText.h"
#include "core/SegmentCode.h"
#include "ui/Application.h"
#include "ui/Appearance.h"
#include "ui/Controls.h"
#include "ui/Main.h"
#include "ui/RadioGroup.h"
#include "ui/SegmentImage.h"
#include "ui/Text.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>

namespace zandrel {
namespace {

struct SegmentPlace
{
    const char *name;
    QRect geometry;
    const char *spokenName;
};

// Creation order matters: it is the bit order of the code (A is bit 0, H bit 7), and a
// later image lies on top where the rectangles overlap at the corners of the digit.
const SegmentPlace segmentPlaces[] = {
    {"LED_AImage", QRect(21, 21, 55, 20), "段A"}, {"LED_BImage", QRect(56, 30, 20, 55), "段B"},
    {"LED_CImage", QRect(56, 78, 20, 55), "段C"}, {"LED_DImage", QRect(21, 117, 55, 20), "段D"},
    {"LED_EImage", QRect(16, 78, 20, 55), "段E"}, {"LED_FImage", QRect(16, 30, 20, 55), "段F"},
    {"LED_GImage", QRect(21, 69, 55, 20), "段G"}, {"Led_HImage", QRect(72, 113, 20, 20), "小数点"},
};

QLineEdit *makeReadOnlyEdit(QWidget *parent, const QString &name, QRect geometry, int maxLength)
{
    auto *edit = makeControl<QLineEdit>(parent, name, geometry);
    edit->setMaxLength(maxLength);
    edit->setReadOnly(true);
    return edit;
}

} // namespace

SegmentPage::SegmentPage(TMainForm &form, QWidget *parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("TabSheet2"));

    LedGroupBox = new QGroupBox(QStringLiteral("LED数码管字形"), this);
    LedGroupBox->setObjectName(QStringLiteral("LedGroupBox"));
    LedGroupBox->setGeometry(112, 16, 105, 145);
    LedGroupBox->setBackgroundRole(QPalette::Button);
    LedGroupBox->setAutoFillBackground(true);
    for (const SegmentPlace &place : segmentPlaces) {
        auto *image = new SegmentImage(LedGroupBox);
        image->setObjectName(QString::fromLatin1(place.name));
        image->setGeometry(place.geometry);
        image->setAccessibleName(QString::fromUtf8(place.spokenName));
        connect(image, &SegmentImage::clicked, this,
                [this, image] { guarded([&] { LED_AImageClick(image); }); });
    }

    LedComm = makeControl<RadioGroup>(this, QStringLiteral("LedComm"), QRect(264, 8, 65, 49), QString(),
                                      QStringList{QStringLiteral("共阳"), QStringLiteral("共阴")});
    LedComm->setItemIndex(0);
    LedComm->setAccessibleName(QStringLiteral("数码管接法"));
    // Connected after the initial choice, so the edits stay empty until the user acts.
    connect(LedComm, &RadioGroup::itemIndexChanged, this, guardedSlot(this, &SegmentPage::GetLedNumClick));

    GetLedNum = new QPushButton(QStringLiteral("生成(&G)"), this);
    GetLedNum->setObjectName(QStringLiteral("GetLedNum"));
    GetLedNum->setGeometry(280, 136, 75, 25);
    connect(GetLedNum, &QPushButton::clicked, this,
            guardedSlot(this, &SegmentPage::GetLedNumClick));

    LedBinEdit = makeReadOnlyEdit(this, QStringLiteral("LedBinEdit"), QRect(280, 64, 105, 20), 8);
    LedHexEdit = makeReadOnlyEdit(this, QStringLiteral("LedHexEdit"), QRect(280, 104, 105, 20), 4);
    makeStaticText(this, QStringLiteral("StaticText5"), QStringLiteral("二进制："),
                   QRect(224, 69, 52, 16))
        ->setBuddy(LedBinEdit);
    makeStaticText(this, QStringLiteral("StaticText6"), QStringLiteral("16进制："),
                   QRect(224, 109, 52, 16))
        ->setBuddy(LedHexEdit);
}

int SegmentPage::ledCommItemIndex() const
{
    return LedComm->itemIndex();
}

std::span<const QPoint, 6> SegmentPage::outlineOf(const SegmentImage &image) const
{
    // The letter is the fifth character of the name: "LED_BImage", "Led_HImage".
    const QString name = image.objectName();
    const QChar letter = name.size() > 4 ? name.at(4) : QChar();
    std::size_t outline = 0;
    if (letter == QLatin1Char('H'))
        outline = 2;
    else if (QStringLiteral("BCEF").contains(letter))
        outline = 1;
    return std::span<const QPoint, 6>(form_.SegmentShapes.data() + 6 * outline, 6);
}

void SegmentPage::drawDigit()
{
    for (QObject *child : LedGroupBox->children())
        if (auto *image = qobject_cast<SegmentImage *>(child))
            image->drawOutline(outlineOf(*image), colorFromBgr(form_.SegmentOffColor));
}

void SegmentPage::LED_AImageClick(SegmentImage *Sender)
{
    const bool lit = Sender->Tag != 0;
    Sender->Tag = lit ? 0 : 1;
    Sender->drawOutline(outlineOf(*Sender),
                        colorFromBgr(lit ? form_.SegmentOffColor : form_.SegmentOnColor));
    GetLedNumClick();
}

void SegmentPage::GetLedNumClick()
{
    // Image i (A = 0) is segment i; the window's pin order puts it on bit i, so the text
    // reads H G F E D C B A.
    SegmentSet lit = 0;
    int i = 0;
    for (QObject *child : LedGroupBox->children()) {
        auto *image = qobject_cast<SegmentImage *>(child);
        if (!image || i >= 8)
            continue;
        if (image->Tag != 0)
            lit = static_cast<SegmentSet>(lit | (1u << i));
        ++i;
    }
    const auto wiring =
        ledCommItemIndex() == 1 ? SegmentWiring::CommonCathode : SegmentWiring::CommonAnode;
    const std::string bits = segmentBitText(lit, wiring);
    LedBinEdit->setText(fromStd(bits));
    LedHexEdit->setText(fromStd(twoDigitHex(BitTextToByte(bits))) + QLatin1Char('H'));
}

} // namespace zandrel
