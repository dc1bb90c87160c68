// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <stdexcept>
#include <string>

namespace zandrel {

// A failure that carries the message the user is shown.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string &message) : std::runtime_error(message) {}
};

} // namespace zandrel
