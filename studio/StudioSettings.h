// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Version.h"

#include <QSettings>
#include <QString>

#include <memory>

namespace zandrel::studio {

// Where the studio remembers its pages, named by its application ID (the main window keeps
// nothing, so the two cannot collide). Every instance in the process sees the others' changes.
inline QSettings *newStudioSettings(QObject *parent = nullptr)
{
    return new QSettings(
        QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zandrel"),
        QString::fromLatin1(kStudioApplicationId.data(), qsizetype(kStudioApplicationId.size())),
        parent);
}

// For a few reads or writes at once; it writes to disk when it goes.
inline std::unique_ptr<QSettings> studioSettings()
{
    return std::unique_ptr<QSettings>(newStudioSettings());
}

} // namespace zandrel::studio
