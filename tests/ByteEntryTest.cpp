#include "core/ByteEntry.h"
#include "core/Error.h"

#include <gtest/gtest.h>

namespace zandrel {
namespace {

using Reader = ByteEntry (*)(std::string_view);

struct Case
{
    const char *name;
    Reader read;
    const char *text;
    ByteEntry::Kind kind;
    int value;
    const char *message;
};

constexpr auto Blank = ByteEntry::Kind::Blank;
constexpr auto Value = ByteEntry::Kind::Value;
constexpr auto Refused = ByteEntry::Kind::Refused;

const Case cases[] = {
    {"binary padded", ReadBinaryEntry, "101", Value, 5, ""},
    {"binary with leading blanks", ReadBinaryEntry, " 11", Value, 3, ""},
    {"binary all ones", ReadBinaryEntry, "11111111", Value, 255, ""},
    {"binary blank", ReadBinaryEntry, " \t", Blank, 0, ""},
    {"binary other digits", ReadBinaryEntry, "12", Refused, 0, "数值只能是00000000~11111111"},
    {"binary negative", ReadBinaryEntry, "-1", Refused, 0, "数值只能是00000000~11111111"},
    {"binary nine digits", ReadBinaryEntry, "100000000", Refused, 0, "数值只能是00000000~11111111"},
    {"decimal", ReadDecimalEntry, "255", Value, 255, ""},
    {"decimal leading zeros", ReadDecimalEntry, "007", Value, 7, ""},
    {"decimal 256", ReadDecimalEntry, "256", Refused, 0, "数值只能是0~255"},
    {"decimal negative", ReadDecimalEntry, "-5", Refused, 0, "数值只能是0~255"},
    {"decimal blank", ReadDecimalEntry, "", Blank, 0, ""},
    {"hex one digit", ReadHexEntry, "f", Value, 15, ""},
    {"hex two digits", ReadHexEntry, "A0", Value, 160, ""},
    {"hex blanks around", ReadHexEntry, " 7 ", Value, 7, ""},
    {"hex three digits", ReadHexEntry, "1FF", Refused, 0, "数值只能是00~FF"},
    {"hex foreign digit", ReadHexEntry, "1G", Refused, 0, "数值只能是00~FF"},
    {"hex blank inside", ReadHexEntry, "1 F", Refused, 0, "数值只能是00~FF"},
    {"hex non-ASCII", ReadHexEntry, "\xE6\x95\xB0", Refused, 0, "数值只能是00~FF"},
    {"hex blank", ReadHexEntry, "   ", Blank, 0, ""},
};

TEST(ByteEntry, ReadsRefusesOrIgnoresEachBox)
{
    for (const Case &c : cases) {
        const ByteEntry entry = c.read(c.text);
        EXPECT_EQ(entry.kind, c.kind) << c.name;
        EXPECT_EQ(entry.value, c.value) << c.name;
        EXPECT_EQ(entry.message, c.message) << c.name;
    }
}

TEST(ByteEntry, NonIntegerBinaryAndDecimalTextThrows)
{
    EXPECT_THROW(ReadBinaryEntry("1A"), Error);
    EXPECT_THROW(ReadDecimalEntry("1.5"), Error);
    EXPECT_THROW(ReadDecimalEntry("5 "), Error);
}

} // namespace
} // namespace zandrel
