// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// A font name as --font takes it: arbitrary text through the family and style parser. What it
// takes reads back the same from the text written for it.
#include "fuzz/FuzzCheck.h"
#include "readers/FontCatalog.h"

#include <algorithm>
#include <cstdint>
#include <string_view>

using zandrel::fuzz::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const std::optional<zandrel::FontName> name = zandrel::parseFontName(text);
    if (!name)
        return 0;
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    check(!name->family.empty() && name->family.find(':') == std::string::npos);
    check(std::none_of(name->family.begin(), name->family.end(), control));
    check(name->style.find_first_of(":=") == std::string::npos);
    check(std::none_of(name->style.begin(), name->style.end(), control));
    check(zandrel::parseFontName(zandrel::fontNameText(*name)) == name);
    return 0;
}
