// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/ComboListNames.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>

#include <utility>
#include <vector>

namespace zandrel::studio {
namespace {

void nameComboLists(QWidget *page)
{
    for (QComboBox *box : page->findChildren<QComboBox *>()) {
        const QString name = box->accessibleName();
        if (name.isEmpty())
            continue;
        box->view()->setAccessibleName(name);
        if (box->lineEdit())
            box->lineEdit()->setAccessibleName(name);
    }
}

// The pages whose lists wait for an assistive technology to start.
class WaitingPages : public QAccessible::ActivationObserver
{
public:
    WaitingPages() { QAccessible::installActivationObserver(this); }

    void add(QWidget *page) { pages_.emplace_back(page); }

    void accessibilityActiveChanged(bool active) override
    {
        if (!active)
            return;
        for (const QPointer<QWidget> &page : std::exchange(pages_, {})) {
            if (page)
                nameComboLists(page);
        }
    }

private:
    std::vector<QPointer<QWidget>> pages_;
};

} // namespace

void nameComboListsForScreenReaders(QWidget *page)
{
    if (QAccessible::isActive()) {
        nameComboLists(page);
        return;
    }
    // Kept for the program's life: Qt holds on to it until then.
    static auto *const waiting = new WaitingPages;
    waiting->add(page);
}

} // namespace zandrel::studio
