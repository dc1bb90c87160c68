// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/OptionTable.h"
#include "generators/Results.h"

#include "core/DisplayPreset.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// What the generators share inside the layer: texts and files read in, identifiers checked, the
// header line, and the boundary where a refusal becomes a value.
namespace zandrel::generators {

// One piece of input text and where it came from, for messages ("" for a lone argument).
struct InputText
{
    QString source;
    QByteArray utf8;
};

// The texts of a glyph request: from --input FILE, standard input's bytes, or the arguments.
std::vector<InputText> inputTextsOf(const GlyphRequest &request);

// The whole file at path, refused (naming it as what, and the option that gave it) when it
// cannot be read or is larger than limit bytes.
std::vector<std::uint8_t> readInputFile(const QString &path, const QString &what, qint64 limit,
                                        const QString &option = {});

// The value of a name option, refused unless it is a C identifier.
QString identifierOf(const QString &value, const QString &option);

// Refuses a whole-number option's value outside the option table's range.
void checkRange(const std::optional<int> &value, const CommandInfo &command, const QString &option);

// Refuses an extent with a side outside 1 to kMaxBitmapSide.
void checkExtent(const std::optional<Extent> &extent, const QString &option);

// "“A”（U+0041）", without the character itself when it is a control character.
QString describeCharacter(char32_t ucs4);

// The packing asked for: each option given, else the display preset's, else the default. The
// preset, if one is named, through preset. Refuses a name that is no preset.
Packing packingOf(const PackingRequest &request, const DisplayPreset **preset = nullptr);

// "\r\n" or "\n".
inline std::string lineEndOf(bool crlf)
{
    return crlf ? "\r\n" : "\n";
}

// The first line of an output in a compiler's language: the comment marker, a space and the
// command that makes it, in the output's encoding (GB2312 where labels are; a character it
// lacks, or a control character, becomes "?") and line end.
std::string headerLine(const QString &command, std::string_view marker, const std::string &lineEnd,
                       bool gb2312 = false);

// The warning for an output whose data will not fit code memory; none when it fits.
void warnPastCodeMemory(Result &result, qsizetype dataBytes);

// Runs make, turning a refusal thrown inside it (or a core Error, as refused input) into the
// result's refusal.
Result madeOrRefused(const std::function<void(Result &)> &make);

} // namespace zandrel::generators
