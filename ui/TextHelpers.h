#pragma once

#include <QString>

#include <string>

namespace zandrel {

// Removes leading and trailing characters with codes up to 32 (blanks and control
// characters), the way the program's "trimmed" input is meant everywhere.
QString TrimBlanks(const QString &text);

// Texts of the core routines are plain bytes; the byte converter only ever deals in ASCII.
inline std::string ToStd(const QString &text) { return text.toStdString(); }
inline QString FromStd(const std::string &text) { return QString::fromStdString(text); }

} // namespace zandrel
