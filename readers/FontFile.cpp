// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "readers/FontFile.h"

#include "core/Error.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_BDF_H
#include FT_BITMAP_H
#include FT_GZIP_H
#include FT_MODULE_H

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <string>

namespace zandrel {
namespace {

// FreeType's allocations together stop here, so that a hostile file cannot make it take
// memory without end: it then fails with FT_Err_Out_Of_Memory.
constexpr std::size_t kMemoryCap = 512u << 20;

// Each block carries its size in front, aligned for anything.
constexpr std::size_t kBlockHeader = alignof(std::max_align_t);

struct Budget
{
    std::size_t used = 0;
};

void *capAlloc(FT_Memory memory, long size)
{
    auto *budget = static_cast<Budget *>(memory->user);
    const auto bytes = static_cast<std::size_t>(size);
    if (size <= 0 || bytes > kMemoryCap - budget->used)
        return nullptr;
    auto *block = static_cast<unsigned char *>(std::malloc(bytes + kBlockHeader));
    if (!block)
        return nullptr;
    std::memcpy(block, &bytes, sizeof bytes);
    budget->used += bytes;
    return block + kBlockHeader;
}

void capFree(FT_Memory memory, void *pointer)
{
    if (!pointer)
        return;
    auto *block = static_cast<unsigned char *>(pointer) - kBlockHeader;
    std::size_t bytes;
    std::memcpy(&bytes, block, sizeof bytes);
    static_cast<Budget *>(memory->user)->used -= bytes;
    std::free(block);
}

void *capRealloc(FT_Memory memory, long, long newSize, void *pointer)
{
    void *grown = capAlloc(memory, newSize);
    if (!grown)
        return nullptr;
    if (pointer) {
        std::size_t bytes;
        std::memcpy(&bytes, static_cast<unsigned char *>(pointer) - kBlockHeader, sizeof bytes);
        std::memcpy(grown, pointer, std::min(bytes, static_cast<std::size_t>(newSize)));
        capFree(memory, pointer);
    }
    return grown;
}

// The bytes a row of width pixels takes in mode, or 0 for a mode this reader does not know.
std::size_t rowBytesOf(unsigned char mode, unsigned width)
{
    switch (mode) {
    case FT_PIXEL_MODE_MONO:
        return (std::size_t{width} + 7) / 8;
    case FT_PIXEL_MODE_GRAY2:
        return (std::size_t{width} + 3) / 4;
    case FT_PIXEL_MODE_GRAY4:
        return (std::size_t{width} + 1) / 2;
    case FT_PIXEL_MODE_GRAY:
    case FT_PIXEL_MODE_LCD:
    case FT_PIXEL_MODE_LCD_V:
        return width;
    case FT_PIXEL_MODE_BGRA:
        return std::size_t{width} * 4;
    default:
        return 0;
    }
}

// Whether a bitmap FreeType handed back can be read: a known pixel mode, a buffer where there
// are pixels, and rows at least as long as the width needs. A damaged bitmap font can yield a
// strike with pixels but no buffer. FT_Bitmap carries no length, so a buffer that is there but
// too short cannot be told from outside; that is left to FreeType's own reading of the file.
bool readable(const FT_Bitmap &bitmap)
{
    if (bitmap.rows == 0 || bitmap.width == 0)
        return true;
    const std::size_t row = rowBytesOf(bitmap.pixel_mode, bitmap.width);
    return row != 0 && bitmap.buffer &&
           static_cast<std::size_t>(std::abs(static_cast<long>(bitmap.pitch))) >= row;
}

std::string errorCode(FT_Error error)
{
    return "（FreeType错误" + std::to_string(error) + "）";
}

} // namespace

struct FontFile::Library
{
    Budget budget;
    FT_MemoryRec_ memory{&budget, capAlloc, capFree, capRealloc};
    FT_Library handle = nullptr;

    Library()
    {
        if (FT_New_Library(&memory, &handle) != 0)
            throw Error("无法启动FreeType");
        FT_Add_Default_Modules(handle);
    }
    ~Library() { FT_Done_Library(handle); }
};

struct FontFile::FaceData
{
    FT_Face face = nullptr;
    int pixels = 0;
    // For fonts with a GB2312 map instead of Unicode: 0 for Unicode, else the offset that
    // takes an EUC code (0xA1A1) to the font's (0x2121 for GB2312.1980-0).
    unsigned gbOffset = 0;
    bool gbOnly = false;
    FT_Bitmap converted{};
    ~FaceData()
    {
        if (face)
            FT_Done_Face(face);
    }
};

FontFile::FontFile(std::vector<std::uint8_t> bytes, int face)
    : library_(std::make_unique<Library>()), face_(std::make_unique<FaceData>())
{
    if (bytes.size() > kMaxFileBytes)
        throw Error("字体文件大于64 MiB");
    // Gzipped fonts are unpacked here, for BDF as for PCF, up to the size that is read at all.
    if (bytes.size() >= 18 && bytes[0] == 0x1F && bytes[1] == 0x8B) {
        const std::size_t n = bytes.size();
        const std::uint32_t unpacked = bytes[n - 4] | bytes[n - 3] << 8 | bytes[n - 2] << 16 |
                                       static_cast<std::uint32_t>(bytes[n - 1]) << 24;
        if (unpacked > kMaxFileBytes)
            throw Error("gzip压缩的字体解压后大于64 MiB");
        std::vector<std::uint8_t> out(unpacked);
        FT_ULong size = unpacked;
        const FT_Error error = FT_Gzip_Uncompress(&library_->memory, out.data(), &size,
                                                  bytes.data(), static_cast<FT_ULong>(n));
        if (error != 0)
            throw Error("gzip压缩的数据已损坏或不完整" + errorCode(error));
        out.resize(size);
        bytes = std::move(out);
    }
    bytes_ = std::move(bytes);

    FT_Face probe = nullptr;
    FT_Error error = FT_New_Memory_Face(library_->handle, bytes_.data(),
                                        static_cast<FT_Long>(bytes_.size()), -1, &probe);
    if (error != 0)
        throw Error("不是能读取的字体文件（BDF、PCF、TrueType 或 OpenType）" + errorCode(error));
    const long faces = probe->num_faces;
    FT_Done_Face(probe);
    if (face < 0 || face >= faces)
        throw Error("字体文件只有" + std::to_string(faces) + "个字体（--face 从0数起）");
    error = FT_New_Memory_Face(library_->handle, bytes_.data(), static_cast<FT_Long>(bytes_.size()),
                               face, &face_->face);
    if (error != 0)
        throw Error("不是能读取的字体文件（BDF、PCF、TrueType 或 OpenType）" + errorCode(error));

    if (FT_Select_Charmap(face_->face, FT_ENCODING_UNICODE) != 0) {
        const char *encoding = nullptr;
        const char *registry = nullptr;
        const bool bdf = FT_Get_BDF_Charset_ID(face_->face, &encoding, &registry) == 0;
        if (face_->face->num_charmaps == 0)
            throw Error("字体没有字符映射");
        if (bdf && registry && std::string(registry).starts_with("GB2312")) {
            // An X11 Chinese bitmap font without Unicode: codes in GB2312's own numbers.
            face_->gbOnly = true;
            face_->gbOffset = encoding && std::string(encoding) == "0" ? 0x8080 : 0;
        } else if (!bdf || registry) {
            throw Error("字体没有Unicode或GB2312的字符映射");
        }
        // A bitmap font written by hand often names no character set: its codes are taken as
        // Unicode.
        FT_Set_Charmap(face_->face, face_->face->charmaps[0]);
    }
}

FontFile::~FontFile()
{
    if (face_ && face_->converted.buffer)
        FT_Bitmap_Done(library_->handle, &face_->converted);
}

std::vector<int> FontFile::bitmapSizes() const
{
    std::vector<int> sizes;
    for (int i = 0; i < face_->face->num_fixed_sizes; ++i)
        sizes.push_back(static_cast<int>((face_->face->available_sizes[i].y_ppem + 32) >> 6));
    return sizes;
}

bool FontFile::scalable() const
{
    return FT_IS_SCALABLE(face_->face);
}

void FontFile::setSize(int pixels)
{
    if (FT_Set_Pixel_Sizes(face_->face, 0, static_cast<FT_UInt>(pixels)) != 0) {
        std::string sizes;
        for (int size : bitmapSizes())
            sizes += (sizes.empty() ? "" : "、") + std::to_string(size);
        throw Error("字体没有" + std::to_string(pixels) + "像素的字形" +
                    (sizes.empty() ? std::string() : "，只有 " + sizes + " 像素的点阵"));
    }
    face_->pixels = pixels;
}

FontLine FontFile::line() const
{
    const FT_Size_Metrics &metrics = face_->face->size->metrics;
    return {static_cast<int>((metrics.ascender + 63) >> 6),
            static_cast<int>((-metrics.descender + 63) >> 6), face_->pixels};
}

std::optional<GlyphImage> FontFile::glyphOf(const GlyphKey &key)
{
    FT_ULong code = key.character;
    if (face_->gbOnly) {
        if (key.gb2312 < 0x100)
            return std::nullopt;
        code = key.gb2312 - face_->gbOffset;
    }
    const FT_UInt index = FT_Get_Char_Index(face_->face, code);
    if (index == 0)
        return std::nullopt;
    const FT_Error error = FT_Load_Glyph(face_->face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO);
    if (error != 0)
        throw Error("字形数据无法读取" + errorCode(error));
    const FT_GlyphSlot slot = face_->face->glyph;
    const FT_Bitmap *bitmap = &slot->bitmap;
    if (!readable(*bitmap))
        throw Error("字形的点阵数据已损坏");
    if (bitmap->pixel_mode != FT_PIXEL_MODE_MONO && bitmap->rows > 0 && bitmap->width > 0) {
        // A grey or colour strike: one bit from half its levels.
        FT_Bitmap &grey = face_->converted;
        if (FT_Bitmap_Convert(library_->handle, bitmap, &grey, 1) != 0)
            throw Error("字形的点阵无法转换");
        const unsigned half = std::max(1u, static_cast<unsigned>(grey.num_grays) / 2);
        for (unsigned y = 0; y < grey.rows; ++y) {
            unsigned char *row =
                grey.buffer + static_cast<std::size_t>(y) * static_cast<unsigned>(grey.pitch);
            // Packed in place: byte k of the row takes pixels 8k to 8k + 7, all read already.
            for (unsigned x = 0; x < grey.width; ++x) {
                const bool lit = row[x] >= half;
                if (x % 8 == 0)
                    row[x / 8] = 0;
                if (lit)
                    row[x / 8] = static_cast<unsigned char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        bitmap = &grey;
    }
    // Mono here, whether FreeType's or packed above from grey levels in the grey strike's rows.
    if (bitmap->width > 0 && bitmap->rows > 0 &&
        (!bitmap->buffer ||
         static_cast<unsigned>(std::abs(bitmap->pitch)) < (bitmap->width + 7) / 8))
        throw Error("字形的点阵数据已损坏");
    GlyphImage image;
    image.width = static_cast<int>(bitmap->width);
    image.height = static_cast<int>(bitmap->rows);
    image.pitch = bitmap->pitch;
    image.rows = bitmap->buffer;
    if (bitmap->pitch < 0 && image.height > 0)
        image.rows =
            bitmap->buffer + static_cast<std::ptrdiff_t>(image.height - 1) * -bitmap->pitch;
    image.left = slot->bitmap_left;
    image.top = slot->bitmap_top;
    image.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    if (image.width == 0 || image.height == 0)
        image.rows = nullptr;
    return image;
}

} // namespace zandrel
