#include "core/InstructionRecord.h"

namespace zandrel {

std::string_view fieldName(InstructionField field)
{
    switch (field) {
    case InstructionField::ID:
        return "ID";
    case InstructionField::NAME:
        return "NAME";
    case InstructionField::GUT:
        return "GUT";
    case InstructionField::KIND:
        return "KIND";
    case InstructionField::BYTECOUNT:
        return "BYTECOUNT";
    case InstructionField::TIMECOUNT:
        return "TIMECOUNT";
    }
    return {};
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
