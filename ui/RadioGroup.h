// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QRadioButton;

namespace zandrel {

// A group box of mutually exclusive radio buttons, one per item, stacked in a column and
// read as the index of the selected item.
class RadioGroup : public QGroupBox
{
    Q_OBJECT

public:
    RadioGroup(const QString &caption, const QStringList &items, QWidget *parent);

    // The selected item, or -1 when none is.
    int itemIndex() const;
    void setItemIndex(int index);

    QRadioButton *item(int index) const;

signals:
    // A new item became selected, by the user or by setItemIndex.
    void itemIndexChanged(int index);

private:
    QButtonGroup *buttons_;
};

} // namespace zandrel
