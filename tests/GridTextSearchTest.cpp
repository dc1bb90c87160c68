// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "data/InstructionRecords.h"
#include "dialogs/GridTextSearch.h"
#include "ui/AsmGrid.h"
#include "ui/AsmGridModel.h"

#include <QHeaderView>

namespace zandrel {

class GridTextSearchTest : public QObject
{
    Q_OBJECT

private slots:
    void comparesCellTexts_data();
    void comparesCellTexts();
    void walksTheShownColumnsInDisplayOrder_data();
    void walksTheShownColumnsInDisplayOrder();
};

namespace {

constexpr auto kAny = GridMatchKind::AnyPart;
constexpr auto kWhole = GridMatchKind::WholeField;
constexpr auto kBegin = GridMatchKind::FromBeginning;

} // namespace

void GridTextSearchTest::comparesCellTexts_data()
{
    QTest::addColumn<QString>("cell");
    QTest::addColumn<QString>("search");
    QTest::addColumn<GridMatchKind>("kind");
    QTest::addColumn<bool>("caseInsensitive");
    QTest::addColumn<bool>("matches");

    // The rest is covered through the dialog.
    QTest::newRow("any, Chinese, case ignored") << "累加器加1"
                                                << "器加" << kAny << true << true;
    QTest::newRow("whole, empty against text") << "1"
                                               << "" << kWhole << true << false;
    QTest::newRow("begin, not at the start") << "AJMP addr11"
                                             << "J" << kBegin << true << false;
    QTest::newRow("begin, cell shorter") << "DB"
                                         << "DBX" << kBegin << true << false;
}

void GridTextSearchTest::comparesCellTexts()
{
    QFETCH(QString, cell);
    QFETCH(QString, search);
    QFETCH(GridMatchKind, kind);
    QFETCH(bool, caseInsensitive);
    QFETCH(bool, matches);
    const CellMatchOptions options{kind, caseInsensitive, QLocale(QLocale::English)};
    QCOMPARE(cellTextMatches(cell, search, options), matches);
}

void GridTextSearchTest::walksTheShownColumnsInDisplayOrder_data()
{
    QTest::addColumn<bool>("up");
    QTest::addColumn<bool>("moveTimeFirst"); // 周期数 dragged to the front
    QTest::addColumn<bool>("hideByteCount");
    QTest::addColumn<int>("expectedId");
    QTest::addColumn<int>("expectedColumn");

    // "1" from ID 3 (字节数 1, 周期数 1) in 指令说明; ID 2 has 2 and 1.
    QTest::newRow("down: the rest of the record first")
        << false << false << false << 3 << int(AsmGridModel::ByteCount);
    QTest::newRow("down: over a hidden column")
        << false << false << true << 3 << int(AsmGridModel::TimeCount);
    QTest::newRow("up: to the last column of the previous record")
        << true << false << false << 2 << int(AsmGridModel::TimeCount);
    QTest::newRow("up: along a moved column")
        << true << true << false << 3 << int(AsmGridModel::TimeCount);
}

void GridTextSearchTest::walksTheShownColumnsInDisplayOrder()
{
    QFETCH(bool, up);
    QFETCH(bool, moveTimeFirst);
    QFETCH(bool, hideByteCount);
    QFETCH(int, expectedId);
    QFETCH(int, expectedColumn);

    auto *model = new AsmGridModel(builtInInstructionRecords());
    AsmGrid grid(*model);
    model->setParent(&grid);
    QVERIFY(grid.setCurrentRow(2));
    grid.setCurrentColumn(AsmGridModel::Gut);
    if (moveTimeFirst)
        grid.horizontalHeader()->moveSection(AsmGridModel::TimeCount, 0);
    grid.setColumnHidden(AsmGridModel::ByteCount, hideByteCount);

    GridTextSearch search;
    search.text = QStringLiteral("1");
    search.allColumns = true;
    search.direction = up ? GridSearchDirection::Up : GridSearchDirection::Down;
    search.matchKind = kWhole;
    QVERIFY(SearchGridText(grid, search));
    QCOMPARE(grid.currentRecord()->ID, expectedId);
    QCOMPARE(grid.currentColumn(), expectedColumn);
    QVERIFY(grid.updatesEnabled());
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::GridTextSearchTest)
#include "GridTextSearchTest.moc"
