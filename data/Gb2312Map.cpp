// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "data/Gb2312Map.h"

namespace zandrel {
namespace {

using Pairs = std::array<Gb2312Pair, kGb2312PairCount>;

// The charmap's lines; more than 7,445 do not compile, fewer leave a zero pair at the end.
constexpr Pairs kByCode = {{
#include "data/Gb2312ByCode.inc"
}};
constexpr Pairs kByUnicode = {{
#include "data/Gb2312ByUnicode.inc"
}};

template <auto key> constexpr bool strictlyAscending(const Pairs &pairs)
{
    for (std::size_t i = 1; i < pairs.size(); ++i)
        if (pairs[i - 1].*key >= pairs[i].*key)
            return false;
    return pairs.back().code != 0;
}

// Both lookups search by halves, so both orders must be strict: one code, one character.
static_assert(strictlyAscending<&Gb2312Pair::code>(kByCode),
              "charmap codes repeat or are out of order");
static_assert(strictlyAscending<&Gb2312Pair::unicode>(kByUnicode), "a character has two codes");

} // namespace

constinit const Pairs kGb2312ByCode = kByCode;
constinit const Pairs kGb2312ByUnicode = kByUnicode;

} // namespace zandrel
