// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/GlyphSource.h"

#include <cstdint>
#include <memory>
#include <vector>

// A font file read through FreeType: BDF and PCF bitmap fonts (gzipped too), TrueType and
// OpenType with their embedded bitmaps or rendered in one bit. The file may be hostile: every
// failure is an Error with the message for the user, and FreeType's memory is capped.
namespace zandrel {

class FontFile : public GlyphSource
{
public:
    // Face face (from 0) of the file's bytes. Throws Error for what is not a font, a face
    // the file does not have, or a font without a Unicode or GB2312 character map.
    FontFile(std::vector<std::uint8_t> bytes, int face);
    ~FontFile() override;
    FontFile(const FontFile &) = delete;
    FontFile &operator=(const FontFile &) = delete;

    // The sizes in pixels at which the font has bitmaps; a font of bitmaps only has no other.
    std::vector<int> bitmapSizes() const;
    bool scalable() const;
    // Draws at size pixels from now on. Throws Error when the font cannot.
    void setSize(int pixels);

    FontLine line() const override;
    std::optional<GlyphImage> glyphOf(const GlyphKey &key) override;

    // Largest file, and largest unpacked gzip, that is read.
    static constexpr std::size_t kMaxFileBytes = 64u << 20;

private:
    struct Library;
    std::unique_ptr<Library> library_;
    std::vector<std::uint8_t> bytes_;
    struct FaceData;
    std::unique_ptr<FaceData> face_;
};

} // namespace zandrel
