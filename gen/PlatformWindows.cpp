// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Platform.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>

namespace zandrel::gen {

// The C runtime opens the standard streams in text mode, which writes every 0x0A as 0x0D 0x0A
// and reads 0x1A as the end; the tables are bytes, and --crlf alone asks for CR LF.
void prepareStandardStreams()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
}

// A pipe whose writer has closed reports ERROR_BROKEN_PIPE where a file reports its end; both
// are the end of the input here.
std::optional<QByteArray> readStandardInput()
{
    const HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    QByteArray bytes;
    if (in == nullptr || in == INVALID_HANDLE_VALUE)
        return bytes; // no standard input at all: nothing to read
    char buffer[65536];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer, sizeof buffer, &got, nullptr))
            return GetLastError() == ERROR_BROKEN_PIPE ? std::optional(bytes) : std::nullopt;
        if (got == 0)
            return bytes;
        bytes.append(buffer, static_cast<qsizetype>(got));
    }
}

// A console shows UTF-16 whatever its code page (on a Chinese Windows that is 936, which would
// show UTF-8 as mojibake); a redirected stream gets UTF-8, as it does everywhere else.
void writeText(std::FILE *stream, const QString &text)
{
    const auto console = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
    DWORD mode = 0;
    if (console == INVALID_HANDLE_VALUE || !GetConsoleMode(console, &mode)) {
        const QByteArray utf8 = text.toUtf8();
        std::fwrite(utf8.constData(), 1, static_cast<std::size_t>(utf8.size()), stream);
        return;
    }
    std::fflush(stream);
    const auto *units = reinterpret_cast<const wchar_t *>(text.utf16());
    qsizetype left = text.size();
    while (left > 0) {
        DWORD written = 0;
        const auto chunk = static_cast<DWORD>(std::min<qsizetype>(left, 16384));
        if (!WriteConsoleW(console, units, chunk, &written, nullptr) || written == 0)
            return;
        units += written;
        left -= written;
    }
}

} // namespace zandrel::gen
