// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// zandrel-gen: whole code tables for build scripts, from the same routines as the window. Each
// command parses its arguments into a request, has the generators make the result, and writes
// it or prints the refusal.
#include "gen/Platform.h"
#include "gen/RequestParser.h"

#include "core/Version.h"
#include "generators/Results.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QSaveFile>

#include <cstdio>

namespace {

using namespace zandrel::gen;
using namespace zandrel::generators;

enum ExitStatus { Success = 0, UsageFailure = 1, RefusedInput = 2 };

int refused(const QString &message, int status)
{
    writeText(stderr, QStringLiteral("zandrel-gen: %1\n").arg(message));
    return status;
}

// Writes data to the output file whole (a temporary file renamed into place), or to standard
// output. False, with the message printed, when it cannot.
bool writeOutput(const QString &path, const QByteArray &data)
{
    if (path.isEmpty() || path == QLatin1String("-")) {
        if (std::fwrite(data.constData(), 1, static_cast<std::size_t>(data.size()), stdout) !=
                static_cast<std::size_t>(data.size()) ||
            std::fflush(stdout) != 0) {
            refused(QStringLiteral("无法写入标准输出"), RefusedInput);
            return false;
        }
        return true;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        refused(QStringLiteral("无法写入文件“%1”：%2").arg(path, file.errorString()), RefusedInput);
        return false;
    }
    return true;
}

// The usual ending of every command: help, a refusal, or the result written whole.
template <typename Request>
int finish(const Parsed<Request> &parsed, const std::function<Result(const Request &)> &make)
{
    if (!parsed.help.isEmpty()) {
        writeText(stdout, parsed.help);
        return Success;
    }
    if (parsed.refusal)
        return refused(parsed.refusal->message, parsed.refusal->exitStatus());
    const Result result = make(parsed.request);
    if (result.refusal)
        return refused(result.refusal->message, result.refusal->exitStatus());
    for (const QString &warning : result.warnings)
        writeText(stderr, QStringLiteral("zandrel-gen: 警告：%1\n").arg(warning));
    return writeOutput(parsed.output,
                       QByteArray::fromRawData(result.bytes.data(),
                                               static_cast<qsizetype>(result.bytes.size())))
               ? Success
               : RefusedInput;
}

int runGlyph(const QStringList &arguments)
{
    Parsed<GlyphRequest> parsed = parseGlyph(arguments);
    // The layer reads no standard input: the text from there is read here.
    const bool fromStandardInput =
        parsed.request.input == QStringLiteral("-") ||
        (!parsed.request.input && parsed.request.texts == QStringList{QStringLiteral("-")});
    if (parsed.help.isEmpty() && !parsed.refusal && fromStandardInput && !parsed.request.library) {
        std::optional<QByteArray> bytes = readStandardInput();
        if (!bytes)
            return refused(QStringLiteral("无法读取标准输入"), RefusedInput);
        parsed.request.standardInput = std::move(*bytes);
    }
    return finish<GlyphRequest>(parsed, makeGlyphTable);
}

// The module that decodes pictures sits beside the program in a build tree, and in its own
// folder under lib/ once installed.
DecodePictureFunction loadPictureModule(QString *reason)
{
    const QString here = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(ZANDREL_PICTURE_MODULE);
    for (const QString &dir :
         {here, QDir(here).filePath(QStringLiteral(ZANDREL_PICTURE_MODULE_FROM_BIN))}) {
        QLibrary module(QDir(dir).filePath(name));
        if (auto decode =
                reinterpret_cast<DecodePictureFunction>(module.resolve(kDecodePictureSymbol)))
            return decode;
    }
    *reason = QStringLiteral("找不到读取图片的模块 %1（应在 %2 旁边或 %3 中）")
                  .arg(name, here,
                       QDir::cleanPath(
                           QDir(here).filePath(QStringLiteral(ZANDREL_PICTURE_MODULE_FROM_BIN))));
    return nullptr;
}

int runImage(const QStringList &arguments)
{
    Parsed<PictureRequest> parsed = parseImage(arguments);
    // "-" is a picture on standard input, as a pasted picture's copied command has it.
    if (parsed.help.isEmpty() && !parsed.refusal && parsed.request.path == QLatin1String("-")) {
        std::optional<QByteArray> bytes = readStandardInput();
        if (!bytes)
            return refused(QStringLiteral("无法读取标准输入"), RefusedInput);
        parsed.request.path.clear();
        parsed.request.bytes = std::move(*bytes);
    }
    return finish<PictureRequest>(parsed, [](const PictureRequest &request) {
        return makePictureTable(request, loadPictureModule);
    });
}

int runSegments(const QStringList &arguments)
{
    return finish<SegmentRequest>(parseSegments(arguments), makeSegmentTable);
}

int runTimer(const QStringList &arguments)
{
    return finish<TimerRequest>(parseTimer(arguments), makeTimerSetting);
}

int runDelay(const QStringList &arguments)
{
    return finish<DelayRequest>(parseDelay(arguments), makeDelay);
}

int runFonts(const QStringList &arguments)
{
    return finish<FontListRequest>(parseFonts(arguments), makeFontList);
}

int runDecode(const QStringList &arguments)
{
    Parsed<DecodeRequest> parsed = parseDecode(arguments);
    if (parsed.help.isEmpty() && !parsed.refusal &&
        (!parsed.request.file || *parsed.request.file == QLatin1String("-"))) {
        std::optional<QByteArray> bytes = readStandardInput();
        if (!bytes)
            return refused(QStringLiteral("无法读取标准输入"), RefusedInput);
        parsed.request.bytes = std::move(*bytes);
    }
    return finish<DecodeRequest>(parsed, makeDecodedGlyphs);
}

struct Command
{
    const CommandInfo &(*info)();
    int (*run)(const QStringList &);
};

const Command commands[] = {
    {glyphCommandInfo, runGlyph},       {imageCommandInfo, runImage},
    {segmentsCommandInfo, runSegments}, {timerCommandInfo, runTimer},
    {delayCommandInfo, runDelay},       {fontsCommandInfo, runFonts},
    {decodeCommandInfo, runDecode},
};

QString programHelp()
{
    QString text = QStringLiteral(
        "用法：zandrel-gen 命令 [选项] [参数]\n\n"
        "为8051程序的构建脚本生成整张代码表、定时器设置函数和延时函数。\n\n命令：\n");
    for (const Command &command : commands) {
        const CommandInfo &info = command.info();
        text += QStringLiteral("  %1%2\n").arg(padded(info.name, 10), info.brief);
    }
    text += QStringLiteral("\n选项：\n  -h, --help     显示本帮助\n  -v, --version  显示版本\n\n"
                           "“zandrel-gen 命令 --help”显示各命令的选项。\n");
    return text;
}

int run(const QStringList &arguments)
{
    if (arguments.size() < 2)
        return refused(QStringLiteral("缺少命令（glyph、image、segments、timer、delay、fonts "
                                      "或 decode）；“zandrel-gen --help”显示用法"),
                       UsageFailure);
    const QString &first = arguments.at(1);
    if (first == QLatin1String("-h") || first == QLatin1String("--help")) {
        writeText(stdout, programHelp());
        return Success;
    }
    if (first == QLatin1String("-v") || first == QLatin1String("--version")) {
        writeText(stdout,
                  QStringLiteral("zandrel-gen %1\n")
                      .arg(QLatin1String(zandrel::kVersion.data(),
                                         static_cast<qsizetype>(zandrel::kVersion.size()))));
        return Success;
    }
    if (first.startsWith(QLatin1Char('-')))
        return refused(QStringLiteral("未知选项“%1”；命令须写在选项之前").arg(first), UsageFailure);
    for (const Command &command : commands)
        if (command.info().name == first)
            return command.run(arguments.mid(2));
    return refused(
        QStringLiteral(
            "未知命令“%1”；可用的命令：glyph、image、segments、timer、delay、fonts、decode")
            .arg(first),
        UsageFailure);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    prepareStandardStreams();
    return run(QCoreApplication::arguments());
}
