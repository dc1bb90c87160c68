#include "ui/SegmentPage.h"

#include "ui/Main.h"

namespace zandrel {

SegmentPage::SegmentPage(TMainForm &form, QWidget *parent) : QWidget(parent), form_(form)
{
    setObjectName(QStringLiteral("TabSheet2"));
}

void SegmentPage::DrawDigit() {}

} // namespace zandrel
