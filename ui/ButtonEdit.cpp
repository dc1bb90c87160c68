// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/ButtonEdit.h"

#include "ui/Validators.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace zandrel {

EditButton::EditButton(QLineEdit *edit) : QAbstractButton(edit), edit_(edit)
{
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

void EditButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOptionButton option;
    option.initFrom(this);
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);

    // The minus sign: centred bar, 4/7 of the face's smaller side, a third as thick.
    const QRect face = rect().adjusted(2, 2, -2, -2);
    const int length = std::max(1, std::min(face.width(), face.height()) * 4 / 7);
    const int thickness = std::max(1, length / 3);
    int x = face.left() + (face.width() - length) / 2;
    int y = face.top() + (face.height() - thickness) / 2;
    if (isDown()) {
        ++x;
        ++y;
    }
    painter.fillRect(x, y, length, thickness, palette().buttonText());
}

void EditButton::mousePressEvent(QMouseEvent *event)
{
    edit_->setFocus(Qt::MouseFocusReason);
    QAbstractButton::mousePressEvent(event);
}

ButtonEdit::ButtonEdit(QWidget *parent) : QLineEdit(parent), button_(new EditButton(this))
{
    setValidator(new UpperCaseValidator(this));
    connect(button_, &QAbstractButton::clicked, this, &ButtonEdit::buttonClicked);
    placeButton();
}

void ButtonEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Down && (event->modifiers() & Qt::AltModifier)) {
        button_->click();
        event->accept();
        return;
    }
    // Enter and Escape are characters to the filter too, so they are dropped with the rest.
    const QString text = event->text();
    const bool command = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    const bool backspace = event->key() == Qt::Key_Backspace;
    if (!allowed_.isEmpty() && !text.isEmpty() && !command && !backspace) {
        const bool enterOrEscape = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
                                   event->key() == Qt::Key_Escape;
        if (enterOrEscape || !std::all_of(text.begin(), text.end(),
                                          [&](QChar c) { return allowed_.contains(c); })) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

void ButtonEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    placeButton();
}

void ButtonEdit::placeButton()
{
    // The button takes the right end of the client area: as wide as a vertical scroll bar,
    // as high as the client area, or square when it would be more than 1.5 times as high.
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const int buttonWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int clientHeight = std::max(0, height() - 2 * frame);
    const int buttonHeight = 3 * buttonWidth < 2 * clientHeight ? buttonWidth : clientHeight;
    button_->setGeometry(width() - frame - buttonWidth, frame, buttonWidth, buttonHeight);
    setTextMargins(0, 0, buttonWidth, 0);
}

} // namespace zandrel
