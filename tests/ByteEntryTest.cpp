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
    {"binary padded", readBinaryEntry, "101", Value, 5, ""},
    {"binary with leading blanks", readBinaryEntry, " 11", Value, 3, ""},
    {"binary all ones", readBinaryEntry, "11111111", Value, 255, ""},
    {"binary blank", readBinaryEntry, " \t", Blank, 0, ""},
    {"binary other digits", readBinaryEntry, "12", Refused, 0, "数值只能是00000000~11111111"},
    {"binary negative", readBinaryEntry, "-1", Refused, 0, "数值只能是00000000~11111111"},
    {"binary nine digits", readBinaryEntry, "100000000", Refused, 0, "数值只能是00000000~11111111"},
    {"decimal", readDecimalEntry, "255", Value, 255, ""},
    {"decimal leading zeros", readDecimalEntry, "007", Value, 7, ""},
    {"decimal 256", readDecimalEntry, "256", Refused, 0, "数值只能是0~255"},
    {"decimal negative", readDecimalEntry, "-5", Refused, 0, "数值只能是0~255"},
    {"decimal blank", readDecimalEntry, "", Blank, 0, ""},
    {"hex one digit", readHexEntry, "f", Value, 15, ""},
    {"hex two digits", readHexEntry, "A0", Value, 160, ""},
    {"hex blanks around", readHexEntry, " 7 ", Value, 7, ""},
    {"hex three digits", readHexEntry, "1FF", Refused, 0, "数值只能是00~FF"},
    {"hex foreign digit", readHexEntry, "1G", Refused, 0, "数值只能是00~FF"},
    {"hex blank inside", readHexEntry, "1 F", Refused, 0, "数值只能是00~FF"},
    {"hex non-ASCII", readHexEntry, "\xE6\x95\xB0", Refused, 0, "数值只能是00~FF"},
    {"hex blank", readHexEntry, "   ", Blank, 0, ""},
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
    EXPECT_THROW(readBinaryEntry("1A"), Error);
    EXPECT_THROW(readDecimalEntry("1.5"), Error);
    EXPECT_THROW(readDecimalEntry("5 "), Error);
}

} // namespace
} // namespace zandrel
