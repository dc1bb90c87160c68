// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/SegmentTablePage.h"

#include "studio/PageOptions.h"
#include "studio/PageRequests.h"
#include "studio/SegmentDigits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

namespace zandrel::studio {
namespace {

const char *const kSegmentNames[] = {"A", "B", "C", "D", "E", "F", "G", "DP"};

} // namespace

SegmentTablePage::SegmentTablePage(QWidget *parent)
    : GeneratorPage(QStringLiteral("segments"), parent)
{
    setObjectName(QStringLiteral("SegmentTablePage"));

    common_ = makeChoiceBox(QStringLiteral("SegmentCommonBox"),
                            {{QStringLiteral("共阳（点亮的段为0）"), QStringLiteral("anode")},
                             {QStringLiteral("共阴（点亮的段为1）"), QStringLiteral("cathode")}});
    addOption(QStringLiteral("接法(&W)："), common_, QStringLiteral("common"));

    // Eight choices, bit 7 first, each of A … G and DP; the window's own wiring to start with.
    auto *wiring = new QWidget;
    wiring->setObjectName(QStringLiteral("SegmentPins"));
    auto *grid = new QGridLayout(wiring);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 8; ++i) {
        const int bit = 7 - i;
        auto *box = new QComboBox;
        box->setObjectName(QStringLiteral("SegmentPin%1Box").arg(bit));
        for (const char *name : kSegmentNames)
            box->addItem(QString::fromLatin1(name), QString::fromLatin1(name));
        box->setCurrentIndex(int(kWindowPinOrder[std::size_t(i)]));
        box->setAccessibleName(QStringLiteral("位%1").arg(bit));
        auto *label = new QLabel(QStringLiteral("位%1").arg(bit));
        label->setBuddy(box);
        grid->addWidget(label, i / 4 * 2, i % 4);
        grid->addWidget(box, i / 4 * 2 + 1, i % 4);
        pins_[std::size_t(i)] = box;
    }
    addOption(QStringLiteral("接线(&P)："), wiring, QStringLiteral("pins"));

    chars_ = new QLineEdit(QStringLiteral("0123456789AbCdEF"));
    chars_->setObjectName(QStringLiteral("SegmentCharsEdit"));
    addOption(QStringLiteral("字符(&H)："), chars_, QStringLiteral("chars"));
    dp_ = new QCheckBox(QStringLiteral("每个段码都点亮小数点"));
    dp_->setObjectName(QStringLiteral("SegmentDpBox"));
    addOptionRow(dp_, QStringLiteral("dp"));
    format_ =
        makeChoiceBox(QStringLiteral("SegmentFormatBox"),
                      {{QStringLiteral("C51数组"), QStringLiteral("c51")},
                       {QStringLiteral("汇编 DB"), QStringLiteral("asm")},
                       {QStringLiteral("列表（字符、二进制、十六进制）"), QStringLiteral("list")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));
    name_ = makeNameEdit(QStringLiteral("Segment"), QStringLiteral("seg"));
    addOption(QStringLiteral("数组名(&N)："), name_, QStringLiteral("name"));
    compiler_ = makeCompilerBox(QStringLiteral("Segment"));
    addOption(QStringLiteral("编译器："), compiler_, QStringLiteral("compiler"));
    crlf_ = makeCrlfBox(QStringLiteral("Segment"));
    addOptionRow(crlf_, QStringLiteral("crlf"));

    digits_ = new SegmentDigits;
    auto *scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("SegmentDigitsArea"));
    scroll->setWidget(digits_);
    scroll->setWidgetResizable(true);
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setMinimumHeight(digits_->sizeHint().height() + 24);
    setPreview(scroll);
    setSaveChoice(
        QStringLiteral("seg.c"),
        QStringLiteral("C源文件 (*.c *.h);;汇编 (*.asm *.a51 *.s);;文本 (*.txt);;所有文件 (*)"));
}

QString SegmentTablePage::pinsText() const
{
    QStringList names;
    for (const QComboBox *box : pins_)
        names += choiceOf(box);
    return names.join(QLatin1Char(','));
}

SegmentWiring SegmentTablePage::wiring() const
{
    return choiceOf(common_) == QLatin1String("cathode") ? SegmentWiring::CommonCathode
                                                         : SegmentWiring::CommonAnode;
}

void SegmentTablePage::showCodes(std::vector<std::uint8_t> codes, const QStringList &labels)
{
    // A wiring the request refuses (a segment twice) never reaches here: the refusal clears it.
    const auto pins = parsePinOrder(pinsText().toStdString());
    digits_->setCodes(std::move(codes), labels, wiring(), pins.value_or(kWindowPinOrder));
}

PageResult SegmentTablePage::makeResult()
{
    using namespace generators;
    SegmentRequest request;
    // Left out when it is the default; an empty list is given, to be refused.
    if (chars_->text() != QLatin1String(kDefaultSegmentChars))
        request.chars = chars_->text();
    request.common =
        chosen<SegmentWiring>(common_, segmentsCommandInfo(), QStringLiteral("common"));
    // The default wiring is left out, so that the command line stays short.
    if (const QString pins = pinsText(); pins != QLatin1String(kDefaultPins))
        request.pins = pins;
    request.dp = dp_->isChecked();
    request.format =
        chosen<SegmentTableFormat>(format_, segmentsCommandInfo(), QStringLiteral("format"));
    request.name = textOrNothing(name_->text());
    request.compiler =
        chosen<CCompiler>(compiler_, segmentsCommandInfo(), QStringLiteral("compiler"));
    request.crlf = crlf_->isChecked();
    Result result = makeSegmentTable(request);
    codes_ = std::move(result.codes);
    labels_.clear();
    for (const uint c : chars_->text().toUcs4())
        labels_ += QString::fromUcs4(reinterpret_cast<const char32_t *>(&c), 1);
    return pageResultOf(std::move(result), request, CodeKind::Utf8);
}

void SegmentTablePage::showResult(const PageResult &result)
{
    if (result.refusal || result.bytes.isEmpty())
        showCodes({}, {});
    else
        showCodes(codes_, labels_);
}

} // namespace zandrel::studio
