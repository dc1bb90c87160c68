// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Application.h"

#include "ui/Appearance.h"
#include "ui/MessageBoxes.h"
#include "ui/ProgramIcon.h"

#include "core/Version.h"


#include <exception>

namespace zandrel {

TApplication::TApplication(int &argc, char **argv) : QApplication(argc, argv)
{
    setApplicationName(QStringLiteral("Zandrel"));
    // Lets the desktop match the window to its menu entry, and so to its name and icon.
    setDesktopFileName(QString::fromLatin1(kApplicationId.data(), qsizetype(kApplicationId.size())));
    setStyle(new ZandrelStyle);
}

bool TApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        reportCurrentException();
        return false;
    }
}

void reportCurrentException()
{
    try {
        throw;
    } catch (const std::exception &e) {
        showFailure(QString::fromUtf8(e.what()));
    } catch (...) {
        showFailure(QStringLiteral("未知错误"));
    }
}

} // namespace zandrel
