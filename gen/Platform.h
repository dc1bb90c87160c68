// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <optional>

// What differs between the systems zandrel-gen runs on: how its standard streams carry bytes
// and text. One implementation a system (PlatformPosix.cpp, PlatformWindows.cpp).
namespace zandrel::gen {

// Makes standard input and output carry bytes as they are: no line-end translation, no end
// of file at a Ctrl-Z byte. Called once, before anything is read or written.
void prepareStandardStreams();

// All of standard input; nothing when it cannot be read.
std::optional<QByteArray> readStandardInput();

// Writes a message or help text to stream, readable where it lands: UTF-8 into a file or a
// pipe, and whatever a console shows Chinese with when stream is a console.
void writeText(std::FILE *stream, const QString &text);

} // namespace zandrel::gen
