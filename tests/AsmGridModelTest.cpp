// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "WidgetTestSupport.h"

#include "core/AsmTable.h"
#include "data/InstructionRecords.h"
#include "ui/AsmGridModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace zandrel {

class AsmGridModelTest : public QObject
{
    Q_OBJECT

private slots:
    void staysConsistentThroughFiltersAndMoves();
    void showsFiveTitledColumns();
    void showsNullCountsAsEmptyCells();
    void alignsNumbersRight();
    void isReadOnly();
    void reportsEachRefreshAsOneReset();
    void reportsMovesOfTheCurrentRecord();
};


void AsmGridModelTest::staysConsistentThroughFiltersAndMoves()
{
    AsmGridModel model(builtInInstructionRecords());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    AsmTable &table = model.table();
    table.setFilterCaseInsensitive(true);
    for (const char *query : {"M", "MOV", "MOVX", "REL%X", "", "C%A%R"}) {
        table.setFilter(nameContainsFilter(query));
        table.setFiltered(true);
        table.last();
        table.prior();
    }
    table.close();
    table.open();
    QCOMPARE(model.rowCount(), 12);
}

void AsmGridModelTest::showsFiveTitledColumns()
{
    AsmGridModel model(builtInInstructionRecords());
    QCOMPARE(model.columnCount(), 5);
    const QStringList titles = {QStringLiteral("助记符"), QStringLiteral("指令说明"),
                                QStringLiteral("类别"), QStringLiteral("字节数"),
                                QStringLiteral("周期数")};
    const QList<int> widths = {147, 199, 100, 50, 50};
    for (int column = 0; column < 5; ++column) {
        QCOMPARE(model.headerData(column, Qt::Horizontal).toString(), titles[column]);
        QCOMPARE(model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt(),
                 int(Qt::AlignLeft | Qt::AlignVCenter));
        QCOMPARE(AsmGridModel::widthOf(column), widths[column]);
    }
    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QString());
    QCOMPARE(model.rowCount(), 130);
    QCOMPARE(model.data(model.index(0, AsmGridModel::Name)).toString(), QStringLiteral("MOV A,Rn"));
    QCOMPARE(model.data(model.index(0, AsmGridModel::Gut)).toString(),
             QStringLiteral("寄存器传送到累加器"));
    QCOMPARE(model.data(model.index(0, AsmGridModel::Kind)).toString(),
             QStringLiteral("数据传递类指令"));
    QCOMPARE(model.data(model.index(37, AsmGridModel::ByteCount)).toString(), QStringLiteral("1"));
    QCOMPARE(model.data(model.index(37, AsmGridModel::TimeCount)).toString(), QStringLiteral("4"));
}

void AsmGridModelTest::showsNullCountsAsEmptyCells()
{
    AsmGridModel model(builtInInstructionRecords());
    for (int row = 0; row < 130; ++row) {
        for (const int column : {AsmGridModel::ByteCount, AsmGridModel::TimeCount}) {
            const QString text = model.data(model.index(row, column)).toString();
            if (row >= 111)
                QVERIFY2(text.isEmpty(), qPrintable(QString::number(row + 1)));
            else
                QVERIFY2(!text.isEmpty() && text != QStringLiteral("0"),
                         qPrintable(QString::number(row + 1)));
        }
    }
}

void AsmGridModelTest::alignsNumbersRight()
{
    AsmGridModel model(builtInInstructionRecords());
    const int left = Qt::AlignLeft | Qt::AlignVCenter;
    const int right = Qt::AlignRight | Qt::AlignVCenter;
    const QList<int> expected = {left, left, left, right, right};
    for (int column = 0; column < 5; ++column)
        QCOMPARE(model.data(model.index(0, column), Qt::TextAlignmentRole).toInt(),
                 expected[column]);
}

void AsmGridModelTest::isReadOnly()
{
    AsmGridModel model(builtInInstructionRecords());
    const QModelIndex index = model.index(3, AsmGridModel::Name);
    QVERIFY(!(model.flags(index) & Qt::ItemIsEditable));
    QVERIFY(!model.setData(index, QStringLiteral("NOP")));
    QCOMPARE(model.data(index).toString(), QStringLiteral("MOV A,#data"));
}

void AsmGridModelTest::reportsEachRefreshAsOneReset()
{
    AsmGridModel model(builtInInstructionRecords());
    QSignalSpy aboutToReset(&model, &QAbstractItemModel::modelAboutToBeReset);
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.table().setFiltered(true);
    model.table().setFilter(nameContainsFilter("MOV"));
    QCOMPARE(aboutToReset.count(), 2);
    QCOMPARE(reset.count(), 2);
    QCOMPARE(model.rowCount(), 24);
}

void AsmGridModelTest::reportsMovesOfTheCurrentRecord()
{
    AsmGridModel model(builtInInstructionRecords());
    QSignalSpy moved(&model, &AsmGridModel::currentRecordMoved);
    model.table().next();
    model.table().moveTo(7);
    model.table().moveTo(7);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(0), (QList<QVariant>{0, 1}));
    QCOMPARE(moved.at(1), (QList<QVariant>{1, 7}));
}

} // namespace zandrel

ZANDREL_TEST_MAIN(zandrel::AsmGridModelTest)
#include "AsmGridModelTest.moc"
