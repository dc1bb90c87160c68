// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "gen/Cli.h"

// One function a sub-command: each takes the arguments after its name and returns the exit
// status, or throws a Failure.
namespace zandrel::gen {

const CommandSpec &glyphCommand();
int runGlyph(const QStringList &arguments);

const CommandSpec &segmentsCommand();
int runSegments(const QStringList &arguments);

const CommandSpec &imageCommand();
int runImage(const QStringList &arguments);

const CommandSpec &timerCommand();
int runTimer(const QStringList &arguments);

const CommandSpec &delayCommand();
int runDelay(const QStringList &arguments);

} // namespace zandrel::gen
