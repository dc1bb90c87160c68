// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/MessageBoxes.h"

#include <QApplication>
#include <QMessageBox>

namespace zandrel {
namespace {

MessageBoxInterceptor &interceptor()
{
    static MessageBoxInterceptor instance;
    return instance;
}

void showModal(const QString &caption, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setObjectName(QStringLiteral("MessageBox"));
    if (interceptor())
        interceptor()(box);
    else
        box.exec();
}

} // namespace

void ShowError(const QString &text)
{
    showModal(QStringLiteral("错误"), text);
}

QString failureText(const QString &message)
{
    if (message.isEmpty() || message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showFailure(const QString &message)
{
    showModal(QApplication::applicationName(), failureText(message));
}

void setMessageBoxInterceptor(MessageBoxInterceptor newInterceptor)
{
    interceptor() = std::move(newInterceptor);
}

} // namespace zandrel
