// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "studio/GeneratorPage.h"
#include "studio/PageOptions.h"
#include "studio/PageRequests.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

#include <optional>

namespace zandrel::studio {

// One row of the baud-rate table for the chosen crystal and core.
struct BaudRow
{
    QString rate;    // as --baud takes it
    QString setting; // timer, mode, SMOD and timer clock as the table names them
    QString reload;
    QString actual;
    QString error;
    bool usable = true; // off by at most 2 %
};

// 定时器: a timer's reload for an interval or a baud rate, with its set-up code, beside the
// baud-rate table of the crystal.
// The --clocks of a core of the list; nothing for a core of its own (STC).
std::optional<int> clocksOfCore(const QString &core);
// The core box's choice into a request: the classic cores and the generic 1T one by --clocks
// (12 left out), STC's by --core.
template <typename Request>
void setCoreOf(Request &request, const QComboBox *box, const generators::CommandInfo &command)
{
    if (const std::optional<int> clocks = clocksOfCore(choiceOf(box)))
        request.clocks = unlessDefault(*clocks, generators::kDefaultClocks);
    else
        request.core = chosen<CpuCore>(box, command, QStringLiteral("core"));
}
// A refusal of --clocks shown under the core.
PageResult withCoreField(PageResult result);

class TimerPage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit TimerPage(QWidget *parent = nullptr);

    void setBaudRows(const QList<BaudRow> &rows);
    // The reload values and the actual interval or rate with its error, above the code.
    void setFigures(const QString &figures);

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    void purposeChanged();
    void coreChanged();
    void baudRowChosen(int row);
    // The baud-rate table the layer makes of the request's crystal, core and baud options.
    QList<BaudRow> baudRowsOf(const generators::TimerRequest &request) const;

    QComboBox *crystal_;
    QComboBox *core_;
    QComboBox *purpose_;
    QLineEdit *interval_;
    QComboBox *baud_;
    QComboBox *timer_;
    QComboBox *baudTimer_;
    QComboBox *mode_;
    QCheckBox *smod_;
    QComboBox *timerClock_;
    QComboBox *format_;
    QComboBox *compiler_;
    QCheckBox *declareSfr_;
    QString figuresText_;      // of the last result
    QList<BaudRow> tableRows_; // of the last result's crystal and options
    QCheckBox *crlf_;
    QLabel *figures_;
    QTableWidget *baudTable_;
    QList<BaudRow> baudRows_;
};

} // namespace zandrel::studio
