// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The fonts installed on the system, found by family name: through fontconfig on Linux, by the
// name tables of the fonts in the system's and the user's font folders on Windows. Nothing is
// started until a function here is called, so that a command given a font file pays nothing.
namespace zandrel {

// A font as a user names it: "Family", or "Family:style=Bold".
struct FontName
{
    std::string family;
    std::string style; // empty: the regular face, or the family's first
    bool operator==(const FontName &) const = default;
};

// The family and style of such a text; nothing when it is not one (an empty family or style,
// a key other than style, a control character or text that is not UTF-8).
std::optional<FontName> parseFontName(std::string_view text);
// The text parseFontName reads back as that name.
std::string fontNameText(const FontName &name);

struct InstalledFont
{
    std::string family;                // the name fontconfig or the name table gives first
    std::vector<std::string> families; // every family name, localised ones too
    std::string style;
    std::string file; // absolute path, UTF-8
    int face = 0;
    std::vector<int> strikes; // bitmap strike sizes in pixels
    int hanzi = -1;           // GB2312 hanzi covered (of 6,763); listInstalledFonts only
    bool damaged = false;     // FreeType cannot open it; listInstalledFonts only
};

struct FontLookup
{
    std::optional<InstalledFont> font; // the match, or nothing
    std::vector<std::string> near;     // up to three installed families close to a misspelt one
};

// The installed face of that family (any of its names, case aside) and style (the regular one
// when none is named). Never a stand-in of another family.
FontLookup findInstalledFont(const FontName &name);

// Every installed font, sorted by family; files that cannot be read as fonts are listed as
// damaged, without family, at the end.
std::vector<InstalledFont> listInstalledFonts();

} // namespace zandrel
