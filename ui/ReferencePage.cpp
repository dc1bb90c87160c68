#include "ui/ReferencePage.h"

namespace zandrel {

ReferencePage::ReferencePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));
}

} // namespace zandrel
