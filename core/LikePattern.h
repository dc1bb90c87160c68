// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The mnemonic filter's pattern matching and the one filter expression it understands.
//
// Texts are GB2312 bytes: a byte below 0x81 (or 0xFF) is a character of its own; a byte from
// 0x81 to 0xFE followed by a byte from 0x40 to 0xFE (not 0x7F) is one two-byte character.
// A lead byte without a valid second byte, as left by a text cut inside a character, is
// dropped. Only single-byte characters act as "%", "_" or "'".
namespace zandrel {

// Applies the rewriting rules, in this order, each until it no longer applies: "%%" becomes
// "%", then "_%" becomes "%", then "%_" becomes "%". Rules are not revisited, so "%_%" ends
// as "%%". Underscores next to a "%" are thereby dropped.
std::string rewriteLikePattern(std::string_view pattern);

// Whether value matches the LIKE pattern: "%" stands for any run of characters (also none),
// "_" for any one character, anything else for itself. The pattern is rewritten first (see
// rewriteLikePattern); with ignoreCase, a-z count as A-Z. Segments between "%" are found
// left to right at their leftmost occurrence, with no backtracking; a segment not preceded
// by "%" must start the value and one not followed by "%" must end it. Filters always start
// the pattern with "%"; a missing closing "%" happens when a long pattern is cut.
bool MatchLikePattern(std::string_view value, std::string_view pattern, bool ignoreCase);

// MatchLikePattern with the pattern rewritten and split once, for matching it against many
// values: LikeMatcher(pattern, ignoreCase).matches(value) ==
// MatchLikePattern(value, pattern, ignoreCase).
class LikeMatcher
{
public:
    LikeMatcher(std::string_view pattern, bool ignoreCase);

    bool matches(std::string_view value) const;

private:
    bool ignoreCase_;
    // The rewritten pattern (upper-cased when ignoring case) split at every "%"; characters
    // as GB2312 decodes them: a byte, or a two-byte character as (lead << 8) | trail.
    std::vector<std::vector<std::uint16_t>> pieces_;
};

// Why a filter expression was refused.
enum class FilterError {
    None,
    FieldNameExpected,    // no field name where the expression starts
    UnknownField,         // the name is not a field the filter can compare
    LikeExpected,         // the field name is not followed by LIKE
    ConstantExpected,     // LIKE is not followed by a quoted constant
    UnterminatedConstant, // the constant has no closing quote
    TextAfterConstant,    // something other than blanks follows the constant
};

// A short English description of the refusal, for a failure message.
std::string_view filterErrorText(FilterError error);

// The parts of an accepted expression.
struct LikeExpression
{
    std::string field;   // as written
    std::string pattern; // the constant with its quotes undoubled, at most 255 bytes
};

// The outcome of reading an expression: either the expression or the reason for refusing it.
struct LikeExpressionParse
{
    std::optional<LikeExpression> expression;
    FilterError error = FilterError::None;
};

// Longest pattern the filter keeps, in bytes; a longer constant is cut there.
inline constexpr std::size_t kMaxLikePatternBytes = 255;

// Reads the one expression form the filter accepts:
//     <blanks> field <blanks> LIKE <blanks> 'constant' <blanks>
// Blanks are bytes up to 32. The field name is a letter followed by letters, digits and "_";
// LIKE may be in any letter case; inside the constant "''" stands for one "'". The constant
// is cut to its first 255 bytes, dropping a character that the cut would split. Any other
// form is refused with its reason; whether the field exists is left to the caller.
LikeExpressionParse parseLikeExpression(std::string_view expression);

} // namespace zandrel
