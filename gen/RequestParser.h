// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "generators/OptionTable.h"
#include "generators/Refusal.h"
#include "generators/Requests.h"

#include <QString>
#include <QStringList>

#include <optional>

// zandrel-gen's command line read into a request, by the generators' option table.
namespace zandrel::gen {

template <typename Request> struct Parsed
{
    Request request;
    QString output; // --output; empty or "-" for standard output
    QString help;   // with --help, the command's help and nothing else
    std::optional<generators::Refusal> refusal;
};

// Each takes the arguments after the command's name. An unknown option, a missing value, a
// value of the wrong form, or arguments a command does not take are a usage refusal.
Parsed<generators::GlyphRequest> parseGlyph(const QStringList &arguments);
Parsed<generators::PictureRequest> parseImage(const QStringList &arguments);
Parsed<generators::SegmentRequest> parseSegments(const QStringList &arguments);
Parsed<generators::TimerRequest> parseTimer(const QStringList &arguments);
Parsed<generators::DelayRequest> parseDelay(const QStringList &arguments);
Parsed<generators::FontListRequest> parseFonts(const QStringList &arguments);
Parsed<generators::DecodeRequest> parseDecode(const QStringList &arguments);

QString helpText(const generators::CommandInfo &command);

// text followed by blanks up to that many terminal columns.
QString padded(const QString &text, int columns);

} // namespace zandrel::gen
