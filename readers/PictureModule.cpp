// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The loadable module that decodes pictures for zandrel-gen.
#include "readers/Picture.h"

#include <QLoggingCategory>
#include <QtGlobal>

#include <type_traits>

extern "C" Q_DECL_EXPORT bool zandrelDecodePicture(const std::uint8_t *data, std::size_t size,
                                                   const zandrel::PictureSize *wanted,
                                                   zandrel::GreyImage *picture,
                                                   std::string *message)
{
    // The refusal is the one message zandrel-gen prints; Qt's own line about a rejected size
    // would only repeat it in other words.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio.warning=false"));
    return zandrel::decodePictureTo(data, size, wanted, picture, message);
}

static_assert(std::is_same_v<decltype(&zandrelDecodePicture), DecodePictureFunction>);
