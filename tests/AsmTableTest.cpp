// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/AsmTable.h"
#include "core/Error.h"
#include "data/InstructionRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <ostream>
#include <string>
#include <vector>

namespace zandrel {
namespace {

std::vector<int> range(int first, int last)
{
    std::vector<int> ids(static_cast<std::size_t>(last - first + 1));
    std::iota(ids.begin(), ids.end(), first);
    return ids;
}

std::vector<int> join(std::initializer_list<std::vector<int>> parts)
{
    std::vector<int> ids;
    for (const auto &part : parts)
        ids.insert(ids.end(), part.begin(), part.end());
    return ids;
}

std::vector<int> viewIds(const AsmTable &table)
{
    std::vector<int> ids;
    for (std::size_t row = 0; row < table.recordCount(); ++row)
        ids.push_back(table.recordAt(row).ID);
    return ids;
}

// A table filtered the way the query box filters it.
void applyQuery(AsmTable &table, const std::string &query)
{
    table.setFilterCaseInsensitive(true);
    table.setFilter(nameContainsFilter(query));
    table.setFiltered(true);
}

TEST(InstructionRecords, HoldsIds1To130InOrder)
{
    const auto records = builtInInstructionRecords();
    ASSERT_EQ(records.size(), 130u);
    for (std::size_t i = 0; i < records.size(); ++i)
        EXPECT_EQ(records[i].ID, static_cast<int>(i) + 1);
}

TEST(InstructionRecords, KindsCoverContiguousRuns)
{
    const struct
    {
        int first, last;
        const char *kind;
    } runs[] = {
        {1, 28, "数据传递类指令"},      {29, 52, "算术运算类指令"}, {53, 77, "逻辑运算类指令"},
        {78, 94, "控制转移类指令"},     {95, 111, "布尔指令"},      {112, 119, "伪指令"},
        {120, 130, "指令中的符号标识"},
    };
    const auto records = builtInInstructionRecords();
    for (const auto &run : runs)
        for (int id = run.first; id <= run.last; ++id)
            EXPECT_EQ(records[id - 1].KIND, run.kind) << id;
}

TEST(InstructionRecords, CountsAreNullExactlyForDirectivesAndSymbols)
{
    for (const InstructionRecord &record : builtInInstructionRecords()) {
        const bool instruction = record.ID <= 111;
        EXPECT_EQ(record.BYTECOUNT.has_value(), instruction) << record.ID;
        EXPECT_EQ(record.TIMECOUNT.has_value(), instruction) << record.ID;
        EXPECT_EQ(fieldText(record, InstructionField::BYTECOUNT).empty(), !instruction)
            << record.ID;
    }
}

TEST(InstructionRecords, KeepTextsAsWritten)
{
    const struct
    {
        int id;
        const char *name, *gut;
        std::optional<int> bytes, cycles;
    } samples[] = {
        {1, "MOV A,Rn", "寄存器传送到累加器", 1, 1},
        {24, "POP  direct", "直接地址弹出堆栈", 2, 2},
        {25, "XCH  A,Rn", "寄存器和累加器交换", 1, 1},
        {36, "DEC driect", "直接地址减1", 2, 2},
        {40, "DA  A", "累加器十进制调整", 1, 1},
        {73, "RL  A", "累加器循环左移", 1, 1},
        {81, "CJNE A,direct,rel", "比较直接地址和累加器,不相等转移", 3, 2},
        {111, "JBC bit,rel", "直接寻址位为1则转移并清除该位", 2, 2},
        {127, "rel", "8位偏移量用于SJMP和所有条件转移指令范围-128+127", std::nullopt, std::nullopt},
        {130, "$", "指本条指令的起始位置", std::nullopt, std::nullopt},
    };
    const auto records = builtInInstructionRecords();
    for (const auto &sample : samples) {
        const InstructionRecord &record = records[sample.id - 1];
        EXPECT_EQ(record.NAME, sample.name);
        EXPECT_EQ(record.GUT, sample.gut);
        EXPECT_EQ(record.BYTECOUNT, sample.bytes) << sample.id;
        EXPECT_EQ(record.TIMECOUNT, sample.cycles) << sample.id;
    }
}

TEST(InstructionRecords, NamesAreShortAsciiWithoutWildcards)
{
    for (const InstructionRecord &record : builtInInstructionRecords()) {
        EXPECT_LE(record.NAME.size(), 18u) << record.ID;
        for (const char c : record.NAME) {
            EXPECT_TRUE(c > 0 && c < 127) << record.ID;
            EXPECT_EQ(std::string_view("%_'").find(c), std::string_view::npos) << record.ID;
        }
    }
}

struct QueryCase
{
    const char *label;
    std::string query;
    std::vector<int> ids;
};

void PrintTo(const QueryCase &c, std::ostream *out)
{
    *out << c.label;
}

class QueryFilter : public ::testing::TestWithParam<QueryCase>
{
};

TEST_P(QueryFilter, ShowsTheMatchingRecordsInIdOrder)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, GetParam().query);
    EXPECT_EQ(viewIds(table), GetParam().ids);
    ASSERT_EQ(table.currentRow().has_value(), !GetParam().ids.empty());
    if (table.currentRecord()) {
        EXPECT_EQ(table.currentRecord()->ID, GetParam().ids.front());
    }
}

const std::vector<int> kMov = join({range(1, 22), {105, 106}});
const std::vector<int> kData = {4,  7,  12, 15, 16, 44, 48, 52,  56, 58,
                                62, 64, 68, 70, 82, 83, 84, 123, 124};
const std::vector<int> kWithBlank = join({range(1, 86), range(88, 89), range(92, 111)});

INSTANTIATE_TEST_SUITE_P(
    Queries, QueryFilter,
    ::testing::Values(
        QueryCase{"empty", "", range(1, 130)}, QueryCase{"MOV", "MOV", kMov},
        QueryCase{"mov", "mov", kMov},
        QueryCase{"REL", "REL", join({range(79, 86), {94}, range(107, 111), {127}})},
        QueryCase{"DATA", "#DATA", kData}, QueryCase{"DATA_underscore", "#DATA_", kData},
        QueryCase{"one_blank", " ", kWithBlank}, QueryCase{"XCH_one_blank", "XCH A", {}},
        QueryCase{"XCH_two_blanks", "XCH  A", {25, 26, 27}},
        QueryCase{"RL_one_blank", "RL A", join({range(59, 62), range(65, 68)})},
        QueryCase{"DRIECT", "DRIECT", {36}}, QueryCase{"quote", "'", {}},
        QueryCase{"quote_inside", "A'B", {}}, QueryCase{"underscore", "_", range(1, 130)},
        QueryCase{"two_underscores", "__", range(1, 130)}, QueryCase{"percent", "%", range(1, 130)},
        QueryCase{"MOV_percent_DPTR", "MOV%DPTR", {16, 17, 20, 22}},
        QueryCase{"REL_percent_X", "REL%X", {}},
        QueryCase{"C_A_R", "C%A%R", join({{17}, range(25, 28), range(45, 47), range(81, 84)})},
        QueryCase{"chinese", "\xB2\xE2", {}},
        QueryCase{"nineteen_characters", "MOV DIRECT,#DATA16X", {}},
        // S is cut to 255 bytes and loses its closing "%": the rest must end the mnemonic.
        QueryCase{"cut_keeps_end_anchor",
                  std::string(252, '%') + "RNX",
                  {1, 8, 25, 30, 35, 41, 45, 49, 53, 59, 65, 120}},
        QueryCase{"longest_uncut", std::string(251, '%') + "\xB2\xE2", {}},
        QueryCase{"cut_after_chinese", std::string(252, '%') + "\xB2\xE2", {}},
        // The cut splits the Chinese character; its half is dropped, leaving only "%".
        QueryCase{"cut_inside_chinese", std::string(253, '%') + "\xB2\xE2", range(1, 130)}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(QueryFilter, DirectDoesNotFindTheMisspelledRecord)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "DIRECT");
    const std::vector<int> ids = viewIds(table);
    EXPECT_EQ(std::count(ids.begin(), ids.end(), 36), 0);
    EXPECT_EQ(ids.front(), 2);
}

TEST(QueryFilter, UnderscoresBesideTheTextChangeNothing)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "A");
    const std::vector<int> a = viewIds(table);
    EXPECT_EQ(a.size(), 80u);
    for (const int id : {101, 125, 126})
        EXPECT_NE(std::find(a.begin(), a.end(), id), a.end()) << id;
    for (const char *query : {"_A", "A_"}) {
        applyQuery(table, query);
        EXPECT_EQ(viewIds(table), a) << query;
    }
}

TEST(AsmTable, StartsOpenUnfilteredOnTheFirstRecord)
{
    AsmTable table(builtInInstructionRecords());
    EXPECT_TRUE(table.active());
    EXPECT_EQ(table.Filter(), "");
    EXPECT_FALSE(table.Filtered());
    EXPECT_FALSE(table.FilterCaseInsensitive());
    EXPECT_FALSE(table.compiled());
    EXPECT_EQ(table.recordCount(), 130u);
    EXPECT_EQ(table.currentRecord()->ID, 1);
}

// Counts the callbacks a table makes.
struct Observer
{
    explicit Observer(AsmTable &table)
    {
        table.setCallbacks(
            {[this] { ++aboutToRefresh; }, [this] { ++refreshes; },
             [this](std::optional<std::size_t> previous) { moves.push_back(previous); }});
    }
    int aboutToRefresh = 0;
    int refreshes = 0;
    std::vector<std::optional<std::size_t>> moves;
};

TEST(AsmTable, FirstQueryChangeRefreshesTwiceThenOnce)
{
    AsmTable table(builtInInstructionRecords());
    Observer observer(table);
    applyQuery(table, "M");
    EXPECT_EQ(observer.refreshes, 2); // Filter while unfiltered, then Filtered
    EXPECT_EQ(observer.aboutToRefresh, 2);
    applyQuery(table, "MO");
    EXPECT_EQ(observer.refreshes, 3);
    applyQuery(table, "MO"); // equal values
    EXPECT_EQ(observer.refreshes, 3);
}

TEST(AsmTable, EqualValuesChangeNothing)
{
    AsmTable table(builtInInstructionRecords());
    Observer observer(table);
    table.moveTo(5);
    table.setFilter("");
    table.setFiltered(false);
    EXPECT_EQ(observer.refreshes, 0);
    EXPECT_EQ(table.currentRow(), 5u);
}

TEST(AsmTable, EveryRefreshMakesTheFirstRecordCurrent)
{
    AsmTable table(builtInInstructionRecords());
    table.setFilter(nameContainsFilter("MOV"));
    EXPECT_EQ(table.recordCount(), 130u); // stored, not applied while unfiltered
    table.last();
    table.setFiltered(true);
    EXPECT_EQ(table.currentRecord()->ID, 1);
    table.moveTo(21);
    EXPECT_EQ(table.currentRecord()->ID, 22);
    table.setFilter(nameContainsFilter("MOVX"));
    EXPECT_EQ(table.currentRecord()->ID, 19);
    table.setFilter(nameContainsFilter("nothing"));
    EXPECT_EQ(table.currentRecord(), nullptr);
    EXPECT_FALSE(table.currentRow());
}

TEST(AsmTable, CompiledPatternKeepsTheCaseSettingOfItsCompilation)
{
    AsmTable table(builtInInstructionRecords());
    table.setFiltered(true);
    table.setFilter("NAME LIKE '%REL%'"); // the data spells it "rel"
    EXPECT_EQ(table.recordCount(), 0u);
    table.setFilterCaseInsensitive(true); // not compiled yet
    EXPECT_FALSE(table.compiled()->ignoreCase);
    EXPECT_EQ(table.recordCount(), 0u);
    table.setFilter("NAME LIKE '%REL%' ");
    EXPECT_TRUE(table.compiled()->ignoreCase);
    EXPECT_EQ(table.recordCount(), 15u);
    EXPECT_EQ(table.compiled()->pattern, "%REL%");
}

TEST(AsmTable, DropsTheCompiledPatternWhenUnfilteredOrEmpty)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "MOV");
    ASSERT_TRUE(table.compiled());
    table.setFilter("");
    EXPECT_FALSE(table.compiled());
    EXPECT_EQ(table.recordCount(), 130u);
    table.setFilter(nameContainsFilter("MOV"));
    table.setFiltered(false);
    EXPECT_FALSE(table.compiled());
    EXPECT_EQ(table.recordCount(), 130u);
}

TEST(AsmTable, RefusesOtherExpressionsAndStaysAsItWas)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "MOV");
    for (const char *expression :
         {"GUT LIKE '%A%'", "NAME = 'MOV'", "NAME LIKE '%A", "  ", "ID LIKE '1'"}) {
        EXPECT_THROW(table.setFilter(expression), Error) << expression;
        EXPECT_EQ(table.Filter(), nameContainsFilter("MOV"));
        EXPECT_EQ(table.recordCount(), 24u);
    }
    table.setFiltered(false);
    table.setFilter("NAME = 'MOV'"); // unfiltered: stored only
    EXPECT_THROW(table.setFiltered(true), Error);
    EXPECT_FALSE(table.Filtered());
    EXPECT_EQ(table.recordCount(), 130u);
}

TEST(AsmTable, ClosedTableOnlyStoresItsFilter)
{
    AsmTable table(builtInInstructionRecords());
    Observer observer(table);
    table.close();
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_FALSE(table.first());
    applyQuery(table, "MOVX");
    EXPECT_EQ(observer.refreshes, 1);
    EXPECT_FALSE(table.compiled());
    table.open();
    EXPECT_EQ(viewIds(table), (std::vector<int>{19, 20, 21, 22}));
}

TEST(AsmTable, MovesStopWithNoticeAtEitherEnd)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "MOVX");
    Observer observer(table);
    EXPECT_FALSE(table.prior());
    EXPECT_TRUE(table.next());
    EXPECT_EQ(table.currentRecord()->ID, 20);
    EXPECT_TRUE(table.last());
    EXPECT_EQ(table.currentRecord()->ID, 22);
    EXPECT_FALSE(table.next());
    EXPECT_EQ(table.moveBy(-10), -3);
    EXPECT_EQ(table.currentRecord()->ID, 19);
    EXPECT_EQ(table.moveBy(2), 2);
    EXPECT_TRUE(table.first());
    EXPECT_FALSE(table.moveTo(4));
    EXPECT_EQ(observer.moves, (std::vector<std::optional<std::size_t>>{0, 1, 3, 0, 2}));
    EXPECT_EQ(observer.refreshes, 0);
}

TEST(AsmTable, EmptyViewHasNoRecordToMoveTo)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "REL%X");
    EXPECT_FALSE(table.first());
    EXPECT_FALSE(table.last());
    EXPECT_FALSE(table.next());
    EXPECT_FALSE(table.prior());
    EXPECT_EQ(table.moveBy(5), 0);
}

TEST(AsmTable, FindsRowsById)
{
    AsmTable table(builtInInstructionRecords());
    applyQuery(table, "MOV");
    EXPECT_EQ(table.rowOfId(105), 22u);
    EXPECT_FALSE(table.rowOfId(23));
}

} // namespace
} // namespace zandrel
