// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The installed faces on Windows: every font file in the system's font folder and the user's
// own, known by the names in its name table (宋体 as well as SimSun).
#include "readers/FontCatalogFaces.h"

#include <cstdlib>
#include <filesystem>

namespace zandrel::fontcatalog {
namespace {

std::string utf8Of(const std::filesystem::path &path)
{
    const std::u8string text = path.u8string();
    return {reinterpret_cast<const char *>(text.data()), text.size()};
}

// %WINDIR%\Fonts, and %LOCALAPPDATA%\Microsoft\Windows\Fonts where fonts installed for one
// user go.
std::vector<std::filesystem::path> fontFolders()
{
    std::vector<std::filesystem::path> folders;
    if (const wchar_t *windows = _wgetenv(L"WINDIR"); windows && *windows)
        folders.push_back(std::filesystem::path(windows) / L"Fonts");
    if (const wchar_t *local = _wgetenv(L"LOCALAPPDATA"); local && *local)
        folders.push_back(std::filesystem::path(local) / L"Microsoft" / L"Windows" / L"Fonts");
    return folders;
}

} // namespace

std::vector<Face> installedFaces(bool damaged)
{
    std::vector<Face> faces;
    for (const std::filesystem::path &folder : fontFolders()) {
        std::error_code error;
        for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
             it.increment(error)) {
            if (!it->is_regular_file(error) || !hasFontSuffix(utf8Of(it->path().filename())))
                continue;
            for (Face &face : facesOfFile(utf8Of(it->path())))
                if (damaged || !face.font.damaged)
                    faces.push_back(std::move(face));
        }
    }
    return faces;
}

} // namespace zandrel::fontcatalog
