// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "dialogs/GridFindDialog.h"
#include "ui/Application.h"
#include "ui/Main.h"
#include "ui/ProgramIcon.h"

int main(int argc, char *argv[])
{
    zandrel::TApplication application(argc, argv);
    zandrel::installGridFindDialog();
    zandrel::TMainForm mainForm;
    mainForm.show();
    // The icon follows the shown window: its 360 KB of pixels would otherwise keep the window
    // system from showing the window until it had taken them in. The window has it as its
    // own, which Qt hands over once (the application's it hands over twice for a window that
    // does not yet exist); dialogs opened later take it from the application.
    const QIcon icon = zandrel::programIcon();
    mainForm.setWindowIcon(icon);
    application.setWindowIcon(icon);
    return application.exec();
}
