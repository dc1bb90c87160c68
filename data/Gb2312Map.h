// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace zandrel {

// One assigned GB2312 code (hi * 256 + lo) and its character; every one of them is in the
// Basic Multilingual Plane.
struct Gb2312Pair
{
    std::uint16_t code;
    std::uint16_t unicode;
};

inline constexpr std::size_t kGb2312PairCount = 7445;

// The GB2312 charmap, generated at build time: once in ascending code, once in ascending
// character, for lookups in either direction.
extern const std::array<Gb2312Pair, kGb2312PairCount> kGb2312ByCode;
extern const std::array<Gb2312Pair, kGb2312PairCount> kGb2312ByUnicode;

} // namespace zandrel
