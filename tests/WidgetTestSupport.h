// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "ui/Application.h"
#include "ui/MessageBoxes.h"

#include <QMessageBox>
#include <QString>
#include <QTest>

#include <vector>

namespace zandrel::testing {

// What a message box looked like when the program was about to show it.
struct ShownBox
{
    QString caption;
    QString text;
    QMessageBox::Icon icon;
    QMessageBox::StandardButtons buttons;
};

// Collects every message box the program shows while it lives, instead of running the
// boxes' modal loops.
class MessageBoxRecorder
{
public:
    MessageBoxRecorder()
    {
        setMessageBoxInterceptor([this](QMessageBox &box) {
            boxes.push_back({box.windowTitle(), box.text(), box.icon(), box.standardButtons()});
        });
    }
    ~MessageBoxRecorder() { setMessageBoxInterceptor({}); }
    MessageBoxRecorder(const MessageBoxRecorder &) = delete;
    MessageBoxRecorder &operator=(const MessageBoxRecorder &) = delete;

    std::vector<ShownBox> boxes;
};

// Shows window and makes it the active one, as the user's window would be, so that keys,
// accelerators and focus behave as they do on a desktop. False if the platform would not.
inline bool showActive(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

} // namespace zandrel::testing

// Like QTEST_MAIN, with the program's own application object, so that failures escaping
// handlers are reported the way the program reports them.
#define ZANDREL_TEST_MAIN(TestObject)                                                          \
    int main(int argc, char *argv[])                                                           \
    {                                                                                          \
        zandrel::TApplication app(argc, argv);                                                 \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                               \
        TestObject test;                                                                       \
        QTEST_SET_MAIN_SOURCE_PATH                                                             \
        return QTest::qExec(&test, argc, argv);                                                \
    }
