// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QIcon>

namespace zandrel {

// The program's icon in every size of the hicolor theme. Its pixels are embedded raw, so a
// size costs nothing until it is asked for and no decoding then: a window manager takes
// every size at once, as the window is mapped.
QIcon programIcon();

} // namespace zandrel
