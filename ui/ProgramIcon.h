// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QIcon>

namespace zandrel {

// A program's icon in every size of the hicolor theme, from the resource folder that holds its
// SIZE.rgba files (Zandrel's own by default). Its pixels are embedded raw, so a size costs
// nothing until it is asked for and no decoding then: a window manager takes every size at
// once, as the window is mapped.
QIcon programIcon(const QString &folder = QStringLiteral(":/icon"));

} // namespace zandrel
