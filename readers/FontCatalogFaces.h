// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "readers/FontCatalog.h"

#include <string>
#include <string_view>
#include <vector>

// Between the font catalog's shared part and the file of each platform, which finds the faces.
namespace zandrel::fontcatalog {

struct Face
{
    InstalledFont font;
    std::vector<std::string> styles; // every style name, localised ones too
};

// Every installed face, with its names, file and face index (no strikes or coverage); with
// damaged, also every file in the font folders that FreeType cannot open, as a damaged face.
// In the platform's file.
std::vector<Face> installedFaces(bool damaged);

// The faces of a file (UTF-8 path) with every family and style name its name table gives, or
// FreeType's names for a font without one; one damaged face when FreeType cannot open it.
std::vector<Face> facesOfFile(const std::string &file);

// True for the file names that font files have, compressed bitmap fonts included.
bool hasFontSuffix(std::string_view fileName);

} // namespace zandrel::fontcatalog
