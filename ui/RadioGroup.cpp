// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/RadioGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zandrel {

RadioGroup::RadioGroup(const QString &caption, const QStringList &items, QWidget *parent)
    : QGroupBox(caption, parent), buttons_(new QButtonGroup(this))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(8, 0, 4, 2);
    column->setSpacing(0);
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        column->addWidget(button);
    }
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

int RadioGroup::itemIndex() const
{
    return buttons_->checkedId();
}

void RadioGroup::setItemIndex(int index)
{
    if (QAbstractButton *button = buttons_->button(index))
        button->setChecked(true);
}

QRadioButton *RadioGroup::item(int index) const
{
    return qobject_cast<QRadioButton *>(buttons_->button(index));
}

} // namespace zandrel
