// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/CommandLine.h"
#include "generators/OptionTable.h"
#include "generators/Results.h"
#include "studio/GeneratorPage.h"

#include <QString>

#include <optional>

class QComboBox;
class QLineEdit;
class QSpinBox;

// What the pages share to edit a request and show the layer's result: the command line's
// spellings read back through the option table, so that a page knows no spelling of its own.
namespace zandrel::studio {

// The shell that 复制命令行 writes for: cmd.exe on Windows, sh elsewhere.
generators::Shell pageShell();

// The value of the option that the box's chosen spelling stands for; nothing for an empty
// spelling or the option's default, which leave the option out.
std::optional<int> chosenValue(const QComboBox *box, const generators::CommandInfo &command,
                               const QString &option);
template <typename Enum>
std::optional<Enum> chosen(const QComboBox *box, const generators::CommandInfo &command,
                           const QString &option)
{
    const std::optional<int> value = chosenValue(box, command, option);
    return value ? std::optional<Enum>(static_cast<Enum>(*value)) : std::nullopt;
}

// A field's text, or nothing when it is empty (the option left out).
std::optional<QString> textOrNothing(const QString &text);
// A spin box's value, or nothing at 0, which such a box shows as 自动.
std::optional<int> valueOrAuto(const QSpinBox *spin);
// A number, or nothing when it is the option's default.
inline std::optional<int> unlessDefault(int value, int defaultValue)
{
    return value == defaultValue ? std::nullopt : std::optional<int>(value);
}

// How the code view shows the bytes: as text (UTF-8 or GB2312), or as a hex dump of raw bytes.
enum class CodeKind { Utf8, Gb2312, Raw };

// The page's result of the layer's, with the command line that makes the same bytes.
PageResult pageResultOf(generators::Result result, const QString &commandLine, CodeKind kind);
template <typename Request>
PageResult pageResultOf(generators::Result result, const Request &request, CodeKind kind)
{
    return pageResultOf(std::move(result), generators::commandLineOf(request, pageShell()), kind);
}

} // namespace zandrel::studio
