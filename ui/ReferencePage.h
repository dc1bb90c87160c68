// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace zandrel {

class AsmGrid;
class AsmGridModel;
class AsmTable;

// The fourth page: the 8051 instruction reference. The grid shows the instruction table;
// the query box below narrows it, as typed, to the mnemonics containing the text.
class ReferencePage : public QWidget
{
    Q_OBJECT

public:
    explicit ReferencePage(QWidget *parent = nullptr);

    AsmTable &asmTable() const;

    // Filters the table to NAME LIKE '%<query>%', letter case ignored.
    void AsmCommandEditChange();
    // Puts the focus in the query box whenever the page comes into view.
    void TabSheet5Show();
    // Opens the find dialog for the grid.
    void AsmFindBtnClick();

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    AsmGridModel *model_;
    AsmGrid *grid_; // the control AsmGrid
    QLabel *StaticText9;
    QLineEdit *AsmCommandEdit;
    QPushButton *AsmFindBtn;
};

} // namespace zandrel
