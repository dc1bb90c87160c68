// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The mnemonic filter: our LIKE matcher against SQLite's LIKE, on the 130 built-in names and
// on a million synthetic mnemonics, for every query the reference page is known to handle.
#include "core/AsmTable.h"
#include "core/InstructionRecord.h"
#include "core/LikePattern.h"
#include "data/InstructionRecords.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

// Queries as the query box holds them (it upper-cases what is typed).
const char *const queries[] = {
    "",     "MOV",  "REL",    "#DATA", " ",        "XCH A", "XCH  A",   "RL A",
    "DRIECT", "DIRECT", "'", "A'B",   "_",        "__",    "_A",       "A_",
    "#DATA_", "%",   "MOV%DPTR", "REL%X", "C%A%R", "\xB2\xE2" /* 测 */, "ABCDEFGHIJKLMNOPQRST",
};

std::vector<std::string> builtInNames()
{
    std::vector<std::string> names;
    for (const auto &record : zandrel::builtInInstructionRecords())
        names.emplace_back(record.NAME);
    return names;
}

// Names kept one after another in one buffer, as a table keeps its rows, so that the
// measurement is of matching rather than of chasing a million separate allocations.
struct NameList
{
    explicit NameList(const std::vector<std::string> &names)
    {
        std::vector<std::size_t> starts;
        for (const std::string &name : names) {
            starts.push_back(text.size());
            text += name;
        }
        for (std::size_t i = 0; i < names.size(); ++i)
            views.emplace_back(text.data() + starts[i], names[i].size());
    }
    std::string text;
    std::vector<std::string_view> views;
};

std::vector<std::string> syntheticNames(std::size_t count)
{
    const std::vector<std::string> base = builtInNames();
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = base[i % base.size()];
        name.append(" ;").append(std::to_string(i / base.size()));
        names.push_back(std::move(name));
    }
    return names;
}

const std::vector<std::string_view> &namesFor(std::size_t count)
{
    static const NameList builtIn(builtInNames());
    static const NameList million(syntheticNames(1'000'000));
    return count == builtIn.views.size() ? builtIn.views : million.views;
}

// The pattern the table compiles from the page's expression for query.
std::string patternOf(const char *query)
{
    return zandrel::parseLikeExpression(zandrel::nameContainsFilter(query)).expression->pattern;
}

// As the table filters: the pattern prepared once, then matched against every name.
std::int64_t countOurs(const std::vector<std::string_view> &names, const std::string &pattern)
{
    const zandrel::LikeMatcher matcher(pattern, true);
    std::int64_t matches = 0;
    for (std::string_view name : names)
        matches += matcher.matches(name);
    return matches;
}

// An in-memory table of names with one prepared count query.
class SqliteNames
{
public:
    explicit SqliteNames(const std::vector<std::string_view> &names)
    {
        sqlite3_open(":memory:", &db_);
        sqlite3_exec(db_, "CREATE TABLE t(NAME TEXT); BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO t VALUES (?)", -1, &insert, nullptr);
        for (std::string_view name : names) {
            sqlite3_bind_text(insert, 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_prepare_v2(db_, "SELECT count(*) FROM t WHERE NAME LIKE ?", -1, &count_, nullptr);
    }
    ~SqliteNames()
    {
        sqlite3_finalize(count_);
        sqlite3_close(db_);
    }
    SqliteNames(const SqliteNames &) = delete;
    SqliteNames &operator=(const SqliteNames &) = delete;

    std::int64_t count(const std::string &pattern)
    {
        sqlite3_bind_text(count_, 1, pattern.data(), static_cast<int>(pattern.size()), SQLITE_TRANSIENT);
        if (sqlite3_step(count_) != SQLITE_ROW)
            std::abort();
        const std::int64_t result = sqlite3_column_int64(count_, 0);
        sqlite3_reset(count_);
        return result;
    }

private:
    sqlite3 *db_ = nullptr;
    sqlite3_stmt *count_ = nullptr;
};

SqliteNames &sqliteFor(std::size_t count)
{
    static SqliteNames builtIn(namesFor(130));
    static SqliteNames million(namesFor(1'000'000));
    return count == 130 ? builtIn : million;
}

// Runs count once per iteration; sets ns/record from the time the loop took.
template <typename Count>
void measure(benchmark::State &state, std::size_t records, Count count)
{
    std::int64_t matches = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        benchmark::DoNotOptimize(matches = count());
    const std::chrono::duration<double, std::nano> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["ns/record"] =
        elapsed.count() / (static_cast<double>(state.iterations()) * static_cast<double>(records));
    state.counters["matches"] = static_cast<double>(matches);
}

void measureOurs(benchmark::State &state, const char *query, std::size_t records)
{
    const auto &names = namesFor(records);
    const std::string pattern = patternOf(query);
    measure(state, records, [&] { return countOurs(names, pattern); });
    state.counters["agrees"] = 1;
}

void measureSqlite(benchmark::State &state, const char *query, std::size_t records)
{
    SqliteNames &table = sqliteFor(records);
    const std::string pattern = patternOf(query);
    measure(state, records, [&] { return table.count(pattern); });
    // Our rewriting rules drop "_" next to "%", where SQLite still wants one character.
    state.counters["agrees"] = table.count(pattern) == countOurs(namesFor(records), pattern);
}

// Names show the query in brackets, so blanks stay visible.
const bool registered = [] {
    for (std::size_t records : {std::size_t(130), std::size_t(1'000'000)}) {
        for (const char *query : queries) {
            auto name = [&](const char *engine) {
                std::string text = engine;
                text.append("/").append(std::to_string(records)).append("/[").append(query).append("]");
                return text;
            };
            benchmark::RegisterBenchmark(name("Filter/ours").c_str(), measureOurs, query, records)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(name("Filter/sqlite").c_str(), measureSqlite, query, records)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace
