// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Version.h"

#include <QSettings>
#include <QString>

namespace zandrel::studio {

// Where the studio remembers its pages, named by its application ID (the main window keeps
// nothing, so the two cannot collide).
inline QSettings studioSettings()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zandrel"),
                     QString::fromLatin1(kStudioApplicationId.data(),
                                         qsizetype(kStudioApplicationId.size())));
}

} // namespace zandrel::studio
