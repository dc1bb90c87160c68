// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <cstdint>

// Tests on characters and codes at the GB2312 boundary.
namespace zandrel {

// True for a code point of Unicode's private-use areas. Encoders map these onto codes that
// GB2312 leaves unassigned, so they must be refused before encoding.
bool isPrivateUse(char32_t ucs4);

// True when hi, lo is one of the 7,445 characters GB2312 assigns: 682 symbols in zones 1 to 9,
// 6,763 characters in zones 16 to 87.
bool isAssignedGb2312(std::uint8_t hi, std::uint8_t lo);

} // namespace zandrel
