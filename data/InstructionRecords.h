// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include "core/InstructionRecord.h"

#include <span>

namespace zandrel {

// The 130 built-in records, in ascending ID.
std::span<const InstructionRecord> builtInInstructionRecords();

} // namespace zandrel
