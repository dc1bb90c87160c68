#include "ui/GlyphPage.h"

namespace zandrel {

GlyphPage::GlyphPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet3"));
}

void GlyphPage::GetHzBtnClick() {}

} // namespace zandrel
