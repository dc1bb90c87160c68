// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#include "gen/Commands.h"
#include "gen/TimingOptions.h"

#include "core/DelayLoop.h"

namespace zandrel::gen {

const CommandSpec &delayCommand()
{
    static const CommandSpec command{
        QStringLiteral("delay"),
        QStringLiteral("--crystal MHZ --time 时间 [选项]"),
        QStringLiteral("精确到机器周期的软件延时函数"),
        QStringLiteral(
            "生成一个软件延时函数：嵌套的DJNZ计数循环加NOP补齐，从调用它的LCALL到RET结束共占最接近"
            "所求时间的整数个机器周期。\n"
            "按12T内核（X2模式为6T）的指令时序计算：LCALL、RET、DJNZ Rn,rel 各2个机器周期，"
            "MOV Rn,#data 和 NOP 各1个。\n"
            "C代码须由把计数循环编译为DJNZ的编译器编译（Keil C51、SDCC），计数变量放在寄存器中。"),
        {
            {{QStringLiteral("crystal")},
             QStringLiteral("MHz"),
             QStringLiteral("晶振频率，单位MHz，大于0且不超过100，例如 11.0592")},
            {{QStringLiteral("time")},
             QStringLiteral("时间"),
             QStringLiteral("延时时间，带单位 us、ms 或 s，最长10s，例如 10ms")},
            {{QStringLiteral("clocks")},
             QStringLiteral("时钟数"),
             QStringLiteral("每个机器周期的振荡周期数：12 或 6（X2模式）；1（1T内核）被拒绝，"
                            "因为各系列1T内核的指令时序互不相同"),
             QStringLiteral("12")},
            {{QStringLiteral("f"), QStringLiteral("format")},
             QStringLiteral("格式"),
             QStringLiteral("c51（C函数）或 asm（A51 和 sdas8051 都能汇编的子程序）"),
             QStringLiteral("c51")},
            compilerOption(QStringLiteral(
                "keil（NOP为 _nop_()，先包含 intrins.h）或 sdcc（__asm nop __endasm;）")),
            {{QStringLiteral("n"), QStringLiteral("name")},
             QStringLiteral("名称"),
             QStringLiteral("函数名，须为C标识符；默认为 Delay 加时间，例如 Delay10ms")},
        },
    };
    return command;
}

int runDelay(const QStringList &arguments)
{
    QCommandLineParser parser;
    if (!parseCommand(delayCommand(), arguments, parser))
        return Success;

    const double crystal = crystalOf(parser);
    const int clocks = clocksOf(parser);
    const bool asmForm = choiceOf(parser, QStringLiteral("format"),
                                  {QStringLiteral("c51"), QStringLiteral("asm")}) == 1;
    const CCompiler compiler = compilerOf(parser);
    if (!parser.isSet(QStringLiteral("time")))
        usageError(QStringLiteral("缺少 --time"));
    const TimeValue wanted = timeOf(parser, QStringLiteral("time"));
    QString name = QStringLiteral("Delay") +
                   plainNumber(wanted.number).replace(QLatin1Char('.'), QLatin1Char('_')) +
                   wanted.unit;
    if (parser.isSet(QStringLiteral("name")))
        name = identifierOf(parser, QStringLiteral("name"));
    if (clocks == 1)
        refuse(QStringLiteral(
            "不支持 --clocks 1：1T内核的指令时序因系列而异（DJNZ、LCALL、RET 的周期数各不相同），"
            "按12T时序计数的延时在其上不准"));

    const std::optional<DelayPlan> plan = delayFor(crystal, clocks, wanted.seconds);
    if (!plan)
        refuse(
            QStringLiteral("延时%1超出范围：晶振%2MHz、每周期%3个时钟时，可生成%4us至10s的延时")
                .arg(parser.value(QStringLiteral("time")), parser.value(QStringLiteral("crystal")))
                .arg(clocks)
                .arg(shortestDelaySeconds(crystal, clocks) * 1e6, 0, 'f', 2));

    const std::string eol = lineEndOf(parser);
    const std::string text = asmForm ? delayAsmText(*plan, name.toStdString(), eol)
                                     : delayCText(*plan, name.toStdString(), compiler, eol);
    writeOutput(parser, QByteArray::fromStdString(text));
    return Success;
}

} // namespace zandrel::gen
