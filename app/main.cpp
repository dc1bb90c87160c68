// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "dialogs/GridFindDialog.h"
#include "ui/Application.h"
#include "ui/Main.h"

int main(int argc, char *argv[])
{
    zandrel::TApplication application(argc, argv);
    zandrel::installGridFindDialog();
    zandrel::TMainForm mainForm;
    mainForm.show();
    // The window has the icon as its own, which Qt hands to the window manager once; as the
    // application's it would be converted and sent twice, at creation and again for the
    // widget. Dialogs opened later take it from the application.
    application.setWindowIcon(mainForm.windowIcon());
    return application.exec();
}
