// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "core/Bitmap.h"
#include "core/CodeText.h"

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

// What the sub-commands share: option tables and help, failures with their exit status,
// reading the input text and writing the output whole.
namespace zandrel::gen {

enum ExitStatus { Success = 0, UsageFailure = 1, RefusedInput = 2 };

// Ends the command: main prints the message on standard error and exits with the status.
struct Failure
{
    ExitStatus status;
    QString message;
};

[[noreturn]] void usageError(const QString &message);
[[noreturn]] void refuse(const QString &message);

struct OptionSpec
{
    QStringList names;
    QString valueName; // empty for a flag
    QString description;
    QString defaultValue = {};
};

struct CommandSpec
{
    QString name;
    QString synopsis; // after "zandrel-gen NAME "
    QString brief;    // one line, for the program's help
    QString summary;
    std::vector<OptionSpec> options;
    bool takesArguments = false; // texts after the options; a command without them refuses any
};

// The options every command has: --help, --output, --crlf.
std::vector<OptionSpec> commonOptions();

// Parses a command's arguments (those after its name). Prints the help and returns false
// for --help; throws a usage Failure naming the unknown option or missing value, or the first
// argument given to a command that takes none.
bool parseCommand(const CommandSpec &command, const QStringList &arguments, QCommandLineParser &parser);

QString helpText(const CommandSpec &command);

// text followed by blanks up to that many terminal columns.
QString padded(const QString &text, int columns);

// The value of a choice option, which must be one of choices; the index of the match.
int choiceOf(const QCommandLineParser &parser, const QString &option, const QStringList &choices);

// The same, where each choice may have several names (an English one and Chinese aliases):
// the index of the list that holds the value.
int aliasedChoiceOf(const QCommandLineParser &parser, const QString &option, const std::vector<QStringList> &choices);

// A whole number from minimum to maximum; a usage Failure naming the option otherwise.
int integerOf(const QCommandLineParser &parser, const QString &option, int minimum, int maximum);

struct Extent
{
    int width;
    int height;
};

// "WxH" (also "W×H"), each side 1 to kMaxBitmapSide; a usage Failure naming the option otherwise.
Extent extentOf(const QCommandLineParser &parser, const QString &option);

// --layout, --bit-order and --invert, which every command that writes pixels has, and the
// packing they give.
std::vector<OptionSpec> packingOptions();
Packing packingOf(const QCommandLineParser &parser);

// --compiler keil|sdcc as a command lists it, and the compiler it names.
OptionSpec compilerOption(const QString &description);
CCompiler compilerOf(const QCommandLineParser &parser);

// A C identifier from --name.
QString identifierOf(const QCommandLineParser &parser, const QString &option);

// "\r\n" with --crlf, else "\n".
std::string lineEndOf(const QCommandLineParser &parser);

// One piece of input text and where it came from, for messages ("" for a lone argument).
struct InputText
{
    QString source;
    QByteArray utf8;
};

// The text from --input FILE, from standard input ("-"), or from the arguments (each one a
// piece). Refuses an unreadable file; nothing when there is none of these.
std::vector<InputText> readInputTexts(const QCommandLineParser &parser);

// The whole file at path, refused (naming it as what) when it cannot be read or is larger than
// limit bytes.
std::vector<std::uint8_t> readInputFile(const QString &path, const QString &what, qint64 limit);

// Writes data to --output whole (a temporary file renamed into place), or to standard output.
void writeOutput(const QCommandLineParser &parser, const QByteArray &data);

// "“A”（U+0041）", without the character itself when it is a control character.
QString describeCharacter(char32_t ucs4);

} // namespace zandrel::gen
