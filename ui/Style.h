#pragma once

#include <QProxyStyle>

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

} // namespace zandrel
