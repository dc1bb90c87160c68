// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/AboutPage.h"

#include "ui/Accessible.h"
#include "ui/Application.h"

#include <QDesktopServices>
#include <QGroupBox>
#include <QMouseEvent>
#include <QUrl>

namespace zandrel {
namespace {

// To assistive tools the web label is a link: its text is its name, its address the
// description, and pressing it is a click on it.
class LinkAccessible : public ClickableAccessible<LinkLabel>
{
public:
    explicit LinkAccessible(LinkLabel *label) : ClickableAccessible(label, QAccessible::Link) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return target()->text();
        if (kind == QAccessible::Description)
            return target()->address().toString();
        return ClickableAccessible::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = ClickableAccessible::state();
        state.linked = true;
        return state;
    }
};

} // namespace

LinkLabel::LinkLabel(const QString &text, QWidget *parent) : QLabel(text, parent)
{
    installAccessibleInterface<LinkLabel, LinkAccessible>();
}

QUrl LinkLabel::address() const
{
    return QUrl::fromUserInput(text());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

AboutPage::AboutPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet4"));

    auto *group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("AboutGroupBox"));
    group->setGeometry(126, 8, 345, 217);

    auto *thanks = new QLabel(QStringLiteral("感谢使用 Zandrel！这是为 8051 系列单片机编程者准备的"
                                             "小工具箱：字节换算、数码管字形码、汉字字模和指令速查"
                                             "都在一个窗口里。汉字点阵取自 zhcon 的 16×16 字库 "
                                             "gb-16.bpsf（Debian 的 zhcon-data 软件包），以 "
                                             "GPL-2.0-or-later 许可发布，特此致谢。"),
                              group);
    thanks->setObjectName(QStringLiteral("Label1"));
    thanks->setGeometry(29, 24, 288, 96);
    thanks->setWordWrap(true);
    thanks->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    thanks->setEnabled(false);

    auto *build = new QLabel(QStringLiteral("Build:2007.03.28"), group);
    build->setObjectName(QStringLiteral("StaticText7"));
    build->setGeometry(120, 136, 100, 16);

    auto *contact = new QLabel(QStringLiteral("联系：dev@example.org"), group);
    contact->setObjectName(QStringLiteral("StaticText8"));
    contact->setGeometry(96, 152, 148, 16);

    WebLabel = new LinkLabel(QStringLiteral("www.example.org"), group);
    WebLabel->setObjectName(QStringLiteral("WebLabel"));
    WebLabel->setGeometry(112, 176, 112, 16);
    QFont underlined = WebLabel->font();
    underlined.setUnderline(true);
    WebLabel->setFont(underlined);
    WebLabel->setCursor(Qt::PointingHandCursor);
    connect(WebLabel, &LinkLabel::clicked, this, guardedSlot(this, &AboutPage::WebLabelClick));
}

void AboutPage::WebLabelClick()
{
    QDesktopServices::openUrl(WebLabel->address());
}

} // namespace zandrel
