// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/Gb2312Map.h"

#include <algorithm>

namespace zandrel {
namespace {

using Pairs = std::array<Gb2312Pair, kGb2312PairCount>;

// The charmap's lines; a count other than 7,445 does not compile.
constexpr Pairs kPairs = {{
#include "data/Gb2312Charmap.inc"
}};

constexpr Pairs sortedByUnicode()
{
    Pairs pairs = kPairs;
    std::sort(pairs.begin(), pairs.end(), [](Gb2312Pair a, Gb2312Pair b) { return a.unicode < b.unicode; });
    return pairs;
}

template<auto key>
constexpr bool strictlyAscending(const Pairs &pairs)
{
    for (std::size_t i = 1; i < pairs.size(); ++i)
        if (pairs[i - 1].*key >= pairs[i].*key)
            return false;
    return pairs.back().code != 0;
}

// Both lookups search by halves, so both orders must be strict: one code, one character.
static_assert(strictlyAscending<&Gb2312Pair::code>(kPairs), "charmap codes repeat or are out of order");
static_assert(strictlyAscending<&Gb2312Pair::unicode>(sortedByUnicode()), "a character has two codes");

} // namespace

constinit const Pairs kGb2312ByCode = kPairs;
constinit const Pairs kGb2312ByUnicode = sortedByUnicode();

} // namespace zandrel
