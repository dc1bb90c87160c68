// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Why a result was not made. A value handed back to the front end, which shows it beside the
// field at fault (a window) or prints it and exits with its status (the command line).
namespace zandrel::generators {

struct Refusal
{
    enum class Kind { Usage = 1, Refused = 2 }; // the command line's exit statuses
    Kind kind = Kind::Refused;
    QString message = {};
    QString option = {};    // the long name of the option at fault ("size"), or empty
    char32_t character = 0; // or the character of the text at fault, where it was seen
    int line = 0;
    int column = 0;

    int exitStatus() const { return static_cast<int>(kind); }
    bool operator==(const Refusal &) const = default;
};

// Inside the layer a refusal ends the work by being thrown; each function that makes a result
// catches it and hands it back. Never thrown out of the layer.
[[noreturn]] void refuseUsage(const QString &message, const QString &option = {});
[[noreturn]] void refuseInput(const QString &message, const QString &option = {});

} // namespace zandrel::generators
