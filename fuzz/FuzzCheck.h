// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <cstdlib>

namespace zandrel::fuzz {

// A property every input must keep; a broken one is a crash the fuzzer reports with its input.
inline void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace zandrel::fuzz
