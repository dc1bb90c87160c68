// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for `zandrel-gen glyph --font FONT --size PX --library`: a plain program that only
// renders the 7,445 GB2312 characters in one bit with FreeType.
//
//   minimal_freetype_render FONT PX
#include "core/Gb2312.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    FT_Library library;
    FT_Face face;
    if (argc != 3 || FT_Init_FreeType(&library) != 0 ||
        FT_New_Face(library, argv[1], 0, &face) != 0 ||
        FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::atoi(argv[2]))) != 0)
        return 2;
    unsigned long ink = 0; // so that the rendering is not left out
    for (int hi = 0xA1; hi <= 0xF7; ++hi)
        for (int lo = 0xA1; lo <= 0xFE; ++lo)
            if (const auto c = zandrel::unicodeOfGb2312(static_cast<std::uint8_t>(hi),
                                                        static_cast<std::uint8_t>(lo))) {
                if (FT_Load_Char(face, *c, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
                    return 1;
                ink += face->glyph->bitmap.rows;
            }
    std::printf("%lu\n", ink);
    return 0;
}
