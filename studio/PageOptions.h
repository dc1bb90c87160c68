// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSpinBox;
class QWidget;

// The option fields several pages share, each built once. Choice boxes carry the command line's
// spelling of each value (see makeChoiceBox); the page's object-name prefix keeps every field's
// name, and so its remembered value, its own.
namespace zandrel::studio {

QComboBox *makeLayoutBox(const QString &prefix);
QComboBox *makeBitOrderBox(const QString &prefix);
QComboBox *makePadBox(const QString &prefix);
// 阴码 (lit pixels are 1) or 阳码 (every byte inverted): "false" or "true".
QComboBox *makeInvertBox(const QString &prefix);
// "" for none, or a display preset that sets the layout, bit order and (pictures) the size.
QComboBox *makeDisplayBox(const QString &prefix);
QComboBox *makeCompilerBox(const QString &prefix);
// The usual crystals in MHz; any other can be typed.
QComboBox *makeCrystalBox(const QString &prefix);
// The cores that time and delay code is made for: 12t, 6t, stc12, stc15, stc8, and "clocks-1" for
// the generic one-clock core of --clocks 1.
QComboBox *makeCoreBox(const QString &prefix);
QLineEdit *makeNameEdit(const QString &prefix, const QString &placeholder);
QCheckBox *makeCrlfBox(const QString &prefix);

// A width × height pair of spin boxes from 0 (or 1) to 256; with allowAuto, 0 shows as 自动 and
// means "left out". Each spin box is named for screen readers, as one label names the pair.
struct ExtentFields
{
    QWidget *row;
    QSpinBox *width;
    QSpinBox *height;
};
ExtentFields makeExtentFields(const QString &objectName, const QString &spokenName, bool allowAuto,
                              int width, int height);

} // namespace zandrel::studio
