// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Appearance.h"

#include <QCheckBox>
#include <QStyleFactory>

#include <algorithm>

namespace zandrel {

ZandrelStyle::ZandrelStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Windows"))) {}

int ZandrelStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    const int size = QProxyStyle::pixelMetric(metric, option, widget);
    if ((metric == PM_IndicatorWidth || metric == PM_IndicatorHeight) && qobject_cast<const QCheckBox *>(widget))
        return std::min(size, widget->height());
    return size;
}

QFont fontWithSubstitutes(const QString &family, int pixelSize, const QStringList &substitutes)
{
    QFont::insertSubstitutions(family, substitutes);
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setWeight(QFont::Normal);
    return font;
}

QFont windowFont()
{
    // Song faces of free desktops stand in for the Windows one.
    return fontWithSubstitutes(QStringLiteral("宋体"), 12,
                               {QStringLiteral("SimSun"), QStringLiteral("NSimSun"),
                                QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Sans CJK SC")});
}

QColor colorFromBgr(std::uint32_t bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

} // namespace zandrel
