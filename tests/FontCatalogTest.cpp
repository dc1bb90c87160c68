// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "readers/FontCatalog.h"
#include "readers/FontCatalogFaces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace zandrel {
namespace {

namespace fs = std::filesystem;

// A font folder of the test's own, the only one fontconfig is told of: two fonts installed
// from the system and a damaged file. Set up before fontconfig first starts.
struct TestFonts
{
    fs::path dir;
    fs::path wqy, dejaVu, dejaVuBold, broken;

    TestFonts()
    {
        std::string pattern = (fs::temp_directory_path() / "zandrel-fonts-XXXXXX").string();
        dir = mkdtemp(pattern.data());
        fs::create_directory(dir / "fonts");
        wqy = dir / "fonts" / "wqy-microhei.ttc";
        dejaVu = dir / "fonts" / "DejaVuSans.ttf";
        dejaVuBold = dir / "fonts" / "DejaVuSans-Bold.ttf";
        broken = dir / "fonts" / "broken.ttf";
        fs::copy_file("/usr/share/fonts/truetype/wqy/wqy-microhei.ttc", wqy);
        fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", dejaVu);
        fs::copy_file("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", dejaVuBold);
        std::ofstream(broken) << "not a font at all";
        std::ofstream(dir / "fonts.conf")
            << "<?xml version=\"1.0\"?>\n<fontconfig><dir>" << (dir / "fonts").string()
            << "</dir><cachedir>" << (dir / "cache").string() << "</cachedir></fontconfig>\n";
        setenv("FONTCONFIG_FILE", (dir / "fonts.conf").c_str(), 1);
    }
    ~TestFonts() { fs::remove_all(dir); }
};

const TestFonts &testFonts()
{
    static const TestFonts fonts;
    return fonts;
}

// Every family name counts, localised ones and any case too; no style means the regular one; a
// misspelt family gets the close ones; a family that is installed but not in the configuration
// never stands in.
TEST(findInstalledFont, findsAFamilyByAnyOfItsNamesAndOnlyThatFamily)
{
    const struct
    {
        const char *name;
        int face;            // -1: none
        const char *style;   // of the face found
        const char *nearest; // for none: the closest family or, for a style it has not, the
                             // family's first style; "" when none is close
    } cases[] = {
        {"WenQuanYi Micro Hei", 0, "Regular", nullptr},
        {"wenquanyi MICRO hei mono", 1, "Regular", nullptr},
        {"文泉驿微米黑", 0, "Regular", nullptr},
        {"文泉驛等寬微米黑", 1, "Regular", nullptr},
        {"WenQuanYi Micro Hei:style=regular", 0, "Regular", nullptr},
        {"DejaVu Sans", 0, "Book", nullptr},
        {"DejaVu Sans:style=bold", 0, "Bold", nullptr},
        {"WenQuanYi Micro Hei:style=Bold", -1, nullptr, "Regular"},
        {"WenQuanYi Mikro Hei", -1, nullptr, "WenQuanYi Micro Hei"},
        {"文泉驿微黑", -1, nullptr, "文泉驿微米黑"},
        {"DejaVu Sans Mono", -1, nullptr, "DejaVu Sans"},
        {"Noto Sans CJK SC", -1, nullptr, ""},
    };
    const TestFonts &fonts = testFonts();
    for (const auto &c : cases) {
        const FontLookup lookup = findInstalledFont(*parseFontName(c.name));
        ASSERT_EQ(lookup.font.has_value(), c.face >= 0) << c.name;
        if (lookup.font) {
            EXPECT_EQ(lookup.font->face, c.face) << c.name;
            EXPECT_EQ(lookup.font->style, c.style) << c.name;
            EXPECT_EQ(fs::path(lookup.font->file).parent_path(), fonts.dir / "fonts") << c.name;
            EXPECT_FALSE(lookup.font->damaged) << c.name;
        }
        if (c.nearest) {
            const auto &offered = lookup.near.empty() ? lookup.styles : lookup.near;
            EXPECT_EQ(offered.empty() ? "" : offered.front(), c.nearest) << c.name;
            EXPECT_LE(lookup.near.size(), 3u) << c.name;
        }
    }
}

// The listing: every face, by family, with its GB2312 hanzi, and the damaged file at the end.
TEST(listInstalledFonts, listsEveryFaceWithItsCoverageAndTheDamagedFile)
{
    const TestFonts &fonts = testFonts();
    const struct
    {
        const char *family;
        const char *style;
        fs::path file;
        int face;
        int hanzi;
        bool damaged;
    } expected[] = {
        {"DejaVu Sans", "Bold", fonts.dejaVuBold, 0, 0, false},
        {"DejaVu Sans", "Book", fonts.dejaVu, 0, 0, false},
        {"WenQuanYi Micro Hei", "Regular", fonts.wqy, 0, 6763, false},
        {"WenQuanYi Micro Hei Mono", "Regular", fonts.wqy, 1, 6763, false},
        {"", "", fonts.broken, 0, -1, true},
    };
    const std::vector<InstalledFont> listed = listInstalledFonts();
    ASSERT_EQ(listed.size(), std::size(expected));
    for (std::size_t k = 0; k < listed.size(); ++k) {
        const auto &e = expected[k];
        EXPECT_EQ(listed[k].family, e.family) << k;
        EXPECT_EQ(listed[k].style, e.style) << k;
        EXPECT_EQ(listed[k].file, e.file.string()) << k;
        EXPECT_EQ(listed[k].face, e.face) << k;
        EXPECT_EQ(listed[k].hanzi, e.hanzi) << k;
        EXPECT_EQ(listed[k].damaged, e.damaged) << k;
    }
}

// What Windows matches on: the names in a font's own name table, localised ones too.
TEST(facesOfFile, readsEveryFamilyNameOfTheNameTable)
{
    const TestFonts &fonts = testFonts();
    const std::vector<fontcatalog::Face> faces = fontcatalog::facesOfFile(fonts.wqy.string());
    ASSERT_EQ(faces.size(), 2u);
    EXPECT_EQ(faces[0].font.family, "WenQuanYi Micro Hei");
    for (const char *name : {"文泉驿微米黑", "文泉驛微米黑"})
        EXPECT_NE(std::find(faces[0].font.families.begin(), faces[0].font.families.end(), name),
                  faces[0].font.families.end())
            << name;
    EXPECT_EQ(faces[1].font.family, "WenQuanYi Micro Hei Mono");
    EXPECT_EQ(faces[1].styles.front(), "Regular");
    const std::vector<fontcatalog::Face> broken = fontcatalog::facesOfFile(fonts.broken.string());
    ASSERT_EQ(broken.size(), 1u);
    EXPECT_TRUE(broken[0].font.damaged);
}

TEST(parseFontName, readsAFamilyAndAStyleOnly)
{
    const struct
    {
        std::string_view text;
        std::optional<FontName> name;
    } cases[] = {
        {"WenQuanYi Micro Hei", FontName{"WenQuanYi Micro Hei", ""}},
        {" 宋体 : STYLE = Bold ", FontName{"宋体", "Bold"}},
        {"Family:style=", std::nullopt},
        {":style=Bold", std::nullopt},
        {"Family:weight=bold", std::nullopt},
        {"Family:Bold", std::nullopt},
        {"Family:style=Bold:style=Italic", std::nullopt},
        {"Fam\tily", std::nullopt},
        {"Family\xFF", std::nullopt},
        {"\xC0\xA0", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(parseFontName(c.text), c.name) << c.text;
        if (c.name) {
            EXPECT_EQ(parseFontName(fontNameText(*c.name)), c.name) << c.text;
        }
    }
}

} // namespace
} // namespace zandrel
