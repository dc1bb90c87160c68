// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/Requests.h"

#include <QString>
#include <QStringList>

// A request written back as the command that makes it: "zandrel-gen glyph --size 12 温度".
// Options come in the option table's order, each given one once; a text with line breaks is
// one argument a line (glyph skips line breaks, so the table is the same); texts starting with
// "-" follow "--". Text from --input or standard input is named by the file or "-", not copied.
namespace zandrel::generators {

enum class Shell {
    Posix, // sh, bash, zsh: single quotes where needed
    Cmd,   // Windows' cmd.exe: double quotes, as the C runtime splits a command line
};

// The arguments after the program's name: {"glyph", "--size", "12", "温度"}.
QStringList argumentsOf(const GlyphRequest &request);
QStringList argumentsOf(const PictureRequest &request);
QStringList argumentsOf(const SegmentRequest &request);
QStringList argumentsOf(const TimerRequest &request);
QStringList argumentsOf(const DelayRequest &request);
QStringList argumentsOf(const FontListRequest &request);
QStringList argumentsOf(const DecodeRequest &request);

// The whole command on one line, the program written as "zandrel-gen", quoted for that shell.
template <typename Request>
QString commandLineOf(const Request &request, Shell shell = Shell::Posix);

// One argument as that shell reads it back whole.
QString quotedArgument(const QString &argument, Shell shell);

} // namespace zandrel::generators
