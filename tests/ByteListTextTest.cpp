// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "core/ByteListText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case
{
    const char *name;
    const char *text;
    const char *bytes;   // hex pairs; for a fault, empty
    const char *fault = ""; // "line:column part of the message"
    std::size_t skipped = 0;
};

std::string hexOf(const std::vector<std::uint8_t> &bytes)
{
    std::string text;
    for (const std::uint8_t b : bytes)
        text += "0123456789ABCDEF"[b >> 4], text += "0123456789ABCDEF"[b & 15];
    return text;
}

const Case kCases[] = {
    {"cForms", "0x3F,0X3f, 63, 0b00111111, 0B1", "3F3F3F3F01"},
    {"asmForms", "TAB: DB 3FH,0FDH,3fh ; 数字\n  db 00111111B, 255", "3FFD3F3FFF"},
    {"sdasDirective", "seg:\n\t.db 0x3F, 0x06\n\t.BYTE 7", "3F0607"},
    {"bareHexPairs", "3F 00 ff\n10", "3F00FF10"},
    {"bareHexRun", "3F00FF", "3F00FF"},
    {"byteOrderMark", "\xEF\xBB\xBF" "1,2", "0102"},
    {"hexDumpOffsets", "000000: 3F 00\n000010: FF", "3F00FF"},
    {"hexDumpWithByteDB", "DB 00\n3F DB", "DB003FDB"},
    {"oddDigitsAreDecimal", "100 20", "6414"},
    {"cDeclarationSizesAreNoBytes",
     "#include <reg51.h>\n// zandrel-gen glyph 温\nunsigned char code hz16[][2] = {\n"
     "{0x01,0x80},//温\n{0x02,0x40},/* 度 */\n};",
     "01800240"},
    {"cOctal", "unsigned char a[] = {010, 0};", "0800"},
    {"asmIgnoresOrg", "ORG 0000H\nDB 1,2 ; x = {\nEND", "0102"},
    {"structSkipsCodes",
     "struct hz_glyph {\n    unsigned char gb[2];\n    unsigned char dots[3];\n};\n"
     "struct hz_glyph code hz[] = {\n{{0xCE,0xC2},{0x01,0x02,0x03}},//温\n};\n"
     "struct a_glyph code a[] = {\n{0x3A,{0x04,0x05}},//:\n};",
     "0102030405", "", 3},
    {"pastedStructEntries", "{{0xCE,0xC2},{1,2,3}},\n{0x41,{4}},", "01020304", "", 3},
    {"twoRowsOfEqualSize", "{{1,2},{3,4}}", "01020304"},
    {"pastedMiddleOfTable", "{1,2},\n};", "0102"},
    {"tooLarge", "0x3F,\n  0x100", "", "2:3 “0x100”大于255"},
    {"badHexDigit", "{0x3G}", "", "1:2 “0x3G”中的“G”不是十六进制数字"},
    {"prefixWithoutDigits", "1, 0x", "", "1:4 “0x”后缺少十六进制数字"},
    {"hexWithoutPrefix", "1, 3F", "", "1:4 “3F”不是数；十六进制请写作0x3F或3FH"},
    {"asmHexWithoutLeadingDigit", "DB 3FH, FDH", "", "1:9 写作0FDH"},
    {"wordInInitializer", "x[] = {1, two};", "", "1:11 “two”不是字节"},
    {"octalDigit", "a[] = {09};", "", "1:8 不是八进制"},
    {"unknownCharacter", "1,\n2，3", "", "2:2 无法识别的字符“，”"},
    {"controlByte", "1\x01", "", "1:2 字节0x01"},
    {"openComment", "1 /* 2", "", "1:3 “/*”没有结束"},
    {"tooDeep", "{{{{{{{{{{{{{{{{{1}}}}}}}}}}}}}}}}}", "", "1:17 嵌套超过16层"},
};

class ReadsByteLists : public testing::TestWithParam<Case>
{
};

TEST_P(ReadsByteLists, givesBytesOrFault)
{
    const Case &c = GetParam();
    const zandrel::ByteList list = zandrel::readByteList(c.text);
    if (*c.fault == '\0') {
        ASSERT_FALSE(list.fault) << list.fault->message;
        EXPECT_EQ(hexOf(list.bytes), c.bytes);
        EXPECT_EQ(list.skippedCodes, c.skipped);
        return;
    }
    ASSERT_TRUE(list.fault);
    const std::string fault = c.fault;
    const std::string where = fault.substr(0, fault.find(' '));
    EXPECT_EQ(std::to_string(list.fault->line) + ":" + std::to_string(list.fault->column), where);
    EXPECT_NE(list.fault->message.find(fault.substr(where.size() + 1)), std::string::npos)
        << list.fault->message;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadsByteLists, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case> &info) { return info.param.name; });

} // namespace
