// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the table's cursor: the current record of the table's view, which the grid
// (ui/AsmGrid) shows and the find dialog's search walk (dialogs/GridTextSearch) moves.
#pragma once

#include "core/InstructionRecord.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zandrel {

// The instruction table: its records, a filter on NAME, and the view that the grid shows.
//
// The view lists the records that pass the filter (all of them when Filtered is false), in
// ascending ID, and has one current record (none when it is empty). Every refresh of the
// view makes its first record current. Records are never copied or changed; the view holds
// pointers into the record span, which must outlive the table.
//
// The only filter form is NAME LIKE 'pattern' (see parseLikeExpression); texts are GB2312
// bytes. Setting an equal value changes nothing. An expression the table cannot compile is
// refused with Error, and the table stays as it was.
class AsmTable
{
public:
    // What the table tells its one observer (the grid's model). viewAboutToRefresh and
    // viewRefreshed enclose every rebuild of the view; currentMoved follows each move of the
    // current record within an unchanged view, with the row it left.
    struct Callbacks
    {
        std::function<void()> viewAboutToRefresh;
        std::function<void()> viewRefreshed;
        std::function<void(std::optional<std::size_t> previousRow)> currentMoved;
    };

    // The pattern in force while Filtered is true and Filter is not empty, with the
    // ignore-case setting that held when it was compiled.
    struct CompiledFilter
    {
        std::string pattern;
        bool ignoreCase = false;
    };

    // Opens the table over records, which must be in ascending ID.
    explicit AsmTable(std::span<const InstructionRecord> records);

    void setCallbacks(Callbacks callbacks) { callbacks_ = std::move(callbacks); }

    // An open table keeps its view; a closed one shows nothing, and setting its filter only
    // stores the value until it is opened again.
    bool active() const { return active_; }
    void open();
    void close();

    const std::string &Filter() const { return filter_; }
    void setFilter(const std::string &filter);
    bool Filtered() const { return filtered_; }
    void setFiltered(bool filtered);
    // Takes effect at the next compilation, not on the pattern already compiled.
    bool FilterCaseInsensitive() const { return filterCaseInsensitive_; }
    void setFilterCaseInsensitive(bool caseInsensitive)
    {
        filterCaseInsensitive_ = caseInsensitive;
    }
    const std::optional<CompiledFilter> &compiled() const { return compiled_; }

    // The view, by row.
    std::size_t recordCount() const { return view_.size(); }
    const InstructionRecord &recordAt(std::size_t row) const { return *view_.at(row); }
    std::optional<std::size_t> rowOfId(int id) const;

    std::optional<std::size_t> currentRow() const { return current_; }
    // Null when the view is empty.
    const InstructionRecord *currentRecord() const { return current_ ? view_[*current_] : nullptr; }

    // Moves of the current record. Each returns false, changing nothing, when there is no
    // record to go to: the view is empty, or the step would go before the first or after
    // the last record. That is the notice the callers walk by.
    bool first();
    bool last();
    bool next();
    bool prior();
    bool moveTo(std::size_t row);
    // Moves by up to distance rows (negative: backwards), stopping at either end; returns
    // how far it actually moved.
    long moveBy(long distance);

private:
    // Stores the filter state; an open table also compiles it and refreshes its view.
    void apply(const std::string &filter, bool filtered);
    void refresh();
    // The compiled form of the stored filter, or nullopt when no pattern applies. Throws
    // Error when the expression is refused.
    std::optional<CompiledFilter> compile(const std::string &filter) const;
    void setCurrent(std::size_t row);

    std::span<const InstructionRecord> records_;
    std::vector<const InstructionRecord *> view_;
    std::optional<std::size_t> current_;
    bool active_ = false;
    std::string filter_;
    bool filtered_ = false;
    bool filterCaseInsensitive_ = false;
    std::optional<CompiledFilter> compiled_;
    Callbacks callbacks_;
};

// The filter expression that keeps the records whose NAME contains query (GB2312 bytes, not
// trimmed): NAME LIKE '%query%', every "'" in it doubled. "%" and "_" in query keep their
// meaning in the pattern.
std::string nameContainsFilter(std::string_view query);

} // namespace zandrel
