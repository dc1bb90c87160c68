#pragma once

#include <QValidator>

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

} // namespace zandrel
