// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QPixmap>

namespace zandrel {

// The 16 x 16 glyph of the reference page's find button: a magnifier over a yellow folder,
// on a transparent background.
QPixmap findButtonGlyph();

} // namespace zandrel
