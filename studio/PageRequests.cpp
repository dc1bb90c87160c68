// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/PageRequests.h"

#include "core/Gb2312.h"

#include <QComboBox>
#include <QSpinBox>
#include <QSysInfo>

namespace zandrel::studio {

using namespace generators;

Shell pageShell()
{
    return QSysInfo::productType() == QLatin1String("windows") ? Shell::Cmd : Shell::Posix;
}

std::optional<int> chosenValue(const QComboBox *box, const CommandInfo &command,
                               const QString &option)
{
    const QString spelling = choiceOf(box);
    if (spelling.isEmpty())
        return std::nullopt;
    const OptionInfo *info = findOption(command, option);
    Q_ASSERT(info);
    const std::optional<int> value = info ? choiceValue(*info, spelling) : std::nullopt;
    // The default is left out, so that the command line says only what was chosen.
    if (!value || choiceSpelling(*info, *value) == info->defaultText)
        return std::nullopt;
    return value;
}

std::optional<QString> textOrNothing(const QString &text)
{
    return text.isEmpty() ? std::nullopt : std::optional<QString>(text);
}

std::optional<int> valueOrAuto(const QSpinBox *spin)
{
    return spin->value() == 0 ? std::nullopt : std::optional<int>(spin->value());
}

namespace {

// Sixteen bytes a line with their offset, as raw output cannot be shown as text.
QString hexDump(const std::string &bytes)
{
    QString text;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i % 16 == 0) {
            if (i > 0)
                text += QLatin1Char('\n');
            text += QStringLiteral("%1:").arg(uint(i), 6, 16, QLatin1Char('0')).toUpper();
        }
        text += QStringLiteral(" %1")
                    .arg(uint(std::uint8_t(bytes[i])), 2, 16, QLatin1Char('0'))
                    .toUpper();
    }
    return text;
}

} // namespace

PageResult pageResultOf(Result result, const QString &commandLine, CodeKind kind)
{
    PageResult page;
    if (result.refusal) {
        const Refusal &refusal = *result.refusal;
        page.refusal = PageRefusal{refusal.message, refusal.option, refusal.line, refusal.column};
        return page;
    }
    switch (kind) {
    case CodeKind::Utf8:
        page.code = QString::fromStdString(result.bytes);
        break;
    case CodeKind::Gb2312:
        page.code = QString::fromStdU32String(decodeGb2312(result.bytes));
        break;
    case CodeKind::Raw:
        page.code = hexDump(result.bytes);
        break;
    }
    page.bytes = QByteArray::fromStdString(result.bytes);
    page.warnings = std::move(result.warnings);
    page.commandLine = commandLine;
    return page;
}

} // namespace zandrel::studio
