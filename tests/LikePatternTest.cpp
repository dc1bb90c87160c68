// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/LikePattern.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>
#include <ostream>
#include <random>
#include <string>

namespace zandrel {
namespace {

TEST(rewriteLikePattern, AppliesEachRuleInTurnWithoutGoingBack)
{
    const std::pair<const char *, const char *> cases[] = {
        {"%%", "%"},      {"%%%%", "%"},   {"%_%", "%%"},        {"%__%", "%%"},
        {"%_A%", "%A%"},  {"%A_%", "%A%"}, {"%A__B%", "%A__B%"}, {"%#DATA_%", "%#DATA%"},
        {"%_%_%", "%%%"}, {"_", "_"},      {"A_B", "A_B"},       {"%A%%B%", "%A%B%"},
        {"__%__", "%"},   {"%%_%%", "%%"},
    };
    for (auto [pattern, rewritten] : cases)
        EXPECT_EQ(rewriteLikePattern(pattern), rewritten) << pattern;
}

TEST(rewriteLikePattern, LeavesTheSecondByteOfAChineseCharacterAlone)
{
    // 0x81 0x5F is one character whose second byte happens to be "_".
    EXPECT_EQ(rewriteLikePattern("%\x81_%"), "%\x81_%");
}

struct MatchCase
{
    const char *value;
    const char *pattern;
    bool ignoreCase;
    bool matches;
};

TEST(MatchLikePattern, FollowsTheSegmentRules)
{
    const MatchCase cases[] = {
        {"MOV A,Rn", "%MOV%", false, true},
        {"MOV A,Rn", "%mov%", false, false},
        {"MOV A,Rn", "%mov%", true, true},
        {"rel", "%REL%", true, true},
        {"", "%", false, true},
        {"", "%%", false, true},
        {"", "%_%", false, true}, // ends as "%%"
        {"", "%A%", false, false},
        {"MOV A,#data", "%#DATA_%", true, true}, // the "_" is rewritten away
        {"MOV A,#data", "%#DAT_%", true, true},
        {"MOV A,#data", "%#DATA__X%", true, false},
        {"ADD A,Rn", "%A_D%", false, true},
        {"ADD A,Rn", "%A__D%", false, false},
        {"ADDC A,Rn", "%D_ A%", false, true},
        {"MOV direct,A", "%C%A%R%", true, false}, // each segment searched after the last
        {"MOVC A,@A+DPTR", "%C%A%R%", true, true},
        {"MOV A,Rn", "%RN", true, true}, // last segment anchored at the end
        {"MOV Rn,A", "%RN", true, false},
        {"Rn", "%RN", true, true},
        {"Rn", "%Rn%Rn", false, false}, // the end must come after the position
        {"RnRn", "%Rn%Rn", false, true},
        {"MOV", "MOV", false, true}, // no "%": the whole value
        {"MOVX", "MOV", false, false},
        {"MOVX", "MO_X", false, true},
        {"MOVX", "MOV%", false, true},
        {"XMOV", "MOV%", false, false},
        {"", "", false, true},
        {"A", "", false, false},
        {"\xB2\xE2", "%\xE2\xB2%", false, false},
        {"\xB2\xE2", "%\xB2%", false, true}, // a stray lead byte is dropped
        {"\xB2\xE2", "%\xB2\xE2%", false, true},
        {"A\xB2\xE2", "A_", false, true},     // "_" takes a whole Chinese character
        {"MOV", "%MOV%\xB2", false, true},    // a trailing half character is dropped
        {"\xE3\x6D", "%\xE3M%", true, false}, // the second byte is no letter to upper-case
    };
    for (const MatchCase &c : cases)
        EXPECT_EQ(MatchLikePattern(c.value, c.pattern, c.ignoreCase), c.matches)
            << '"' << c.value << "\" LIKE \"" << c.pattern << "\" ignoreCase=" << c.ignoreCase;
}

// A plain backtracking LIKE, written from the definition rather than from the matcher, on a
// pattern rewritten by plain search-and-replace. Single-byte texts only.
bool referenceLike(const std::string &value, std::size_t v, const std::string &pattern,
                   std::size_t p)
{
    if (p == pattern.size())
        return v == value.size();
    if (pattern[p] == '%')
        return referenceLike(value, v, pattern, p + 1) ||
               (v < value.size() && referenceLike(value, v + 1, pattern, p));
    return v < value.size() && (pattern[p] == '_' || pattern[p] == value[v]) &&
           referenceLike(value, v + 1, pattern, p + 1);
}

std::string referenceRewrite(std::string pattern)
{
    for (const auto &[from, to] :
         {std::pair{"%%", "%"}, std::pair{"_%", "%"}, std::pair{"%_", "%"}})
        for (std::size_t at = pattern.find(from); at != std::string::npos; at = pattern.find(from))
            pattern.replace(at, 2, to);
    return pattern;
}

bool referenceMatch(std::string value, const std::string &pattern, bool ignoreCase)
{
    std::string rewritten = referenceRewrite(pattern);
    if (ignoreCase) {
        for (char &c : value)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        for (char &c : rewritten)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return referenceLike(value, 0, rewritten, 0);
}

TEST(MatchLikePattern, AgreesWithABacktrackingMatcherOnRandomTexts)
{
    const unsigned seed = 20070328;
    std::printf("random seed: %u\n", seed);
    std::mt19937 random(seed);
    const std::string patternAlphabet = "%%%__'' aAbB";
    const std::string valueAlphabet = "%_' aAbBb";
    const auto randomText = [&](const std::string &alphabet, std::size_t maxLength) {
        std::string text(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), ' ');
        for (char &c : text)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0,
                                                                    alphabet.size() - 1)(random)];
        return text;
    };
    int matches = 0;
    for (int n = 0; n < 5000; ++n) {
        std::string pattern = randomText(patternAlphabet, 9);
        // Most of them shaped like the filter's: opening with "%".
        if (n % 4 != 0)
            pattern = "%" + pattern;
        const std::string value = randomText(valueAlphabet, 10);
        const bool ignoreCase = n % 2 == 0;
        const bool expected = referenceMatch(value, pattern, ignoreCase);
        matches += expected;
        ASSERT_EQ(MatchLikePattern(value, pattern, ignoreCase), expected)
            << '"' << value << "\" LIKE \"" << pattern << "\" ignoreCase=" << ignoreCase
            << " seed=" << seed;
    }
    // Both outcomes are well represented, or the comparison would prove little.
    EXPECT_GT(matches, 500);
    EXPECT_LT(matches, 4500);
}

struct ParseCase
{
    const char *label;
    std::string expression;
    std::string field;
    std::string pattern;
};

void PrintTo(const ParseCase &c, std::ostream *out)
{
    *out << c.label;
}

class ParseLikeExpressionAccepts : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseLikeExpressionAccepts, TheOneForm)
{
    const LikeExpressionParse parse = parseLikeExpression(GetParam().expression);
    ASSERT_TRUE(parse.expression) << filterErrorText(parse.error);
    EXPECT_EQ(parse.error, FilterError::None);
    EXPECT_EQ(parse.expression->field, GetParam().field);
    EXPECT_EQ(parse.expression->pattern, GetParam().pattern);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ParseLikeExpressionAccepts,
    ::testing::Values(
        ParseCase{"plain", "NAME LIKE '%MOV A%'", "NAME", "%MOV A%"},
        ParseCase{"blanks_and_controls", " \t NAME\x01LIKE\n'%A%' \r\n", "NAME", "%A%"},
        ParseCase{"keyword_any_case", "NAME like'%A%'", "NAME", "%A%"},
        ParseCase{"field_with_digits", "Name_2 LiKe '%'", "Name_2", "%"},
        ParseCase{"doubled_quote", "NAME LIKE '%A''B%'", "NAME", "%A'B%"},
        ParseCase{"only_quotes", "NAME LIKE ''''''", "NAME", "''"},
        ParseCase{"empty_constant", "NAME LIKE ''", "NAME", ""},
        ParseCase{"chinese", "NAME LIKE '%\xB2\xE2%'", "NAME", "%\xB2\xE2%"},
        ParseCase{"exactly_255", "NAME LIKE '" + std::string(255, 'A') + "'", "NAME",
                  std::string(255, 'A')},
        ParseCase{"cut_to_255", "NAME LIKE '%" + std::string(300, 'A') + "%'", "NAME",
                  "%" + std::string(254, 'A')},
        ParseCase{"doubled_quote_counts_once", "NAME LIKE '" + std::string(254, 'A') + "''B'",
                  "NAME", std::string(254, 'A') + "'"},
        ParseCase{"cut_drops_half_character", "NAME LIKE '" + std::string(254, '%') + "\xB2\xE2%'",
                  "NAME", std::string(254, '%')},
        ParseCase{"character_ending_at_255", "NAME LIKE '" + std::string(253, '%') + "\xB2\xE2%'",
                  "NAME", std::string(253, '%') + "\xB2\xE2"},
        ParseCase{"quote_after_cut_still_closes", "NAME LIKE '" + std::string(400, 'A') + "''B' ",
                  "NAME", std::string(255, 'A')}),
    [](const auto &info) { return std::string(info.param.label); });

TEST(parseLikeExpression, RefusesOtherForms)
{
    const std::pair<std::string, FilterError> cases[] = {
        {"", FilterError::FieldNameExpected},
        {"   ", FilterError::FieldNameExpected},
        {"1NAME LIKE 'A'", FilterError::FieldNameExpected},
        {"'A' LIKE NAME", FilterError::FieldNameExpected},
        {"NAME", FilterError::LikeExpected},
        {"NAME = 'MOV'", FilterError::LikeExpected},
        {"NAME LIKES 'A'", FilterError::LikeExpected},
        {"NAME NOT LIKE 'A'", FilterError::LikeExpected},
        {"NAME LIKE", FilterError::ConstantExpected},
        {"NAME LIKE \"A\"", FilterError::ConstantExpected},
        {"NAME LIKE MOV", FilterError::ConstantExpected},
        {"NAME LIKE 'A", FilterError::UnterminatedConstant},
        {"NAME LIKE 'A''", FilterError::UnterminatedConstant},
        {"NAME LIKE '" + std::string(500, 'A'), FilterError::UnterminatedConstant},
        {"NAME LIKE 'A' AND NAME LIKE 'B'", FilterError::TextAfterConstant},
        {"NAME LIKE 'A' 'B'", FilterError::TextAfterConstant},
    };
    for (const auto &[expression, error] : cases) {
        const LikeExpressionParse parse = parseLikeExpression(expression);
        EXPECT_FALSE(parse.expression) << expression;
        EXPECT_EQ(parse.error, error) << expression;
    }
}

TEST(parseLikeExpression, NeverReadsPastAHalfCharacterAtTheEnd)
{
    // A lead byte with nothing after it, in each place a half character can end up.
    for (const std::string expression : {"\xB2", "NAME\xB2", "NAME LIKE \xB2", "NAME LIKE '\xB2"}) {
        const LikeExpressionParse parse = parseLikeExpression(expression);
        EXPECT_FALSE(parse.expression) << expression;
    }
    // The half character is dropped wherever it stands.
    EXPECT_EQ(parseLikeExpression("NAME LIKE '\xB2'").expression->pattern, "");
    EXPECT_EQ(parseLikeExpression("NAME LIKE 'A'\xB2").expression->pattern, "A");
    EXPECT_EQ(parseLikeExpression("NAME LIKE 'A\xB2''B'").expression->pattern, "A'B");
}

} // namespace
} // namespace zandrel
