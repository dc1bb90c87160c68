// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QAbstractButton>
#include <QLineEdit>

namespace zandrel {

// The small push button inside a ButtonEdit: a button face with a minus sign. Pressing it
// first gives its edit the focus; releasing over it clicks it once (no repeat).
class EditButton : public QAbstractButton
{
    Q_OBJECT

public:
    explicit EditButton(QLineEdit *edit);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QLineEdit *edit_;
};

// A single-line edit with one embedded button at its right edge. Typed characters outside
// the allowed set are dropped (control keys pass), letters are shown upper-case, and
// Alt+Down clicks the button.
class ButtonEdit : public QLineEdit
{
    Q_OBJECT

public:
    explicit ButtonEdit(QWidget *parent = nullptr);

    // Characters that typing may enter; empty means any.
    void setAllowedCharacters(const QString &characters) { allowed_ = characters; }
    EditButton *button() const { return button_; }

signals:
    void buttonClicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeButton();

    EditButton *button_;
    QString allowed_;
};

} // namespace zandrel
