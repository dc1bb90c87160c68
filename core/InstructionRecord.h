// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zandrel {

// One row of the instruction table. Texts are UTF-8; every NAME is ASCII, so it reads the
// same in GB2312, the code page the mnemonic filter works in.
struct InstructionRecord
{
    int ID = 0;
    std::string_view NAME;
    std::string_view GUT;
    std::string_view KIND;
    // Null for the directives and operand symbols, which have no length or timing.
    std::optional<int> BYTECOUNT;
    std::optional<int> TIMECOUNT;
};

// The fields of an InstructionRecord, in record order.
enum class InstructionField { ID, NAME, GUT, KIND, BYTECOUNT, TIMECOUNT };

// The field's own name, as filter expressions spell it: "ID", "NAME", ...
std::string_view fieldName(InstructionField field);

// The field's value as text (UTF-8): texts as they are, numbers as decimal digits, and an
// empty text for a null number.
std::string fieldText(const InstructionRecord &record, InstructionField field);

} // namespace zandrel
