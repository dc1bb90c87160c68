// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

namespace zandrel::studio {

// Lets screen readers meet the previews as pictures (role Graphic) with their names and
// descriptions, instead of as bare panes. Installs Qt's accessibility factory once.
void installPreviewAccessibility();

} // namespace zandrel::studio
