// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The installed faces on Linux and other fontconfig systems: fontconfig's own list, which
// honours the user's configuration (fonts it rejects are not installed for any program).
#include "readers/FontCatalogFaces.h"

#include <fontconfig/fontconfig.h>

#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <set>
#include <utility>

namespace zandrel::fontcatalog {
namespace {

// fontconfig is opened when a family is first looked up, not linked: every zandrel-gen command
// would otherwise pay for loading it and its XML parser at start-up.
struct Fontconfig
{
#define ZANDREL_FC_FUNCTIONS(X)                                                                     \
    X(FcInit) X(FcConfigGetCurrent) X(FcConfigGetFontDirs) X(FcDirCacheRead) X(FcDirCacheUnload)    \
        X(FcCacheCopySet) X(FcFontList) X(FcFontSetDestroy) X(FcObjectSetBuild)                      \
            X(FcObjectSetDestroy) X(FcPatternCreate) X(FcPatternDestroy) X(FcPatternGetInteger)      \
                X(FcPatternGetString) X(FcStrListNext) X(FcStrListDone)
#define ZANDREL_FC_POINTER(name) decltype(&::name) name = nullptr;
    ZANDREL_FC_FUNCTIONS(ZANDREL_FC_POINTER)
#undef ZANDREL_FC_POINTER
    bool loaded = false;

    Fontconfig()
    {
        void *library = dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!library)
            return;
        bool all = true;
#define ZANDREL_FC_LOAD(name)                                                                       \
    name = reinterpret_cast<decltype(&::name)>(dlsym(library, #name));                             \
    all = all && name;
        ZANDREL_FC_FUNCTIONS(ZANDREL_FC_LOAD)
#undef ZANDREL_FC_LOAD
        // Kept open for the program's life, as a linked library would be.
        loaded = all && FcInit() == FcTrue;
    }
#undef ZANDREL_FC_FUNCTIONS
};

const Fontconfig &fontconfig()
{
    static const Fontconfig library;
    return library;
}

std::vector<std::string> stringsOf(FcPattern *pattern, const char *object)
{
    const Fontconfig &fc = fontconfig();
    std::vector<std::string> values;
    FcChar8 *value = nullptr;
    for (int n = 0; fc.FcPatternGetString(pattern, object, n, &value) == FcResultMatch; ++n)
        values.emplace_back(reinterpret_cast<const char *>(value));
    return values;
}

// The files of a font folder that fontconfig could read, those its configuration rejects
// included (its cache of the folder holds them all).
std::set<std::string> readableFiles(FcConfig *config, const FcChar8 *dir)
{
    const Fontconfig &fc = fontconfig();
    std::set<std::string> files;
    const std::unique_ptr<FcCache, decltype(fc.FcDirCacheUnload)> cache(
        fc.FcDirCacheRead(dir, FcFalse, config), fc.FcDirCacheUnload);
    if (!cache)
        return files;
    const std::unique_ptr<FcFontSet, decltype(fc.FcFontSetDestroy)> set(fc.FcCacheCopySet(cache.get()),
                                                                      fc.FcFontSetDestroy);
    FcChar8 *file = nullptr;
    for (int i = 0; set && i < set->nfont; ++i)
        if (fc.FcPatternGetString(set->fonts[i], FC_FILE, 0, &file) == FcResultMatch)
            files.emplace(reinterpret_cast<const char *>(file));
    return files;
}

// Files in fontconfig's font folders that it could not read and FreeType cannot open either:
// fontconfig passes over a damaged file without a word, which would hide it from the listing.
void addDamaged(FcConfig *config, std::vector<Face> &faces)
{
    const Fontconfig &fc = fontconfig();
    const std::unique_ptr<FcStrList, decltype(fc.FcStrListDone)> dirs(fc.FcConfigGetFontDirs(config),
                                                                    fc.FcStrListDone);
    if (!dirs)
        return;
    std::set<std::string> seen;
    while (const FcChar8 *dir = fc.FcStrListNext(dirs.get())) {
        const std::set<std::string> readable = readableFiles(config, dir);
        std::error_code error;
        for (std::filesystem::directory_iterator it(reinterpret_cast<const char *>(dir), error),
             end;
             !error && it != end; it.increment(error)) {
            const std::string file = it->path().string();
            if (!it->is_regular_file(error) || !hasFontSuffix(it->path().filename().string()) ||
                readable.contains(file) || !seen.insert(file).second)
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
    const Fontconfig &fc = fontconfig();
    if (!fc.loaded)
        return {};
    FcConfig *config = fc.FcConfigGetCurrent();
    const std::unique_ptr<FcPattern, decltype(fc.FcPatternDestroy)> all(fc.FcPatternCreate(),
                                                                      fc.FcPatternDestroy);
    const std::unique_ptr<FcObjectSet, decltype(fc.FcObjectSetDestroy)> objects(
        fc.FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, nullptr), fc.FcObjectSetDestroy);
    const std::unique_ptr<FcFontSet, decltype(fc.FcFontSetDestroy)> set(
        fc.FcFontList(config, all.get(), objects.get()), fc.FcFontSetDestroy);
    std::vector<Face> faces;
    std::set<std::pair<std::string, int>> taken;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern *pattern = set->fonts[i];
        FcChar8 *file = nullptr;
        int index = 0;
        if (fc.FcPatternGetString(pattern, FC_FILE, 0, &file) != FcResultMatch)
            continue;
        fc.FcPatternGetInteger(pattern, FC_INDEX, 0, &index);
        Face face;
        face.font.file = reinterpret_cast<const char *>(file);
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
        addDamaged(config, faces);
    return faces;
}

} // namespace zandrel::fontcatalog
