// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QValidator>

// What typing into the program's edit boxes may do.
namespace zandrel {

// Shows letters upper-case as they are typed or pasted, one character for one, so the
// cursor stays where it was. It refuses nothing.
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

// Refuses any edit that makes the text longer than maxBytes in GB2312, the way a length
// limit counted in bytes would.
class Gb2312LengthValidator : public QValidator
{
    Q_OBJECT

public:
    Gb2312LengthValidator(qsizetype maxBytes, QObject *parent);

    State validate(QString &input, int &pos) const override;

private:
    qsizetype maxBytes_;
};

} // namespace zandrel
