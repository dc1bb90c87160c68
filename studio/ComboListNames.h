// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QWidget;

namespace zandrel::studio {

// A combo box shows screen readers its list and, when editable, its text field as controls of
// their own, which Qt leaves unnamed: they take the box's name. Naming a list builds it (a
// pop-up with its view, for every box), so the boxes in page are named now while a screen
// reader or other assistive technology is active, else as soon as one starts.
void nameComboListsForScreenReaders(QWidget *page);

} // namespace zandrel::studio
