// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Dither.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Pictures decoded by Qt's image reader, brought to the size the display wants. A picture may
// be hostile: failures are an Error with the message for the user, and decoding is capped.
namespace zandrel {

struct PictureSize
{
    int width = 0; // 0 × 0: the picture's own size, scaled down to fit 256 × 256 if larger
    int height = 0;
    bool stretch = false; // fill width × height instead of fitting inside and centring
};

// The luminance of a PNG, BMP, GIF (its first frame), JPEG, PBM/PGM/PPM or XBM picture,
// transparent pixels counted as white, at that size.
GreyImage decodePicture(std::span<const std::uint8_t> bytes, const PictureSize &size);

} // namespace zandrel

// The same as a plain function of the loadable module zandrel-gen-picture, which carries Qt Gui
// so that zandrel-gen loads it only for pictures. False with the message on failure.
using DecodePictureFunction = bool (*)(const std::uint8_t *data, std::size_t size,
                                       const zandrel::PictureSize *wanted,
                                       zandrel::GreyImage *picture, std::string *message);
inline constexpr const char *kDecodePictureSymbol = "zandrelDecodePicture";

namespace zandrel {
// decodePicture in that form, for a program that links the reader instead of loading the module.
bool decodePictureTo(const std::uint8_t *data, std::size_t size, const PictureSize *wanted,
                     GreyImage *picture, std::string *message);
} // namespace zandrel
