// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/GlyphSource.h"

#include <memory>

namespace zandrel {

// The built-in font of size 12, 16 or 24 (nothing for any other): GB2312's two-byte
// characters size × size, ASCII 0x21-0x7E half as wide (6 × 12, 8 × 16, 12 × 24). Each glyph
// fills its cell.
std::unique_ptr<GlyphSource> builtinFont(int size);

} // namespace zandrel
