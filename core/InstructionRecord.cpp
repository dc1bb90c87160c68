// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/InstructionRecord.h"

#include <iterator>

namespace zandrel {

std::string_view fieldName(InstructionField field)
{
    // In record order, as InstructionField lists the fields.
    static constexpr std::string_view kNames[] = {"ID", "NAME", "GUT", "KIND", "BYTECOUNT", "TIMECOUNT"};
    static_assert(std::size(kNames) == static_cast<std::size_t>(InstructionField::TIMECOUNT) + 1);
    return kNames[static_cast<std::size_t>(field)];
}

std::string fieldText(const InstructionRecord &record, InstructionField field)
{
    const auto number = [](const std::optional<int> &value) {
        return value ? std::to_string(*value) : std::string();
    };
    switch (field) {
    case InstructionField::ID:
        return std::to_string(record.ID);
    case InstructionField::NAME:
        return std::string(record.NAME);
    case InstructionField::GUT:
        return std::string(record.GUT);
    case InstructionField::KIND:
        return std::string(record.KIND);
    case InstructionField::BYTECOUNT:
        return number(record.BYTECOUNT);
    case InstructionField::TIMECOUNT:
        return number(record.TIMECOUNT);
    }
    return {};
}

} // namespace zandrel
