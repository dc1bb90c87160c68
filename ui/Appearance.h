// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QColor>
#include <QFont>
#include <QProxyStyle>
#include <QStringList>

#include <cstdint>

// How the program looks: its style, its fonts and its colour values.
namespace zandrel {

// The classic Windows look the pages' fixed pixel layouts were drawn for, with one change:
// a check box lower than the usual check mark gets a mark that fits it, instead of a
// clipped one (the byte converter's bit boxes are 10 pixels high).
class ZandrelStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ZandrelStyle();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
};

// A font asked for by the family name the program was designed with, at a pixel size, with
// the faces that stand in for that family where it is missing (registered once, however
// often this is called).
QFont fontWithSubstitutes(const QString &family, int pixelSize, const QStringList &substitutes);

// The window font: "宋体" at 12 pixels, with Song faces of free desktops registered as its
// substitutes.
QFont windowFont();

// Converts a 0x00BBGGRR colour value.
QColor colorFromBgr(std::uint32_t bgr);

} // namespace zandrel
