// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "readers/FontCatalog.h"

#include "core/Gb2312.h"
#include "readers/FontCatalogFaces.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include FT_SFNT_NAMES_H
#include FT_TRUETYPE_IDS_H

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <numeric>
#include <tuple>

namespace zandrel {
namespace {

// Longest name accepted: family names are far shorter, and the edit distance is quadratic.
constexpr std::size_t kMaxNameBytes = 256;

// The code points of UTF-8 text; nothing for text that is not UTF-8 (overlong forms and
// surrogates included).
std::optional<std::u32string> decodeUtf8(std::string_view text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80                   ? 1
                           : lead >= 0xC2 && lead < 0xE0 ? 2
                           : lead >= 0xE0 && lead < 0xF0 ? 3
                           : lead >= 0xF0 && lead < 0xF5 ? 4
                                                         : 0;
        if (length == 0 || i + static_cast<std::size_t>(length) > text.size())
            return std::nullopt;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            c = c << 6 | (next & 0x3F);
        }
        constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
        if (c < kLeast[length] || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000))
            return std::nullopt;
        out += c;
        i += static_cast<std::size_t>(length);
    }
    return out;
}

void appendUtf8(std::string &out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// Names are compared as fontconfig and Windows compare them: case aside. Only ASCII has case
// in the names fonts carry.
char32_t folded(char32_t c)
{
    return c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c;
}

std::u32string foldedName(std::string_view name)
{
    std::u32string text = decodeUtf8(name).value_or(std::u32string());
    std::transform(text.begin(), text.end(), text.begin(), folded);
    return text;
}

std::size_t editDistance(std::u32string_view a, std::u32string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

bool sameName(std::string_view a, std::string_view b)
{
    return foldedName(a) == foldedName(b);
}

bool hasName(const std::vector<std::string> &names, std::string_view name)
{
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string &n) { return sameName(n, name); });
}

// The style a user means by naming none. X11 bitmap fonts call their normal weight Medium.
bool isRegular(const fontcatalog::Face &face)
{
    for (const char *name : {"Regular", "Normal", "Book", "Roman", "Standard", "Medium"})
        if (hasName(face.styles, name))
            return true;
    return false;
}

// Up to three family names close to one that matches none: by edit distance, case aside,
// within about a third of its length, or containing it.
std::vector<std::string> nearFamilies(const std::vector<fontcatalog::Face> &faces,
                                      std::string_view family)
{
    const std::u32string wanted = foldedName(family);
    const std::size_t limit = std::max<std::size_t>(2, (wanted.size() + 2) / 3);
    std::vector<std::pair<std::size_t, std::string>> close;
    for (const fontcatalog::Face &face : faces)
        for (const std::string &name : face.font.families) {
            const std::u32string candidate = foldedName(name);
            std::size_t distance = editDistance(wanted, candidate);
            if (distance > limit && candidate.find(wanted) == std::u32string::npos)
                continue;
            if (std::none_of(close.begin(), close.end(),
                             [&](const auto &c) { return c.second == name; }))
                close.emplace_back(distance, name);
        }
    std::sort(close.begin(), close.end());
    std::vector<std::string> near;
    for (std::size_t k = 0; k < close.size() && k < 3; ++k)
        near.push_back(close[k].second);
    return near;
}

// A font file read through a stream of the program's own, so that a path that is not in the
// system's code page opens on Windows too.
class OpenFace
{
public:
    OpenFace(FT_Library library, const std::filesystem::path &path, FT_Long index)
        : in_(path, std::ios::binary)
    {
        std::error_code error;
        const auto size = std::filesystem::file_size(path, error);
        if (!in_ || error || size > 0xFFFFFFFFu) {
            error_ = FT_Err_Cannot_Open_Resource;
            return;
        }
        stream_.size = static_cast<unsigned long>(size);
        stream_.descriptor.pointer = &in_;
        stream_.read = read;
        stream_.close = [](FT_Stream) {};
        FT_Open_Args args{};
        args.flags = FT_OPEN_STREAM;
        args.stream = &stream_;
        error_ = FT_Open_Face(library, &args, index, &face_);
    }
    ~OpenFace()
    {
        if (face_)
            FT_Done_Face(face_);
    }
    OpenFace(const OpenFace &) = delete;
    OpenFace &operator=(const OpenFace &) = delete;

    FT_Error error() const { return error_; }
    FT_Face face() const { return face_; }

private:
    static unsigned long read(FT_Stream stream, unsigned long offset, unsigned char *buffer,
                              unsigned long count)
    {
        auto *in = static_cast<std::ifstream *>(stream->descriptor.pointer);
        in->clear();
        in->seekg(static_cast<std::streamoff>(offset));
        if (count == 0) // a seek: 0 is success
            return *in ? 0 : 1;
        in->read(reinterpret_cast<char *>(buffer), static_cast<std::streamsize>(count));
        return static_cast<unsigned long>(in->gcount());
    }

    std::ifstream in_;
    FT_StreamRec stream_{};
    FT_Face face_ = nullptr;
    FT_Error error_ = 0;
};

std::filesystem::path pathOf(const std::string &utf8)
{
    return std::filesystem::path(
        std::u8string(reinterpret_cast<const char8_t *>(utf8.data()), utf8.size()));
}

// A name table entry as UTF-8: Unicode and Microsoft Unicode names are UTF-16BE, Macintosh
// Roman ones are taken when they are ASCII. Other encodings (the old Chinese code pages among
// them) are skipped: fonts that use them carry a Unicode entry too.
std::optional<std::string> nameText(const FT_SfntName &name)
{
    const bool utf16 =
        name.platform_id == TT_PLATFORM_APPLE_UNICODE ||
        (name.platform_id == TT_PLATFORM_MICROSOFT &&
         (name.encoding_id == TT_MS_ID_UNICODE_CS || name.encoding_id == TT_MS_ID_UCS_4 ||
          name.encoding_id == TT_MS_ID_SYMBOL_CS));
    std::string text;
    if (utf16) {
        if (name.string_len % 2 != 0)
            return std::nullopt;
        for (FT_UInt i = 0; i < name.string_len; i += 2) {
            char32_t c = static_cast<char32_t>(name.string[i] << 8 | name.string[i + 1]);
            if (c >= 0xD800 && c < 0xDC00 && i + 3 < name.string_len) {
                const char32_t low =
                    static_cast<char32_t>(name.string[i + 2] << 8 | name.string[i + 3]);
                if (low < 0xDC00 || low >= 0xE000)
                    return std::nullopt;
                c = 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else if (c >= 0xD800 && c < 0xE000) {
                return std::nullopt;
            }
            appendUtf8(text, c);
        }
    } else if (name.platform_id == TT_PLATFORM_MACINTOSH && name.encoding_id == TT_MAC_ID_ROMAN) {
        for (FT_UInt i = 0; i < name.string_len; ++i) {
            if (name.string[i] >= 0x80)
                return std::nullopt;
            text += static_cast<char>(name.string[i]);
        }
    } else {
        return std::nullopt;
    }
    text = std::string(trimmed(text));
    if (text.empty() || text.find('\0') != std::string::npos)
        return std::nullopt;
    return text;
}

// The names of those ids in the name table: English ones first (what Windows and fontconfig
// show first), then the others as the table has them; each once.
std::vector<std::string> namesOf(FT_Face face, std::initializer_list<FT_UShort> ids)
{
    std::vector<std::tuple<int, std::size_t, std::string>> found;
    const FT_UInt count = FT_Get_Sfnt_Name_Count(face);
    for (FT_UInt i = 0; i < count; ++i) {
        FT_SfntName name;
        if (FT_Get_Sfnt_Name(face, i, &name) != 0)
            continue;
        const auto id = std::find(ids.begin(), ids.end(), name.name_id);
        if (id == ids.end())
            continue;
        const std::optional<std::string> text = nameText(name);
        if (!text)
            continue;
        const bool english = (name.platform_id == TT_PLATFORM_MICROSOFT &&
                              name.language_id == TT_MS_LANGID_ENGLISH_UNITED_STATES) ||
                             (name.platform_id == TT_PLATFORM_MACINTOSH &&
                              name.language_id == TT_MAC_LANGID_ENGLISH);
        found.emplace_back(english ? 0 : 1,
                           static_cast<std::size_t>(id - ids.begin()) * 0x10000 + i, *text);
    }
    std::stable_sort(found.begin(), found.end());
    std::vector<std::string> names;
    for (const auto &[english, order, text] : found)
        if (std::find(names.begin(), names.end(), text) == names.end())
            names.push_back(text);
    return names;
}

// The faces of a file, read afresh.
std::vector<fontcatalog::Face> readFaces(FT_Library library, const std::string &file)
{
    const std::filesystem::path path = pathOf(file);
    std::vector<fontcatalog::Face> faces;
    const auto damaged = [&](int index) {
        fontcatalog::Face face;
        face.font.file = file;
        face.font.face = index;
        face.font.damaged = true;
        faces.push_back(std::move(face));
    };
    FT_Long count = 0;
    {
        const OpenFace probe(library, path, -1);
        if (probe.error() != 0) {
            damaged(0);
            return faces;
        }
        count = probe.face()->num_faces;
    }
    for (FT_Long index = 0; index < count && index < 0x10000; ++index) {
        const OpenFace open(library, path, index);
        if (open.error() != 0) {
            damaged(static_cast<int>(index));
            continue;
        }
        const FT_Face face = open.face();
        fontcatalog::Face entry;
        entry.font.file = file;
        entry.font.face = static_cast<int>(index);
        if (FT_IS_SFNT(face)) {
            // The typographic family (16) groups weights that Windows lists as families of
            // their own (1); a user may know either.
            entry.font.families =
                namesOf(face, {TT_NAME_ID_TYPOGRAPHIC_FAMILY, TT_NAME_ID_FONT_FAMILY});
            entry.styles =
                namesOf(face, {TT_NAME_ID_TYPOGRAPHIC_SUBFAMILY, TT_NAME_ID_FONT_SUBFAMILY});
        }
        if (entry.font.families.empty() && face->family_name)
            entry.font.families.emplace_back(face->family_name);
        if (entry.styles.empty() && face->style_name)
            entry.styles.emplace_back(face->style_name);
        if (entry.font.families.empty()) {
            damaged(static_cast<int>(index));
            continue;
        }
        entry.font.family = entry.font.families.front();
        if (!entry.styles.empty())
            entry.font.style = entry.styles.front();
        faces.push_back(std::move(entry));
    }
    return faces;
}

// How many of GB2312's 6,763 hanzi (rows 16 to 87) the face has a glyph for, through the
// character map the font reader uses: Unicode, else a BDF or PCF font's GB2312 codes, else
// the only map of a bitmap font that names no character set, taken as Unicode.
int hanziCovered(FT_Face face)
{
    bool gb = false;
    unsigned offset = 0;
    if (FT_Select_Charmap(face, FT_ENCODING_UNICODE) != 0) {
        const char *encoding = nullptr;
        const char *registry = nullptr;
        const bool bdf = FT_Get_BDF_Charset_ID(face, &encoding, &registry) == 0;
        if (face->num_charmaps == 0)
            return 0;
        if (bdf && registry && std::string_view(registry).starts_with("GB2312")) {
            gb = true;
            offset = encoding && std::string_view(encoding) == "0" ? 0x8080 : 0;
        } else if (!bdf || registry) {
            return 0;
        }
        FT_Set_Charmap(face, face->charmaps[0]);
    }
    int covered = 0;
    for (unsigned hi = 0xB0; hi <= 0xF7; ++hi)
        for (unsigned lo = 0xA1; lo <= 0xFE; ++lo) {
            const auto h = static_cast<std::uint8_t>(hi), l = static_cast<std::uint8_t>(lo);
            if (!isAssignedGb2312(h, l))
                continue;
            const FT_ULong code = gb ? (hi << 8 | lo) - offset : *unicodeOfGb2312(h, l);
            covered += FT_Get_Char_Index(face, code) != 0;
        }
    return covered;
}

// Fills in a face's strike sizes and, when asked, its coverage; a face that no longer opens is
// marked damaged.
void describe(FT_Library library, InstalledFont &font, bool coverage)
{
    const OpenFace open(library, pathOf(font.file), font.face);
    if (open.error() != 0) {
        font.damaged = true;
        return;
    }
    const FT_Face face = open.face();
    font.strikes.clear();
    for (int i = 0; i < face->num_fixed_sizes; ++i)
        font.strikes.push_back(static_cast<int>((face->available_sizes[i].y_ppem + 32) >> 6));
    std::sort(font.strikes.begin(), font.strikes.end());
    font.strikes.erase(std::unique(font.strikes.begin(), font.strikes.end()), font.strikes.end());
    if (coverage)
        font.hanzi = hanziCovered(face);
}

class Library
{
public:
    Library() { FT_Init_FreeType(&handle_); }
    ~Library()
    {
        if (handle_)
            FT_Done_FreeType(handle_);
    }
    Library(const Library &) = delete;
    Library &operator=(const Library &) = delete;
    FT_Library handle() const { return handle_; }

private:
    FT_Library handle_ = nullptr;
};

} // namespace

std::optional<FontName> parseFontName(std::string_view text)
{
    if (text.size() > kMaxNameBytes || !decodeUtf8(text))
        return std::nullopt;
    if (std::any_of(text.begin(), text.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return std::nullopt;
    const std::size_t colon = text.find(':');
    FontName name{std::string(trimmed(text.substr(0, colon))), {}};
    if (name.family.empty())
        return std::nullopt;
    if (colon == std::string_view::npos)
        return name;
    const std::string_view property = text.substr(colon + 1);
    const std::size_t equals = property.find('=');
    if (equals == std::string_view::npos || !sameName(trimmed(property.substr(0, equals)), "style"))
        return std::nullopt;
    name.style = std::string(trimmed(property.substr(equals + 1)));
    if (name.style.empty() || name.style.find_first_of(":=") != std::string::npos)
        return std::nullopt;
    return name;
}

std::string fontNameText(const FontName &name)
{
    return name.style.empty() ? name.family : name.family + ":style=" + name.style;
}

namespace fontcatalog {

bool hasFontSuffix(std::string_view fileName)
{
    std::string name(fileName);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    for (const char *packed : {".gz", ".bz2", ".z"})
        if (name.ends_with(packed)) {
            name.resize(name.size() - std::string_view(packed).size());
            break;
        }
    for (const char *suffix : {".ttf", ".ttc", ".otf", ".otc", ".pcf", ".bdf", ".pfa", ".pfb",
                               ".fon", ".fnt", ".woff", ".woff2"})
        if (name.ends_with(suffix))
            return true;
    return false;
}

std::vector<Face> facesOfFile(const std::string &file)
{
    // Kept by file, size and time of change: a window looks fonts up on every edit, and on
    // Windows each lookup reads every font's name table.
    struct Known
    {
        std::uintmax_t size;
        std::filesystem::file_time_type changed;
        std::vector<Face> faces;
    };
    static std::mutex mutex;
    static std::map<std::string, Known> known;
    static Library library;

    const std::filesystem::path path = pathOf(file);
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    const auto changed = std::filesystem::last_write_time(path, error);
    const std::lock_guard lock(mutex);
    if (!error) {
        const auto found = known.find(file);
        if (found != known.end() && found->second.size == size && found->second.changed == changed)
            return found->second.faces;
    }
    std::vector<Face> faces = readFaces(library.handle(), file);
    if (!error)
        known[file] = {size, changed, faces};
    return faces;
}

} // namespace fontcatalog

FontLookup findInstalledFont(const FontName &name)
{
    std::vector<fontcatalog::Face> faces = fontcatalog::installedFaces(false);
    // Lowest file and face first, so that the same fonts give the same choice on every run.
    std::sort(faces.begin(), faces.end(), [](const auto &a, const auto &b) {
        return std::tie(a.font.file, a.font.face) < std::tie(b.font.file, b.font.face);
    });
    std::vector<const fontcatalog::Face *> family;
    for (const fontcatalog::Face &face : faces)
        if (hasName(face.font.families, name.family))
            family.push_back(&face);
    FontLookup lookup;
    if (family.empty()) {
        lookup.near = nearFamilies(faces, name.family);
        return lookup;
    }
    const auto chosen = std::find_if(family.begin(), family.end(), [&](const fontcatalog::Face *f) {
        return name.style.empty() ? isRegular(*f) : hasName(f->styles, name.style);
    });
    if (chosen == family.end() && !name.style.empty())
        return lookup;
    InstalledFont font = (chosen == family.end() ? family.front() : *chosen)->font;
    Library library;
    describe(library.handle(), font, false);
    lookup.font = std::move(font);
    return lookup;
}

std::vector<InstalledFont> listInstalledFonts()
{
    std::vector<InstalledFont> fonts;
    Library library;
    for (fontcatalog::Face &face : fontcatalog::installedFaces(true)) {
        if (!face.font.damaged)
            describe(library.handle(), face.font, true);
        fonts.push_back(std::move(face.font));
    }
    std::sort(fonts.begin(), fonts.end(), [](const InstalledFont &a, const InstalledFont &b) {
        return std::tuple(a.family.empty(), foldedName(a.family), foldedName(a.style), a.file,
                          a.face) < std::tuple(b.family.empty(), foldedName(b.family),
                                               foldedName(b.style), b.file, b.face);
    });
    return fonts;
}

} // namespace zandrel
