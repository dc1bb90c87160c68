// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for `zandrel-gen glyph --library --size 24 -f bin`: a plain C++ program that only
// copies the same built-in table to standard output.
#include "data/BuiltinFontTables.h"

#include <cstdio>

int main()
{
    return std::fwrite(zandrel::HzFont24Table, 1, sizeof zandrel::HzFont24Table, stdout) ==
                   sizeof zandrel::HzFont24Table
               ? 0
               : 1;
}
