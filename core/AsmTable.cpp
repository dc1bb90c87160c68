// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the table's cursor, with the table's filter and view.
#include "core/AsmTable.h"

#include "core/AsciiText.h"
#include "core/Error.h"
#include "core/LikePattern.h"

#include <algorithm>

namespace zandrel {
std::string nameContainsFilter(std::string_view query)
{
    std::string expression(fieldName(InstructionField::NAME));
    expression += " LIKE '%";
    for (const char c : query) {
        expression += c;
        if (c == '\'')
            expression += '\'';
    }
    expression += "%'";
    return expression;
}

AsmTable::AsmTable(std::span<const InstructionRecord> records) : records_(records)
{
    open();
}

void AsmTable::open()
{
    if (active_)
        return;
    // A filter stored while closed may not compile; the table then stays closed.
    compiled_ = filtered_ ? compile(filter_) : std::nullopt;
    active_ = true;
    refresh();
}

void AsmTable::close()
{
    if (!active_)
        return;
    active_ = false;
    compiled_.reset();
    refresh();
}

void AsmTable::setFilter(const std::string &filter)
{
    if (filter != filter_)
        apply(filter, filtered_);
}

void AsmTable::setFiltered(bool filtered)
{
    if (filtered != filtered_)
        apply(filter_, filtered);
}

void AsmTable::apply(const std::string &filter, bool filtered)
{
    if (!active_) {
        filter_ = filter;
        filtered_ = filtered;
        return;
    }
    // Compiled before anything is stored, so that a refused expression changes nothing.
    std::optional<CompiledFilter> compiled = filtered ? compile(filter) : std::nullopt;
    filter_ = filter;
    filtered_ = filtered;
    compiled_ = std::move(compiled);
    refresh();
}

std::optional<AsmTable::CompiledFilter> AsmTable::compile(const std::string &filter) const
{
    if (filter.empty())
        return std::nullopt;
    LikeExpressionParse parse = parseLikeExpression(filter);
    if (parse.expression &&
        !equalsIgnoringAsciiCase(parse.expression->field, fieldName(InstructionField::NAME)))
        parse.error = FilterError::UnknownField;
    if (parse.error != FilterError::None)
        throw Error("Invalid filter expression: " + std::string(filterErrorText(parse.error)));
    return CompiledFilter{std::move(parse.expression->pattern), filterCaseInsensitive_};
}

void AsmTable::refresh()
{
    if (callbacks_.viewAboutToRefresh)
        callbacks_.viewAboutToRefresh();
    view_.clear();
    if (active_) {
        // The records are stored in ascending ID, so keeping their order is the view's order.
        std::optional<LikeMatcher> matcher;
        if (compiled_)
            matcher.emplace(compiled_->pattern, compiled_->ignoreCase);
        for (const InstructionRecord &record : records_)
            if (!matcher || matcher->matches(record.NAME))
                view_.push_back(&record);
    }
    current_ = view_.empty() ? std::nullopt : std::optional<std::size_t>(0);
    if (callbacks_.viewRefreshed)
        callbacks_.viewRefreshed();
}

std::optional<std::size_t> AsmTable::rowOfId(int id) const
{
    const auto it =
        std::lower_bound(view_.begin(), view_.end(), id,
                         [](const InstructionRecord *record, int key) { return record->ID < key; });
    if (it == view_.end() || (*it)->ID != id)
        return std::nullopt;
    return static_cast<std::size_t>(it - view_.begin());
}

void AsmTable::setCurrent(std::size_t row)
{
    const std::optional<std::size_t> previous = current_;
    if (previous == row)
        return;
    current_ = row;
    if (callbacks_.currentMoved)
        callbacks_.currentMoved(previous);
}

bool AsmTable::first()
{
    return moveTo(0);
}

bool AsmTable::last()
{
    return !view_.empty() && moveTo(view_.size() - 1);
}

bool AsmTable::next()
{
    return moveBy(1) == 1;
}

bool AsmTable::prior()
{
    return moveBy(-1) == -1;
}

bool AsmTable::moveTo(std::size_t row)
{
    if (row >= view_.size())
        return false;
    setCurrent(row);
    return true;
}

long AsmTable::moveBy(long distance)
{
    if (!current_)
        return 0;
    const long from = static_cast<long>(*current_);
    const long last = static_cast<long>(view_.size()) - 1;
    const long to = std::clamp(from + distance, 0L, last);
    setCurrent(static_cast<std::size_t>(to));
    return to - from;
}

} // namespace zandrel
