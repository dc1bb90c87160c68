// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/DelayPage.h"

#include "studio/PageOptions.h"
#include "studio/PageRequests.h"
#include "studio/TimerPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace zandrel::studio {

DelayPage::DelayPage(QWidget *parent) : GeneratorPage(QStringLiteral("delay"), parent)
{
    setObjectName(QStringLiteral("DelayPage"));

    crystal_ = makeCrystalBox(QStringLiteral("Delay"));
    addOption(QStringLiteral("晶振(MHz)(&X)："), crystal_, QStringLiteral("crystal"));
    core_ = makeCoreBox(QStringLiteral("Delay"));
    addOption(QStringLiteral("内核(&K)："), core_, QStringLiteral("core"));

    auto *timeRow = new QWidget;
    timeRow->setObjectName(QStringLiteral("DelayTimeRow"));
    auto *timeLayout = new QHBoxLayout(timeRow);
    timeLayout->setContentsMargins(0, 0, 0, 0);
    time_ = new QDoubleSpinBox;
    time_->setObjectName(QStringLiteral("DelayTimeSpin"));
    time_->setDecimals(3);
    time_->setRange(0.001, 1000000);
    time_->setValue(1);
    time_->setAccessibleName(QStringLiteral("延时时间"));
    unit_ = makeChoiceBox(QStringLiteral("DelayUnitBox"),
                          {{QStringLiteral("微秒"), QStringLiteral("us")},
                           {QStringLiteral("毫秒"), QStringLiteral("ms")},
                           {QStringLiteral("秒"), QStringLiteral("s")}});
    unit_->setCurrentIndex(1);
    unit_->setAccessibleName(QStringLiteral("时间单位"));
    timeLayout->addWidget(time_, 1);
    timeLayout->addWidget(unit_);
    addOption(QStringLiteral("延时时间(&T)："), timeRow, QStringLiteral("time"));

    format_ = makeChoiceBox(QStringLiteral("DelayFormatBox"),
                            {{QStringLiteral("C语言函数"), QStringLiteral("c51")},
                             {QStringLiteral("汇编子程序"), QStringLiteral("asm")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));
    compiler_ = makeCompilerBox(QStringLiteral("Delay"));
    addOption(QStringLiteral("编译器："), compiler_, QStringLiteral("compiler"));
    name_ = makeNameEdit(QStringLiteral("Delay"), QStringLiteral("默认按时间命名，如 Delay1ms"));
    addOption(QStringLiteral("函数名(&N)："), name_, QStringLiteral("name"));
    crlf_ = makeCrlfBox(QStringLiteral("Delay"));
    addOptionRow(crlf_, QStringLiteral("crlf"));

    figures_ = new QLabel;
    figures_->setObjectName(QStringLiteral("DelayFigures"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setWordWrap(true);
    setPreview(figures_);
    setSaveChoice(QStringLiteral("delay.c"),
                  QStringLiteral("C源文件 (*.c *.h);;汇编 (*.asm *.a51 *.s);;所有文件 (*)"));
}

QString DelayPage::timeText() const
{
    // Written as the command line takes it, with a point whatever the user's locale.
    return QLocale::c().toString(time_->value(), 'g', 10) + choiceOf(unit_);
}

void DelayPage::setFigures(const QString &figures)
{
    figures_->setText(figures);
}

PageResult DelayPage::makeResult()
{
    using namespace generators;
    const CommandInfo &command = delayCommandInfo();
    DelayRequest request;
    request.crystal = crystal_->currentText().trimmed();
    request.time = timeText();
    setCoreOf(request, core_, command);
    request.format = chosen<DelayFormat>(format_, command, QStringLiteral("format"));
    request.compiler = chosen<CCompiler>(compiler_, command, QStringLiteral("compiler"));
    request.name = textOrNothing(name_->text());
    request.crlf = crlf_->isChecked();
    Result result = makeDelay(request);
    figuresText_ = result.figures;
    return withCoreField(pageResultOf(std::move(result), request, CodeKind::Utf8));
}

void DelayPage::showResult(const PageResult &result)
{
    // The exact count and its error, then whatever the layer warns of.
    if (result.refusal || result.bytes.isEmpty())
        figures_->clear();
    else
        setFigures((QStringList{figuresText_} + result.warnings).join(QLatin1Char('\n')));
}

} // namespace zandrel::studio
