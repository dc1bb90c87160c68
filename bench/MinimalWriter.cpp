// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// The floor for zandrel-gen's whole-process timing: a Qt Core program that starts the same way
// and writes the given number of bytes to standard output.
#include <QByteArray>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype size = arguments.size() > 1 ? arguments.at(1).toLongLong() : 0;
    const QByteArray bytes(size, 'x');
    return std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout) ==
                   static_cast<std::size_t>(bytes.size())
               ? 0
               : 1;
}
