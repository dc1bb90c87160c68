// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

// What assistive tools see of the program's own clickable widgets.
namespace zandrel {

// The accessible interface of a clickable widget of ours (one with a click() that does what a
// mouse click does): pressing it through an assistive tool is a click on it.
template <typename Widget>
class ClickableAccessible : public QAccessibleWidget
{
public:
    ClickableAccessible(Widget *widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString &action) override
    {
        if (actionNames().contains(action))
            target()->click();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

protected:
    Widget *target() const { return static_cast<Widget *>(widget()); }
};

// Makes Interface the accessible interface of every Widget; call it from Widget's constructor.
// The factory is installed once, however many widgets there are.
template <typename Widget, typename Interface>
void installAccessibleInterface()
{
    static const bool installed = (QAccessible::installFactory(
                                       [](const QString &className, QObject *object) -> QAccessibleInterface * {
                                           if (className != QLatin1String(Widget::staticMetaObject.className()))
                                               return nullptr;
                                           return new Interface(static_cast<Widget *>(object));
                                       }),
                                   true);
    Q_UNUSED(installed);
}

} // namespace zandrel
