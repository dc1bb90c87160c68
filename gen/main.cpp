// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// zandrel-gen: whole code tables for build scripts, from the same routines as the window.
#include "gen/Commands.h"
#include "gen/Platform.h"

#include "core/Version.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

using namespace zandrel::gen;

struct Command
{
    const CommandSpec &(*spec)();
    int (*run)(const QStringList &);
};

const Command commands[] = {
    {glyphCommand, runGlyph},
    {imageCommand, runImage},
    {segmentsCommand, runSegments},
    {timerCommand, runTimer},
    {delayCommand, runDelay},
};

QString programHelp()
{
    QString text = QStringLiteral("用法：zandrel-gen 命令 [选项] [参数]\n\n"
                                  "为8051程序的构建脚本生成整张代码表、定时器设置函数和延时函数。\n\n命令：\n");
    for (const Command &command : commands) {
        const CommandSpec &spec = command.spec();
        text += QStringLiteral("  %1%2\n").arg(padded(spec.name, 10), spec.brief);
    }
    text += QStringLiteral("\n选项：\n  -h, --help     显示本帮助\n  -v, --version  显示版本\n\n"
                           "“zandrel-gen 命令 --help”显示各命令的选项。\n");
    return text;
}

int run(const QStringList &arguments)
{
    if (arguments.size() < 2)
        usageError(QStringLiteral("缺少命令（glyph、image、segments、timer 或 delay）；“zandrel-gen --help”显示用法"));
    const QString &first = arguments.at(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        writeText(stdout, programHelp());
        return Success;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        writeText(stdout, QStringLiteral("zandrel-gen %1\n").arg(QLatin1String(zandrel::kVersion.data(),
                                                                        static_cast<qsizetype>(zandrel::kVersion.size()))));
        return Success;
    }
    if (first.startsWith(QLatin1Char('-')))
        usageError(QStringLiteral("未知选项“%1”；命令须写在选项之前").arg(first));
    for (const Command &command : commands)
        if (command.spec().name == first)
            return command.run(arguments.mid(2));
    usageError(QStringLiteral("未知命令“%1”；可用的命令：glyph、image、segments、timer、delay").arg(first));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    prepareStandardStreams();
    try {
        return run(QCoreApplication::arguments());
    } catch (const Failure &failure) {
        writeText(stderr, QStringLiteral("zandrel-gen: %1\n").arg(failure.message));
        return failure.status;
    }
}
