#include "ui/Style.h"

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

} // namespace zandrel
