// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/AsciiText.h"

#include <string>
#include <string_view>

// Reading a byte typed or pasted into one of the converter's three text boxes.
namespace zandrel {

struct ByteEntry
{
    enum class Kind {
        Blank,   // nothing but blanks: the box's button does nothing
        Value,   // a byte to show in every view
        Refused, // out of range or foreign: shown to the user, nothing changes
    };
    Kind kind = Kind::Blank;
    int value = 0;
    std::string message; // for Refused
};

// Binary digits, up to eight of them. Text that is no decimal integer at all throws Error
// "'<text>' is not a valid integer value"; an integer with other digits ("12", "-1") is
// refused, since its digits would otherwise be summed into a wrong byte.
ByteEntry readBinaryEntry(std::string_view text);

// A decimal number 0 to 255. Text that is no decimal integer throws as above.
ByteEntry readDecimalEntry(std::string_view text);

// One or two hexadecimal digits, blanks around them ignored.
ByteEntry readHexEntry(std::string_view text);

} // namespace zandrel
