// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "core/Version.h"
#include "studio/StudioWindow.h"
#include "ui/Appearance.h"
#include "ui/Application.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    // The main window's application object, for its failure box; named as the studio.
    zandrel::TApplication application(argc, argv);
    application.setApplicationName(QStringLiteral("Zandrel 代码工坊"));
    application.setDesktopFileName(QString::fromLatin1(
        zandrel::kStudioApplicationId.data(), qsizetype(zandrel::kStudioApplicationId.size())));
    // The main window's font for every window and dialog of the studio: set for the whole
    // program, each widget starts with it, instead of changing to it once put in the window.
    QApplication::setFont(zandrel::windowFont());
    zandrel::studio::StudioWindow window;
    window.show();
    return application.exec();
}
