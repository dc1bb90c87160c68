// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary pasted text through the byte-list reader behind 字模还原 and zandrel-gen decode: a
// fault points into the text and says why; the bytes read, written again as a C list, as DB
// lines or as bare hex, read back the same.
#include "core/ByteListText.h"
#include "core/ByteText.h"
#include "fuzz/FuzzCheck.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

using zandrel::fuzz::check;

namespace {

void readsBack(const std::string &text, const std::vector<std::uint8_t> &bytes)
{
    const zandrel::ByteList again = zandrel::readByteList(text);
    check(!again.fault);
    check(again.bytes == bytes);
    check(again.skippedCodes == 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const zandrel::ByteList list = zandrel::readByteList(text);
    if (list.fault) {
        check(list.bytes.empty());
        check(!list.fault->message.empty());
        const auto lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
        check(list.fault->line >= 1 && list.fault->line <= lines);
        check(list.fault->column >= 1 && static_cast<std::size_t>(list.fault->column) <= size + 1);
        return 0;
    }
    if (list.bytes.empty())
        return 0;
    std::string c = "{";
    std::string db;
    std::string hex;
    for (const std::uint8_t b : list.bytes) {
        const std::string digits = zandrel::twoDigitHex(b);
        c += "0x" + digits + ",";
        db += "DB 0" + digits + "H ;x\n";
        hex += digits + " ";
    }
    readsBack(c + "}", list.bytes);
    readsBack(db, list.bytes);
    readsBack(hex, list.bytes);
    return 0;
}
