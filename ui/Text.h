// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Texts between Qt and the core routines, which work on bytes: ASCII for the byte converter,
// GB2312 for the glyph tool and the mnemonic filter.
namespace zandrel {

// Whether text is nothing but characters with codes up to 32, what trimBlanks would empty.
bool isBlank(const QString &text);

// Texts of the byte converter, which only ever deals in ASCII.
inline std::string toStd(const QString &text) { return text.toStdString(); }
inline QString fromStd(const std::string &text) { return QString::fromStdString(text); }

// The GB2312 bytes of text, or nothing when a character has no place in GB2312.
std::optional<std::string> toGb2312(const QString &text);

// Text from GB2312 bytes.
QString fromGb2312(std::string_view bytes);

// The GB2312 bytes of text, with every character GB2312 lacks replaced by the two bytes
// 0xA1 0xA1: it still counts two bytes, and it matches no ASCII text.
std::string toGb2312WithStandIns(const QString &text);

// How many bytes text takes in GB2312; a character without a GB2312 form counts as two, the
// size its substitute would take.
qsizetype gb2312Length(const QString &text);

} // namespace zandrel
