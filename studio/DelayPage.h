// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "studio/GeneratorPage.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;

namespace zandrel::studio {

// 延时: a software delay timed to the clock for a crystal and core.
class DelayPage : public GeneratorPage
{
    Q_OBJECT

public:
    explicit DelayPage(QWidget *parent = nullptr);

    // The time as --time takes it: the number and its unit ("1ms").
    QString timeText() const;
    // The exact clock count and the error, above the code.
    void setFigures(const QString &figures);

protected:
    PageResult makeResult() override;
    void showResult(const PageResult &result) override;

private:
    QComboBox *crystal_;
    QComboBox *core_;
    QDoubleSpinBox *time_;
    QComboBox *unit_;
    QComboBox *format_;
    QComboBox *compiler_;
    QLineEdit *name_;
    QCheckBox *crlf_;
    QLabel *figures_;
    QString figuresText_; // of the last result
};

} // namespace zandrel::studio
