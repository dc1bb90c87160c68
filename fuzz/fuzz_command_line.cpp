// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Arbitrary command lines through zandrel-gen's parser and back: whatever request the parser
// makes of them, written as a command line and read again, stays the same request, and the
// POSIX form of that line splits into the same words.
#include "fuzz/FuzzCheck.h"
#include "gen/RequestParser.h"
#include "generators/CommandLine.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>

using zandrel::fuzz::check;
using namespace zandrel;

namespace {

// The words sh makes of a line written in commandLineOf's POSIX form: blanks part them, and
// '…' holds anything but a quote, and \' outside is one.
QStringList posixWords(const QString &line)
{
    QStringList words;
    QString word;
    bool inWord = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == QLatin1Char(' ')) {
            if (inWord)
                words << word;
            word.clear();
            inWord = false;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = line.indexOf(QLatin1Char('\''), i + 1);
            check(end > i);
            word += line.mid(i + 1, end - i - 1);
            i = end;
            inWord = true;
        } else if (c == QLatin1Char('\\')) {
            check(i + 1 < line.size());
            word += line.at(++i);
            inWord = true;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words << word;
    return words;
}

template <typename Parse> void roundTrip(Parse parse, const QStringList &arguments)
{
    const auto first = parse(arguments);
    if (first.refusal || !first.help.isEmpty())
        return;
    // The first writing may split a text at its line breaks; from then on it is fixed.
    const QStringList written = generators::argumentsOf(first.request);
    const auto second = parse(written.mid(1));
    check(!second.refusal);
    check(generators::argumentsOf(second.request) == written);
    QStringList line = posixWords(generators::commandLineOf(second.request));
    check(!line.isEmpty() && line.takeFirst() == QLatin1String("zandrel-gen"));
    check(line == written);
    generators::commandLineOf(second.request, generators::Shell::Cmd);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

// The first byte picks the command; the rest are its arguments, parted by NUL bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    QStringList arguments = QString::fromUtf8(reinterpret_cast<const char *>(data + 1),
                                              static_cast<qsizetype>(size - 1))
                                .split(QChar(0));
    switch (data[0] % 7) {
    case 0:
        roundTrip(gen::parseGlyph, arguments);
        break;
    case 1:
        roundTrip(gen::parseImage, arguments);
        break;
    case 2:
        roundTrip(gen::parseSegments, arguments);
        break;
    case 3:
        roundTrip(gen::parseTimer, arguments);
        break;
    case 4:
        roundTrip(gen::parseDelay, arguments);
        break;
    case 5:
        roundTrip(gen::parseFonts, arguments);
        break;
    default:
        roundTrip(gen::parseDecode, arguments);
    }
    return 0;
}
