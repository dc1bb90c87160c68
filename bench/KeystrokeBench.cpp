// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// One keystroke in the reference page's query box, up to the grid repainted with its new
// view: here the Backspace that widens "M" back to all 130 records.
#include "ui/Main.h"

#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void KeystrokeToRepaintedGrid(benchmark::State &state)
{
    zandrel::TMainForm form;
    form.show();
    form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"))->setCurrentIndex(3);
    auto *query = form.findChild<QLineEdit *>(QStringLiteral("AsmCommandEdit"));
    auto *grid = form.findChild<QTableView *>(QStringLiteral("AsmGrid"));
    query->setFocus();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        QTest::keyClick(query, Qt::Key_M);
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        QTest::keyClick(query, Qt::Key_Backspace);
        grid->repaint();
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (grid->model()->rowCount() != 130)
            state.SkipWithError("the grid does not show all 130 records");
    }
    state.SetLabel("Backspace from \"M\" to 130 records, repainted");
}
BENCHMARK(KeystrokeToRepaintedGrid)
    ->UseManualTime()
    ->Iterations(200)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace
