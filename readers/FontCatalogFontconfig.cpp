// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The installed faces on Linux and other fontconfig systems: fontconfig's own list, which
// honours the user's configuration (fonts it rejects are not installed for any program).
#include "readers/FontCatalogFaces.h"

#include <fontconfig/fontconfig.h>

#include <filesystem>
#include <memory>
#include <set>
#include <utility>

namespace zandrel::fontcatalog {
namespace {

std::vector<std::string> stringsOf(FcPattern *pattern, const char *object)
{
    std::vector<std::string> values;
    FcChar8 *value = nullptr;
    for (int n = 0; FcPatternGetString(pattern, object, n, &value) == FcResultMatch; ++n)
        values.emplace_back(reinterpret_cast<const char *>(value));
    return values;
}

// Files in fontconfig's font folders that it did not take and FreeType cannot open either:
// fontconfig passes over a damaged file without a word, which would hide it from the listing.
void addDamaged(FcConfig *config, const std::set<std::string> &listed, std::vector<Face> &faces)
{
    const std::unique_ptr<FcStrList, decltype(&FcStrListDone)> dirs(FcConfigGetFontDirs(config),
                                                                    FcStrListDone);
    if (!dirs)
        return;
    std::set<std::string> seen;
    while (const FcChar8 *dir = FcStrListNext(dirs.get())) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(reinterpret_cast<const char *>(dir), error),
             end;
             !error && it != end; it.increment(error)) {
            const std::string file = it->path().string();
            if (!it->is_regular_file(error) || !hasFontSuffix(it->path().filename().string()) ||
                listed.contains(file) || !seen.insert(file).second)
                continue;
            for (Face &face : facesOfFile(file))
                if (face.font.damaged)
                    faces.push_back(std::move(face));
        }
    }
}

} // namespace

std::vector<Face> installedFaces(bool damaged)
{
    // Started once, on the first lookup: reading the configuration and the caches is what costs.
    static const bool started = FcInit() == FcTrue;
    if (!started)
        return {};
    FcConfig *config = FcConfigGetCurrent();
    const std::unique_ptr<FcPattern, decltype(&FcPatternDestroy)> all(FcPatternCreate(),
                                                                      FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(&FcObjectSetDestroy)> objects(
        FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr), FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(&FcFontSetDestroy)> set(
        FcFontList(config, all.get(), objects.get()), FcFontSetDestroy);
    std::vector<Face> faces;
    std::set<std::string> listed;
    std::set<std::pair<std::string, int>> taken;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern *pattern = set->fonts[i];
        FcChar8 *file = nullptr;
        int index = 0;
        if (FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
        Face face;
        face.font.file = reinterpret_cast<const char *>(file);
        listed.insert(face.font.file);
        // The upper bits number the named instances of a variable font, which the font reader
        // does not draw; the face itself is listed apart from them.
        if (index >> 16 != 0 || !taken.emplace(face.font.file, index).second)
            continue;
        face.font.face = index;
        face.font.families = stringsOf(pattern, FC_FAMILY);
        face.styles = stringsOf(pattern, FC_STYLE);
        if (face.font.families.empty())
            continue;
        face.font.family = face.font.families.front();
        if (!face.styles.empty())
            face.font.style = face.styles.front();
        faces.push_back(std::move(face));
    }
    if (damaged)
        addDamaged(config, listed, faces);
    return faces;
}

} // namespace zandrel::fontcatalog
