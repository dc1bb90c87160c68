// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QApplication>

namespace zandrel {

// The application object. Its title is "Zandrel", and any exception that escapes an event
// handler is shown in the failure box instead of ending the program: the event that raised
// it is dropped and the event loop goes on.
class TApplication : public QApplication
{
    Q_OBJECT

public:
    TApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

// Shows the failure box for the exception being handled; call it from a catch block.
void reportCurrentException();

// Runs handler and reports whatever it throws, so no exception ever leaves a slot.
template <typename Handler>
void guarded(Handler &&handler)
{
    try {
        handler();
    } catch (...) {
        reportCurrentException();
    }
}

// A slot that runs receiver->handler() under guarded.
template <typename Receiver>
auto guardedSlot(Receiver *receiver, void (Receiver::*handler)())
{
    return [receiver, handler] { guarded([&] { (receiver->*handler)(); }); };
}

} // namespace zandrel
