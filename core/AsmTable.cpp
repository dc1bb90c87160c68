#include "core/AsmTable.h"

#include "core/Error.h"
#include "core/LikePattern.h"

#include <algorithm>

namespace zandrel {
namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    const auto upper = [](char c) {
        return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return upper(x) == upper(y); });
}

} // namespace

AsmTable::AsmTable(std::span<const InstructionRecord> records) : records_(records)
{
    Open();
}

void AsmTable::Open()
{
    if (active_)
        return;
    // A filter stored while closed may not compile; the table then stays closed.
    compiled_ = filtered_ ? Compile(filter_) : std::nullopt;
    active_ = true;
    Refresh();
}

void AsmTable::Close()
{
    if (!active_)
        return;
    active_ = false;
    compiled_.reset();
    Refresh();
}

void AsmTable::SetFilter(const std::string &filter)
{
    if (filter != filter_)
        Apply(filter, filtered_);
}

void AsmTable::SetFiltered(bool filtered)
{
    if (filtered != filtered_)
        Apply(filter_, filtered);
}

void AsmTable::Apply(const std::string &filter, bool filtered)
{
    if (!active_) {
        filter_ = filter;
        filtered_ = filtered;
        return;
    }
    // Compiled before anything is stored, so that a refused expression changes nothing.
    std::optional<CompiledFilter> compiled = filtered ? Compile(filter) : std::nullopt;
    filter_ = filter;
    filtered_ = filtered;
    compiled_ = std::move(compiled);
    Refresh();
}

std::optional<AsmTable::CompiledFilter> AsmTable::Compile(const std::string &filter) const
{
    if (filter.empty())
        return std::nullopt;
    LikeExpressionParse parse = ParseLikeExpression(filter);
    if (parse.expression &&
        !EqualsIgnoringCase(parse.expression->field, FieldName(InstructionField::NAME)))
        parse.error = FilterError::UnknownField;
    if (parse.error != FilterError::None)
        throw Error("Invalid filter expression: " + std::string(FilterErrorText(parse.error)));
    return CompiledFilter{std::move(parse.expression->pattern), filterCaseInsensitive_};
}

void AsmTable::Refresh()
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
            if (!matcher || matcher->Matches(record.NAME))
                view_.push_back(&record);
    }
    current_ = view_.empty() ? std::nullopt : std::optional<std::size_t>(0);
    if (callbacks_.viewRefreshed)
        callbacks_.viewRefreshed();
}

std::optional<std::size_t> AsmTable::RowOfId(int id) const
{
    const auto it =
        std::lower_bound(view_.begin(), view_.end(), id,
                         [](const InstructionRecord *record, int key) { return record->ID < key; });
    if (it == view_.end() || (*it)->ID != id)
        return std::nullopt;
    return static_cast<std::size_t>(it - view_.begin());
}

void AsmTable::SetCurrent(std::size_t row)
{
    const std::optional<std::size_t> previous = current_;
    if (previous == row)
        return;
    current_ = row;
    if (callbacks_.currentMoved)
        callbacks_.currentMoved(previous);
}

bool AsmTable::First()
{
    return MoveTo(0);
}

bool AsmTable::Last()
{
    return !view_.empty() && MoveTo(view_.size() - 1);
}

bool AsmTable::Next()
{
    return MoveBy(1) == 1;
}

bool AsmTable::Prior()
{
    return MoveBy(-1) == -1;
}

bool AsmTable::MoveTo(std::size_t row)
{
    if (row >= view_.size())
        return false;
    SetCurrent(row);
    return true;
}

long AsmTable::MoveBy(long distance)
{
    if (!current_)
        return 0;
    const long from = static_cast<long>(*current_);
    const long last = static_cast<long>(view_.size()) - 1;
    const long to = std::clamp(from + distance, 0L, last);
    SetCurrent(static_cast<std::size_t>(to));
    return to - from;
}

} // namespace zandrel
