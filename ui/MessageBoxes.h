// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <functional>

class QMessageBox;

namespace zandrel {

// The shared refusal box: caption "错误", error icon, one OK button, modal.
void ShowError(const QString &text);

// The box that reports a failure raised inside a handler: the application title as
// caption, error icon, OK, and the message ending in a full stop (see failureText).
void showFailure(const QString &message);

// A failure message as the failure box shows it: "." is appended unless the message already
// ends in a character that sorts at or before ".".
QString failureText(const QString &message);

// Lets tests see every box the program is about to show, fully set up, instead of running
// its modal loop. With no interceptor set the box is shown with exec().
using MessageBoxInterceptor = std::function<void(QMessageBox &box)>;
void setMessageBoxInterceptor(MessageBoxInterceptor interceptor);

} // namespace zandrel
