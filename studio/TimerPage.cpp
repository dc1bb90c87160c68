// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/TimerPage.h"

#include "studio/PageOptions.h"
#include "studio/PageRequests.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zandrel::studio {

TimerPage::TimerPage(QWidget *parent) : GeneratorPage(QStringLiteral("timer"), parent)
{
    setObjectName(QStringLiteral("TimerPage"));

    crystal_ = makeCrystalBox(QStringLiteral("Timer"));
    addOption(QStringLiteral("晶振(MHz)(&X)："), crystal_, QStringLiteral("crystal"));
    core_ = makeCoreBox(QStringLiteral("Timer"));
    addOption(QStringLiteral("内核(&K)："), core_, QStringLiteral("core"));
    purpose_ = makeChoiceBox(QStringLiteral("TimerPurposeBox"),
                             {{QStringLiteral("定时"), QStringLiteral("interval")},
                              {QStringLiteral("串口波特率"), QStringLiteral("baud")}});
    addOption(QStringLiteral("用途(&U)："), purpose_, QString());
    interval_ = new QLineEdit(QStringLiteral("1ms"));
    interval_->setObjectName(QStringLiteral("TimerIntervalEdit"));
    interval_->setPlaceholderText(QStringLiteral("带单位 us、ms 或 s，例如 50ms"));
    addOption(QStringLiteral("定时时间(&I)："), interval_, QStringLiteral("interval"));
    baud_ = new QComboBox;
    baud_->setObjectName(QStringLiteral("TimerBaudBox"));
    baud_->setEditable(true);
    baud_->setInsertPolicy(QComboBox::NoInsert);
    baud_->addItems({QStringLiteral("1200"), QStringLiteral("2400"), QStringLiteral("4800"),
                     QStringLiteral("9600"), QStringLiteral("14400"), QStringLiteral("19200"),
                     QStringLiteral("28800"), QStringLiteral("38400"), QStringLiteral("57600"),
                     QStringLiteral("115200"), QStringLiteral("230400"), QStringLiteral("460800")});
    baud_->setCurrentIndex(3);
    addOption(QStringLiteral("波特率(&R)："), baud_, QStringLiteral("baud"));
    timer_ = makeChoiceBox(QStringLiteral("TimerTimerBox"),
                           {{QStringLiteral("定时器0"), QStringLiteral("0")},
                            {QStringLiteral("定时器1"), QStringLiteral("1")},
                            {QStringLiteral("定时器2"), QStringLiteral("2")}});
    addOption(QStringLiteral("定时器(&T)："), timer_, QStringLiteral("timer"));
    baudTimer_ =
        makeChoiceBox(QStringLiteral("TimerBaudTimerBox"),
                      {{QStringLiteral("定时器1"), QStringLiteral("1")},
                       {QStringLiteral("定时器2"), QStringLiteral("2")},
                       {QStringLiteral("独立波特率发生器 BRT（STC12）"), QStringLiteral("brt")}});
    addOption(QStringLiteral("波特率定时器："), baudTimer_, QStringLiteral("baud-timer"));
    // Texts follow the core (coreChanged); the spellings stay.
    mode_ = makeChoiceBox(QStringLiteral("TimerModeBox"), {{QString(), QString()},
                                                           {QString(), QStringLiteral("0")},
                                                           {QString(), QStringLiteral("1")},
                                                           {QString(), QStringLiteral("2")}});
    addOption(QStringLiteral("方式(&O)："), mode_, QStringLiteral("mode"));
    smod_ = new QCheckBox(QStringLiteral("SMOD=1（波特率加倍）"));
    smod_->setObjectName(QStringLiteral("TimerSmodBox"));
    addOptionRow(smod_, QStringLiteral("smod"));
    timerClock_ = makeChoiceBox(QStringLiteral("TimerClockBox"),
                                {{QStringLiteral("自动（误差小者，相同时取1T）"), QString()},
                                 {QStringLiteral("1T"), QStringLiteral("1t")},
                                 {QStringLiteral("12T"), QStringLiteral("12t")}});
    addOption(QStringLiteral("计数时钟："), timerClock_, QStringLiteral("timer-clock"));
    format_ = makeChoiceBox(QStringLiteral("TimerFormatBox"),
                            {{QStringLiteral("初始化函数"), QStringLiteral("init")},
                             {QStringLiteral("数值列表"), QStringLiteral("list")},
                             {QStringLiteral("汇编指令"), QStringLiteral("asm")},
                             {QStringLiteral("C51语句"), QStringLiteral("c51")}});
    addOption(QStringLiteral("格式(&M)："), format_, QStringLiteral("format"));
    compiler_ = makeCompilerBox(QStringLiteral("Timer"));
    addOption(QStringLiteral("编译器："), compiler_, QStringLiteral("compiler"));
    // Offered on every core: the 8052's Timer 2 needs T2CON and the rest as STC's need AUXR.
    declareSfr_ = new QCheckBox(QStringLiteral("声明头文件缺少的寄存器（AUXR、T2H、T2L、BRT）"));
    declareSfr_->setObjectName(QStringLiteral("TimerDeclareSfrBox"));
    addOptionRow(declareSfr_, QStringLiteral("declare-sfr"));
    crlf_ = makeCrlfBox(QStringLiteral("Timer"));
    addOptionRow(crlf_, QStringLiteral("crlf"));

    connect(purpose_, &QComboBox::currentIndexChanged, this, &TimerPage::purposeChanged);
    connect(timer_, &QComboBox::currentIndexChanged, this, &TimerPage::purposeChanged);
    connect(baudTimer_, &QComboBox::currentIndexChanged, this, &TimerPage::purposeChanged);
    connect(core_, &QComboBox::currentIndexChanged, this, &TimerPage::coreChanged);
    purposeChanged();
    coreChanged();

    auto *preview = new QWidget;
    auto *previewLayout = new QVBoxLayout(preview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    figures_ = new QLabel;
    figures_->setObjectName(QStringLiteral("TimerFigures"));
    figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    figures_->setWordWrap(true);
    previewLayout->addWidget(figures_);
    auto *tableLabel = new QLabel(QStringLiteral("波特率表(&A)："));
    previewLayout->addWidget(tableLabel);
    baudTable_ = new QTableWidget(0, 6);
    baudTable_->setObjectName(QStringLiteral("TimerBaudTable"));
    baudTable_->setHorizontalHeaderLabels({QStringLiteral("波特率"), QStringLiteral("设置"),
                                           QStringLiteral("重装值"), QStringLiteral("实际"),
                                           QStringLiteral("误差"), QStringLiteral("可用")});
    baudTable_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    baudTable_->setSelectionBehavior(QAbstractItemView::SelectRows);
    baudTable_->setSelectionMode(QAbstractItemView::SingleSelection);
    baudTable_->setTabKeyNavigation(false);
    baudTable_->verticalHeader()->hide();
    baudTable_->horizontalHeader()->setStretchLastSection(true);
    baudTable_->setMinimumHeight(140);
    tableLabel->setBuddy(baudTable_);
    baudTable_->setAccessibleName(QStringLiteral("波特率表"));
    previewLayout->addWidget(baudTable_);
    // Enter or a double click takes the row's rate, as does moving to it with the keys.
    connect(baudTable_, &QTableWidget::cellActivated, this,
            [this](int row, int) { baudRowChosen(row); });
    setPreview(preview);
    setSaveChoice(QStringLiteral("timer.c"),
                  QStringLiteral("C源文件 (*.c *.h);;汇编 (*.asm *.a51 *.s);;所有文件 (*)"));
}

void TimerPage::purposeChanged()
{
    const bool baud = choiceOf(purpose_) == QLatin1String("baud");
    interval_->setEnabled(!baud);
    timer_->setEnabled(!baud);
    baud_->setEnabled(baud);
    baudTimer_->setEnabled(baud);
    smod_->setEnabled(baud);
    // Timer 2 and BRT have one mode only: TMOD's modes are Timer 0's and 1's.
    mode_->setEnabled(baud ? choiceOf(baudTimer_) == QLatin1String("1")
                           : choiceOf(timer_) != QLatin1String("2"));
}

void TimerPage::coreChanged()
{
    // STC15 and STC8 count mode 0 as 16-bit auto-reload, not the classic 13-bit mode.
    const QString core = choiceOf(core_);
    const bool stcModes = core == QLatin1String("stc15") || core == QLatin1String("stc8");
    const bool oneT = core.startsWith(QLatin1String("stc"));
    mode_->setItemText(0, QStringLiteral("自动（有16位自动重装时取它）"));
    mode_->setItemText(1, stcModes ? QStringLiteral("方式0（16位自动重装）")
                                   : QStringLiteral("方式0（13位）"));
    mode_->setItemText(2, QStringLiteral("方式1（16位）"));
    mode_->setItemText(3, QStringLiteral("方式2（8位自动重装）"));
    timerClock_->setEnabled(oneT);
}

void TimerPage::setBaudRows(const QList<BaudRow> &rows)
{
    baudRows_ = rows;
    baudTable_->setRowCount(int(rows.size()));
    for (int row = 0; row < int(rows.size()); ++row) {
        const BaudRow &rate = rows.at(row);
        const QStringList cells = {
            rate.rate,   rate.setting,
            rate.reload, rate.actual,
            rate.error,  rate.usable ? QStringLiteral("可用") : QStringLiteral("不可用")};
        for (int column = 0; column < int(cells.size()); ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (!rate.usable)
                item->setForeground(QColor(0xA0, 0x00, 0x00));
            baudTable_->setItem(row, column, item);
        }
    }
}

void TimerPage::setFigures(const QString &figures)
{
    figures_->setText(figures);
}

void TimerPage::baudRowChosen(int row)
{
    if (row < 0 || row >= int(baudRows_.size()))
        return;
    purpose_->setCurrentIndex(purpose_->findData(QStringLiteral("baud")));
    baud_->setEditText(baudRows_.at(row).rate);
}

std::optional<int> clocksOfCore(const QString &core)
{
    if (core == QLatin1String("12t"))
        return 12;
    if (core == QLatin1String("6t"))
        return 6;
    if (core == QLatin1String("clocks-1"))
        return 1;
    return std::nullopt;
}

PageResult withCoreField(PageResult result)
{
    // --clocks is chosen with the core.
    if (result.refusal && result.refusal->option == QLatin1String("clocks"))
        result.refusal->option = QStringLiteral("core");
    return result;
}

QList<BaudRow> TimerPage::baudRowsOf(const generators::TimerRequest &request) const
{
    using namespace generators;
    TimerRequest table;
    table.crystal = request.crystal;
    table.core = request.core;
    table.clocks = request.clocks;
    table.baudTable = true;
    table.baudTimer = request.baudTimer;
    table.mode = request.baud ? request.mode : std::nullopt;
    table.smod = request.smod;
    table.timerClock = request.timerClock;
    const Result made = makeTimerSetting(table);
    QList<BaudRow> rows;
    if (made.refusal)
        return rows;
    // "rate timer mode smod clock reload actual error [不可用]", or the rate and why none makes it.
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString &line : QString::fromStdString(made.bytes).split(QLatin1Char('\n'))) {
        const QStringList cells = line.trimmed().split(blanks, Qt::SkipEmptyParts);
        if (cells.size() < 2 || !cells.first().at(0).isDigit())
            continue;
        BaudRow row;
        row.rate = cells.at(0);
        if (cells.size() < 8) {
            row.setting = cells.mid(1).join(QLatin1Char(' '));
            row.usable = false;
        } else {
            QStringList setting{cells.at(1)};
            if (cells.at(2) != QLatin1String("-"))
                setting << QStringLiteral("方式") + cells.at(2);
            if (cells.at(3) != QLatin1String("-"))
                setting << QStringLiteral("SMOD=") + cells.at(3);
            setting << cells.at(4);
            row.setting = setting.join(QLatin1Char(' '));
            row.reload = cells.at(5);
            row.actual = cells.at(6);
            row.error = cells.at(7);
            row.usable = cells.size() == 8;
        }
        rows << row;
    }
    return rows;
}

PageResult TimerPage::makeResult()
{
    using namespace generators;
    const CommandInfo &command = timerCommandInfo();
    const bool baud = choiceOf(purpose_) == QLatin1String("baud");
    TimerRequest request;
    request.crystal = crystal_->currentText().trimmed();
    setCoreOf(request, core_, command);
    // A field that is off does not apply, and is left out as the layer would ignore or refuse it.
    if (baud) {
        request.baud = baud_->currentText().trimmed();
        request.baudTimer = chosen<BaudTimer>(baudTimer_, command, QStringLiteral("baud-timer"));
        request.smod = smod_->isChecked();
    } else {
        request.interval = interval_->text().trimmed();
        request.timer = unlessDefault(choiceOf(timer_).toInt(), 0);
    }
    if (mode_->isEnabled())
        request.mode = chosen<TimerMode>(mode_, command, QStringLiteral("mode"));
    if (timerClock_->isEnabled())
        request.timerClock =
            chosen<TimerClock>(timerClock_, command, QStringLiteral("timer-clock"));
    request.format = chosen<TimerFormat>(format_, command, QStringLiteral("format"));
    request.declareSfr = declareSfr_->isChecked();
    request.compiler = chosen<CCompiler>(compiler_, command, QStringLiteral("compiler"));
    request.crlf = crlf_->isChecked();
    Result result = makeTimerSetting(request);
    tableRows_ = baudRowsOf(request);
    // The reload values, the actual interval or rate and its error: the same request's list.
    figuresText_.clear();
    if (!result.refusal) {
        TimerRequest list = request;
        list.format = TimerFormat::List;
        list.declareSfr = false;
        list.crlf = false;
        const Result figures = list == request ? result : makeTimerSetting(list);
        figuresText_ = QString::fromStdString(figures.bytes).trimmed();
    }
    return withCoreField(pageResultOf(std::move(result), request, CodeKind::Utf8));
}

void TimerPage::showResult(const PageResult &result)
{
    // The table stands whatever the rate or interval, as long as the crystal and core make one.
    setBaudRows(tableRows_);
    if (result.refusal || result.bytes.isEmpty())
        figures_->clear();
    else
        setFigures(figuresText_);
}

} // namespace zandrel::studio
