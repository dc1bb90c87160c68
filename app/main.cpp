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
    return application.exec();
}
