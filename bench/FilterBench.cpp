// The mnemonic filter: our LIKE matcher against SQLite's LIKE, on the 130 built-in names and
// on a million synthetic mnemonics, for every query the reference page is known to handle.
#include "core/InstructionRecord.h"
#include "core/LikePattern.h"

#include <benchmark/benchmark.h>
#include <sqlite3.h>

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
    for (const auto &record : zandrel::BuiltInInstructionRecords())
        names.emplace_back(record.NAME);
    return names;
}

std::vector<std::string> syntheticNames(std::size_t count)
{
    const std::vector<std::string> base = builtInNames();
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        names.push_back(base[i % base.size()] + " ;" + std::to_string(i / base.size()));
    return names;
}

const std::vector<std::string> &namesFor(std::size_t count)
{
    static const std::vector<std::string> builtIn = builtInNames();
    static const std::vector<std::string> million = syntheticNames(1'000'000);
    return count == builtIn.size() ? builtIn : million;
}

std::string patternOf(const char *query)
{
    return "%" + std::string(query) + "%";
}

std::int64_t countOurs(const std::vector<std::string> &names, const std::string &pattern)
{
    std::int64_t matches = 0;
    for (const std::string &name : names)
        matches += zandrel::MatchLikePattern(name, pattern, true);
    return matches;
}

// An in-memory table of names with one prepared count query.
class SqliteNames
{
public:
    explicit SqliteNames(const std::vector<std::string> &names)
    {
        sqlite3_open(":memory:", &db_);
        sqlite3_exec(db_, "CREATE TABLE t(NAME TEXT); BEGIN", nullptr, nullptr, nullptr);
        sqlite3_stmt *insert = nullptr;
        sqlite3_prepare_v2(db_, "INSERT INTO t VALUES (?)", -1, &insert, nullptr);
        for (const std::string &name : names) {
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

void setCounters(benchmark::State &state, std::size_t records, std::int64_t matches)
{
    state.counters["ns/record"] = benchmark::Counter(static_cast<double>(records) * 1e-9,
                                                     benchmark::Counter::kIsIterationInvariantRate |
                                                         benchmark::Counter::kInvert);
    state.counters["matches"] = static_cast<double>(matches);
}

void Ours(benchmark::State &state, const char *query, std::size_t records)
{
    const auto &names = namesFor(records);
    const std::string pattern = patternOf(query);
    std::int64_t matches = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(matches = countOurs(names, pattern));
    setCounters(state, names.size(), matches);
}

void Sqlite(benchmark::State &state, const char *query, std::size_t records)
{
    SqliteNames &table = sqliteFor(records);
    const std::string pattern = patternOf(query);
    std::int64_t matches = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(matches = table.count(pattern));
    setCounters(state, records, matches);
    // Our rewriting rules drop "_" next to "%", where SQLite still wants one character.
    state.counters["agrees"] = matches == countOurs(namesFor(records), pattern);
}

// Names show the query in brackets, so blanks stay visible.
const bool registered = [] {
    for (std::size_t records : {std::size_t(130), std::size_t(1'000'000)}) {
        for (const char *query : queries) {
            const std::string suffix = "/" + std::to_string(records) + "/[" + query + "]";
            benchmark::RegisterBenchmark(("Filter/ours" + suffix).c_str(), Ours, query, records)
                ->Unit(benchmark::kMicrosecond);
            benchmark::RegisterBenchmark(("Filter/sqlite" + suffix).c_str(), Sqlite, query, records)
                ->Unit(benchmark::kMicrosecond);
        }
    }
    return true;
}();

} // namespace
