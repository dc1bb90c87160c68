// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Validators.h"

#include "ui/Text.h"

namespace zandrel {

Gb2312LengthValidator::Gb2312LengthValidator(qsizetype maxBytes, QObject *parent)
    : QValidator(parent), maxBytes_(maxBytes)
{
}

QValidator::State Gb2312LengthValidator::validate(QString &input, int &) const
{
    return gb2312Length(input) <= maxBytes_ ? Acceptable : Invalid;
}

} // namespace zandrel
