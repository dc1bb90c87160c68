// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The mnemonic filter: arbitrary expressions through the compiler and the table, and
// arbitrary patterns against arbitrary names.
#include "core/AsmTable.h"
#include "core/Error.h"
#include "core/InstructionRecord.h"
#include "core/LikePattern.h"
#include "data/InstructionRecords.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string>

using zandrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char *>(data), size);

    const zandrel::LikeExpressionParse parse = zandrel::parseLikeExpression(input);
    check(parse.expression.has_value() == (parse.error == zandrel::FilterError::None));
    if (parse.expression)
        check(parse.expression->pattern.size() <= zandrel::kMaxLikePatternBytes);

    // The table either takes the expression or refuses it and stays as it was.
    static zandrel::AsmTable table(zandrel::builtInInstructionRecords());
    table.open();
    table.setFilterCaseInsensitive(size % 2 == 0);
    table.setFiltered(true);
    try {
        table.setFilter(input);
    } catch (const zandrel::Error &) {
    }
    check(table.recordCount() <= 130);
    check(table.currentRow().has_value() == (table.recordCount() > 0));
    while (table.next()) {
    }

    // First line: the pattern; the rest: a name to match it against.
    const std::size_t cut = input.find('\n');
    const std::string pattern = input.substr(0, cut);
    const std::string name = cut == std::string::npos ? std::string() : input.substr(cut + 1);
    const bool folded = zandrel::MatchLikePattern(name, pattern, true);
    const bool exact = zandrel::MatchLikePattern(name, pattern, false);
    check(folded || !exact); // ignoring case can only widen a match
    check(zandrel::MatchLikePattern(name, "%", false));
    return 0;
}
