// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QLabel>
#include <QRect>
#include <QString>

#include <utility>

namespace zandrel {

// Creates a control of type T on parent, constructed from args, with its component name and
// its fixed place on the page.
template <typename T, typename... Args>
T *makeControl(QWidget *parent, const QString &name, QRect geometry, Args &&...args)
{
    auto *control = new T(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(geometry);
    return control;
}

inline QLabel *makeStaticText(QWidget *parent, const QString &name, const QString &text, QRect geometry)
{
    return makeControl<QLabel>(parent, name, geometry, text);
}

} // namespace zandrel
