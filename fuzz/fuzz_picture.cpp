// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary bytes as a picture through image's reading path: Qt's image reader, the fitting to
// a display's size, every dither and the page layout.
#include "core/Bitmap.h"
#include "core/Dither.h"
#include "core/Error.h"
#include "readers/Picture.h"
#include "fuzz/FuzzCheck.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using zandrel::fuzz::check;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    // The reader finds its GIF and JPEG plug-ins through the application.
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    for (const zandrel::PictureSize wanted :
         {zandrel::PictureSize{}, zandrel::PictureSize{16, 8, false}}) {
        try {
            const zandrel::GreyImage picture =
                zandrel::decodePicture(std::span(data, size), wanted);
            check(picture.width >= 1 && picture.width <= zandrel::kMaxBitmapSide &&
                  picture.height >= 1 && picture.height <= zandrel::kMaxBitmapSide);
            check(picture.levels.size() ==
                  static_cast<std::size_t>(picture.width * picture.height));
            check(wanted.width == 0 || (picture.width == 16 && picture.height == 8));
            for (const auto dither : {zandrel::Dither::None, zandrel::Dither::FloydSteinberg,
                                      zandrel::Dither::Atkinson, zandrel::Dither::Bayer4}) {
                const zandrel::Bitmap bitmap = zandrel::ditherToBitmap(picture, 128, dither);
                std::vector<std::uint8_t> bytes;
                zandrel::packBitmap(
                    bitmap, {zandrel::BitmapLayout::Page, zandrel::BitOrder::Lsb, true}, bytes);
                check(bytes.size() == zandrel::packedSize(picture.width, picture.height,
                                                          zandrel::BitmapLayout::Page));
            }
        } catch (const zandrel::Error &) {
            // Refused: what zandrel-gen reports with exit status 2.
        }
    }
    return 0;
}
