// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The find path, the dialog: the find window with its choices and history. Each Find goes to
// the search walk (dialogs/GridTextSearch), which moves the grid through its navigation
// interface (ui/AsmGrid) over the table's cursor (core/AsmTable).
#pragma once

#include "dialogs/GridTextSearch.h"

#include <QDialog>
#include <QPointer>
#include <QString>

class QCheckBox;
class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace zandrel {

class AsmGrid;

// The find dialog over the instruction grid. It stays open between searches, so that each
// Find moves the grid behind it on to the next matching cell; one instance serves the whole
// run and keeps the history of search texts and the user's last choices.
class TGridFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TGridFindDialog(QWidget *parent = nullptr);

    // Readies the dialog for searching grid: an empty text, the Find-in list of the grid's
    // columns with its current column chosen, the focus in the text box.
    void prepare(AsmGrid &grid);

    void bFindClick();
    void bCancelClick();
    void cbTextChange();
    void cbFindInChange();
    // Enter and Escape, seen before the focused control does; true when the key was used.
    bool FormKeyDown(const QKeyEvent &event);

    // While set, the direction "全部" starts from the first record.
    bool StartFromTop = true;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void addToHistory(const QString &text);
    bool focusInText() const;

    QPointer<AsmGrid> grid_;
    // What cbText held when it got the focus, and whether the user changed it since then
    // (or since the last Find started with Enter): Escape then puts that text back.
    QString textAtFocus_;
    bool textTyped_ = false;

    QLabel *Label1;
    QComboBox *cbText;
    QLabel *Label2;
    QComboBox *cbFindIn;
    QLabel *cbMatchType;
    QComboBox *cbMatchinType;
    QLabel *Label3;
    QComboBox *cbFindDirection;
    QCheckBox *cbCharCase;
    QCheckBox *cbUseFormat;
    QPushButton *bFind;
    QPushButton *bCancel;
    QLabel *Label4;
    QComboBox *dbcTreeFindRange;
};

// Shows the find dialog for grid, modal over its window, and returns once the user has
// closed it. The dialog is created at the first call and kept until the program ends.
void ShowGridFindDialog(AsmGrid &grid);

// Makes ShowGridFindDialog the way the grid and its page open a find dialog.
void installGridFindDialog();

} // namespace zandrel
