// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary pasted text through the byte routines and the converter's three text boxes.
#include "core/AsciiText.h"
#include "core/ByteEntry.h"
#include "core/ByteText.h"
#include "core/Error.h"
#include "fuzz/FuzzCheck.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

using zandrel::fuzz::check;

// A value must be a byte; a refusal must say why; a blank entry must really be blank.
void checkEntry(const zandrel::ByteEntry &entry, std::string_view text)
{
    using Kind = zandrel::ByteEntry::Kind;
    switch (entry.kind) {
    case Kind::Value:
        check(entry.value >= 0 && entry.value <= 255);
        check(zandrel::BitTextToByte(zandrel::PadBinText(zandrel::ByteToBinText(entry.value))) == entry.value);
        break;
    case Kind::Refused:
        check(!entry.message.empty());
        break;
    case Kind::Blank:
        check(zandrel::trimBlanks(text).empty());
        break;
    }
}

template <typename Read>
void readBox(Read read, std::string_view text)
{
    try {
        checkEntry(read(text), text);
    } catch (const zandrel::Error &) {
        // Not an integer: the failure box reports it.
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    readBox(zandrel::readBinaryEntry, text);
    readBox(zandrel::readDecimalEntry, text);
    readBox(zandrel::readHexEntry, text);

    zandrel::BitTextToByte(text);
    for (char c : text)
        check(zandrel::HexCharValue(c) >= 0 && zandrel::HexCharValue(c) <= 15);
    try {
        const std::string padded = zandrel::PadBinText(text);
        check(padded.size() >= 8);
    } catch (const zandrel::Error &e) {
        // what() is a C string: an embedded NUL ends it early.
        const std::string expected = "'" + text + "' is not a valid integer value";
        check(std::string(e.what()) == expected.substr(0, expected.find('\0')));
    }
    return 0;
}
