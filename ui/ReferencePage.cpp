// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/ReferencePage.h"

#include "core/AsmTable.h"
#include "data/InstructionRecords.h"
#include "ui/Application.h"
#include "ui/AsmGrid.h"
#include "ui/AsmGridModel.h"
#include "ui/FindButtonGlyph.h"
#include "ui/Text.h"
#include "ui/Validators.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace zandrel {
namespace {

constexpr int kGridHeight = 198;

} // namespace

ReferencePage::ReferencePage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet5"));

    // The grid owns its model, so the model, and with it the table, outlives the grid.
    model_ = new AsmGridModel(builtInInstructionRecords());
    grid_ = new AsmGrid(*model_, this);
    model_->setParent(grid_);
    grid_->setGeometry(0, 0, 596, kGridHeight);

    StaticText9 = new QLabel(QStringLiteral("输入查询条件:"), this);
    StaticText9->setObjectName(QStringLiteral("StaticText9"));
    StaticText9->setGeometry(104, 216, 82, 16);

    AsmCommandEdit = new QLineEdit(this);
    AsmCommandEdit->setObjectName(QStringLiteral("AsmCommandEdit"));
    AsmCommandEdit->setGeometry(200, 213, 121, 20);
    StaticText9->setBuddy(AsmCommandEdit);
    AsmCommandEdit->setMaxLength(32767); // Qt's own maximum: in effect no limit
    AsmCommandEdit->setValidator(new UpperCaseValidator(AsmCommandEdit));
    connect(AsmCommandEdit, &QLineEdit::textChanged, this,
            guardedSlot(this, &ReferencePage::AsmCommandEditChange));

    AsmFindBtn = new QPushButton(QStringLiteral("查询(&C)"), this);
    AsmFindBtn->setObjectName(QStringLiteral("AsmFindBtn"));
    AsmFindBtn->setGeometry(328, 210, 75, 25);
    AsmFindBtn->setIcon(findButtonGlyph());
    AsmFindBtn->setIconSize(QSize(16, 16));
    connect(AsmFindBtn, &QPushButton::clicked, this,
            guardedSlot(this, &ReferencePage::AsmFindBtnClick));

    setTabOrder(grid_, AsmCommandEdit);
    setTabOrder(AsmCommandEdit, AsmFindBtn);
}

AsmTable &ReferencePage::asmTable() const
{
    return model_->table();
}

void ReferencePage::AsmCommandEditChange()
{
    AsmTable &table = model_->table();
    table.setFilterCaseInsensitive(true);
    // Not trimmed: blanks in the query count.
    table.setFilter(nameContainsFilter(toGb2312WithStandIns(AsmCommandEdit->text())));
    table.setFiltered(true);
}

void ReferencePage::TabSheet5Show()
{
    AsmCommandEdit->setFocus();
}

void ReferencePage::AsmFindBtnClick()
{
    if (const auto &showFindDialog = GridFindDialogEntry())
        showFindDialog(*grid_);
}

void ReferencePage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Restoring the window is a spontaneous show; only coming into view as a page counts.
    if (!event->spontaneous())
        guarded([this] { TabSheet5Show(); });
}

void ReferencePage::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    // The grid spans the page's width along its top.
    grid_->setGeometry(0, 0, width(), kGridHeight);
}

} // namespace zandrel
