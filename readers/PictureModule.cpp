// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The loadable module that decodes pictures for zandrel-gen.
#include "core/Error.h"
#include "readers/Picture.h"

#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT bool zandrelDecodePicture(const std::uint8_t *data, std::size_t size,
                                                   const zandrel::PictureSize *wanted,
                                                   zandrel::GreyImage *picture,
                                                   std::string *message)
{
    try {
        *picture = zandrel::decodePicture(std::span(data, size), *wanted);
        return true;
    } catch (const zandrel::Error &error) {
        *message = error.what();
    } catch (const std::bad_alloc &) {
        *message = "图片太大，内存不足";
    }
    return false;
}

static_assert(std::is_same_v<decltype(&zandrelDecodePicture), DecodePictureFunction>);
