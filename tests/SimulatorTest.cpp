// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
// Builds zandrel-gen's delays and set-up functions with SDCC (C) or sdas8051 (assembler) and
// runs them in the s51 simulator: what its clock counts is checked against what the code's
// comment states.
//
// Of s51 (ucsim; ucsim_51 in 4.5) this depends on: commands read by its console from standard
// input (-c -); "break ADDR" and "break bits w ADDR" (stops after the instruction that writes
// the bit); "state" printing "Total time … (N clks)"; "tick N" advancing N machine cycles;
// "expression" printing a decimal value on a line of its own and assigning with "=".
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

constexpr int kClocks = 12; // s51 simulates the classic core

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run runIn(const QString &dir, const QString &program, const QStringList &arguments,
          const QString &input = QProcess::nullDevice(), int timeoutMs = 60000)
{
    QProcess process;
    process.setWorkingDirectory(dir);
    process.setStandardInputFile(input);
    process.start(program, arguments);
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        return {-1, {}, program.toUtf8() + " did not finish"};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(), process.readAllStandardError()};
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// The machine cycles the text states: a delay's "922个机器周期"; an interval, "50毫秒@" or
// "实际1000.43微秒"; a baud rate, "9600bps@" or "实际4807.7bps", which timer 1 makes by
// overflowing 32 times a bit (16 with SMOD).
double statedCycles(const QString &text, double mhz, bool smod)
{
    static const QRegularExpression cycles(QStringLiteral("(\\d+)个机器周期"));
    static const QRegularExpression actual(QStringLiteral("实际([0-9.]+)(微秒|bps)"));
    static const QRegularExpression wanted(QStringLiteral("//([0-9.]+)(微秒|毫秒|秒|bps)@"));
    if (const auto m = cycles.match(text); m.hasMatch())
        return m.captured(1).toDouble();
    QRegularExpressionMatch m = actual.match(text);
    if (!m.hasMatch())
        m = wanted.match(text);
    const QString unit = m.captured(2);
    const double value = m.captured(1).toDouble();
    if (unit == QLatin1String("bps"))
        return (smod ? 2 : 1) * mhz * 1e6 / (kClocks * 32 * value);
    return value * mhz / kClocks *
           (unit == QStringLiteral("秒")     ? 1e6
            : unit == QStringLiteral("毫秒") ? 1e3
                                             : 1);
}

// "expression" probes print 9000000 + 1000 * index + value, so that a result line is told
// from the echo of its command and read by index whatever else s51 prints.
QString probe(int index, const QString &what)
{
    return QStringLiteral("expression 9000000+1000*%1+%2\n").arg(index).arg(what);
}

std::map<int, int> probeValues(const QString &output)
{
    std::map<int, int> values;
    static const QRegularExpression line(QStringLiteral("(?m)^\\s*(9\\d{6})\\s*$"));
    for (auto it = line.globalMatch(output); it.hasNext();) {
        const int v = it.next().captured(1).toInt() - 9000000;
        values[v / 1000] = v % 1000;
    }
    return values;
}

QList<qint64> clockCounts(const QString &output)
{
    QList<qint64> counts;
    static const QRegularExpression total(QStringLiteral("Total time[^\\n(]*\\((\\d+)\\s*clks\\)"));
    for (auto it = total.globalMatch(output); it.hasNext();)
        counts << it.next().captured(1).toLongLong();
    return counts;
}

QString tool(const char *name)
{
    // ucsim 4.5 (Debian 13) names the 8051 simulator ucsim_51; 4.2 (Debian 12) s51.
    QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (path.isEmpty() && qstrcmp(name, "s51") == 0)
        path = QStandardPaths::findExecutable(QStringLiteral("ucsim_51"));
    return path;
}

} // namespace

class SimulatorTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void runsAsItsCommentStates_data();
    void runsAsItsCommentStates();
};

void SimulatorTest::initTestCase()
{
    for (const char *name : {"sdcc", "sdas8051", "sdld", "s51"})
        QVERIFY2(!tool(name).isEmpty(), "scripts/install-deps installs sdcc and sdcc-ucsim");
}

void SimulatorTest::runsAsItsCommentStates_data()
{
    QTest::addColumn<QString>("row"); // zandrel-gen's arguments; a timer's with --format init
    for (const char *crystal : {"12", "11.0592"})
        for (const char *time : {"50us", "1ms", "10ms", "100ms", "1s"})
            for (const char *form : {"--compiler sdcc", "--format asm"}) {
                const QString row =
                    QStringLiteral("delay --crystal %1 --time %2 %3")
                        .arg(QLatin1String(crystal), QLatin1String(time), QLatin1String(form));
                QTest::newRow(qPrintable(row)) << row;
            }
    for (const char *row :
         {// Keil's text, its _nop_() made SDCC's NOP: the loops are the same.
          "delay --crystal 11.0592 --time 10ms", "delay --crystal 12 --time 1s",
          // The empty function, NOPs only, a count between two of the outer counter's
          // steps (three NOPs), four counters.
          "delay --crystal 12 --time 4us --format asm", "delay --crystal 12 --time 6us",
          "delay --crystal 12 --time 523us --format asm",
          "delay --crystal 41 --time 10s --compiler sdcc", "timer --crystal 12 --interval 50ms",
          "timer --crystal 11.0592 --interval 1ms", "timer --crystal 12 --interval 5ms --mode 0",
          "timer --crystal 11.0592 --interval 2ms --mode 0",
          "timer --crystal 12 --interval 200us --mode 2",
          "timer --crystal 11.0592 --interval 100us --mode 2 --compiler sdcc",
          "timer --crystal 11.0592 --baud 9600", "timer --crystal 11.0592 --baud 19200 --smod",
          "timer --crystal 12 --baud 4800 --smod"})
        QTest::newRow(row) << QString::fromLatin1(row);
}

void SimulatorTest::runsAsItsCommentStates()
{
    QFETCH(QString, row);
    const QStringList arguments =
        row.split(QLatin1Char(' ')) +
        (row.startsWith(QLatin1String("timer")) ? QStringList{"--format", "init"} : QStringList{});
    auto argument = [&](const char *option) {
        return arguments.value(arguments.indexOf(QLatin1String(option)) + 1);
    };
    const double crystal = argument("--crystal").toDouble();
    const bool delay = arguments.first() == QLatin1String("delay");
    const bool uart = arguments.contains(QStringLiteral("--baud"));
    const bool smod = arguments.contains(QStringLiteral("--smod"));
    const bool asmForm = arguments.contains(QStringLiteral("asm"));
    QTemporaryDir dir;
    const QString path = dir.path();
    const Run gen = runIn(path, QStringLiteral(ZANDREL_GEN), arguments);
    QVERIFY2(gen.status == 0, gen.err.constData());
    const QString text = QString::fromUtf8(gen.out);

    // The program: a call of the function at 0003, then a loop at 0006; the function after it.
    const QByteArray function = QRegularExpression(QStringLiteral("(\\w+)(\\(void\\)|:\\n)"))
                                    .match(text)
                                    .captured(1)
                                    .toLatin1();
    const QByteArray call = asmForm ? function : "_" + function;
    QByteArray harness = "\t.globl\t" + call +
                         "\n\t.area\tHOME (ABS,CODE)\n\t.org\t0\n\tmov\tsp,#0x60\n\tlcall\t" +
                         call + "\nstop:\tsjmp\tstop\n";
    QStringList objects = {"harness.rel"};
    if (asmForm) {
        harness += "\t.area\tCSEG (CODE)\n" + gen.out;
    } else {
        QVERIFY(writeFile(path + "/intrins.h", "#define _nop_() __asm nop __endasm\n"));
        QVERIFY(writeFile(path + "/code.c", (delay ? "" : "#include <8051.h>\n") + gen.out));
        const Run cc = runIn(path, tool("sdcc"), {"-mmcs51", "-c", "-I.", "code.c"});
        QVERIFY2(cc.status == 0, cc.out + cc.err + gen.out);
        objects << "code.rel";
    }
    QVERIFY(writeFile(path + "/harness.asm", harness));
    const Run as = runIn(path, tool("sdas8051"), {"-plosgff", "harness.asm"});
    QVERIFY2(as.status == 0, as.out + as.err + harness);
    const Run ld =
        runIn(path, tool("sdld"), QStringList{"-i", "out.ihx", "-b", "CSEG=0x100"} + objects);
    QVERIFY2(ld.status == 0 && QFile::exists(path + "/out.ihx"), ld.out + ld.err);

    const double count = statedCycles(text, crystal, smod);
    const qint64 stated = std::llround(count);
    QVERIFY2(std::abs(count - stated) < 0.05, gen.out); // stated to the machine cycle
    const bool reloads = uart || argument("--mode") == QLatin1String("2");
    QString delayCommands;
    if (delay) {
        // The count nearest to the time wanted, and "= 1000.43us（+0.43us）" agreeing with it.
        const QString time = argument("--time");
        const double unit = time.endsWith(QLatin1String("us"))   ? 1
                            : time.endsWith(QLatin1String("ms")) ? 1e3
                                                                 : 1e6;
        const double wanted =
            time.left(time.indexOf(QRegularExpression("[a-z]"))).toDouble() * unit;
        const auto figures =
            QRegularExpression(QStringLiteral("= ([0-9.]+)us（([+-][0-9.]+)us）")).match(text);
        QCOMPARE(stated, std::llround(wanted * crystal / kClocks));
        QVERIFY2(std::abs(stated * kClocks / crystal - figures.captured(1).toDouble()) <= 0.005 &&
                     std::abs(figures.captured(1).toDouble() - wanted -
                              figures.captured(2).toDouble()) <= 0.0051,
                 gen.out);
        delayCommands = QStringLiteral("break 3\nbreak 6\nrun\nstate\nrun\nstate\n");
    }
    // From the instruction that starts the timer: the flag clear one cycle before the count
    // and set at it; with a reload, again for the next overflow. Where the simulator stops,
    // the timer may have counted already (ucsim 4.5 counts the starting instruction's cycle,
    // 4.2 does not): probe 7 reads the low count register there, and the ticks make up for it.
    const QString flag = uart ? QStringLiteral("TF1") : QStringLiteral("TF0");
    auto timerCommands = [&](int counted) {
        QString commands = QStringLiteral("break bits w %1\nrun\nstate\n")
                               .arg(QLatin1String(uart ? "0x8e" : "0x8c")) +
                           probe(7, uart ? QStringLiteral("TL1") : QStringLiteral("TL0")) +
                           QStringLiteral("tick %1\n").arg(stated - 1 - counted) + probe(1, flag) +
                           "tick 1\n" + probe(2, flag);
        if (reloads)
            commands += QStringLiteral("expression %1=0\ntick %2\n").arg(flag).arg(stated - 1) +
                        probe(3, flag) + "tick 1\n" + probe(4, flag);
        return commands + "state\n" + probe(5, QStringLiteral("PCON")) +
               probe(6, QStringLiteral("SCON"));
    };
    // The commands go to the simulator's console on standard input: ucsim 4.5 goes on reading a
    // -C file while a "run" is still going, where 4.2 waits for it to stop.
    auto simulate = [&](const QString &commands) {
        if (!writeFile(path + "/commands", "file \"out.ihx\"\n" + commands.toLatin1() + "quit\n"))
            return Run{};
        return runIn(
            path, tool("s51"),
            {"-b", "-q", "-t", "8052", "-X", QString::number(crystal * 1e6, 'f', 0), "-c", "-"},
            path + "/commands");
    };
    Run sim = simulate(delay ? delayCommands : timerCommands(0));
    int counted = 0;
    if (!delay) {
        // What the timer had counted at the stop: the low register against the value loaded,
        // within the 5 bits mode 0 counts there, or the 8 of modes 1 and 2.
        const auto loaded = QRegularExpression(QStringLiteral("TL[01] = 0x([0-9A-F]{2});"))
                                .match(text)
                                .captured(1)
                                .toInt(nullptr, 16);
        const int modulus = argument("--mode") == QLatin1String("0") ? 32 : 256;
        counted =
            ((probeValues(QString::fromUtf8(sim.out))[7] - loaded) % modulus + modulus) % modulus;
        if (counted != 0)
            sim = simulate(timerCommands(counted));
    }
    const QString output = QString::fromUtf8(sim.out + sim.err);
    const QList<qint64> clocks = clockCounts(output);
    QVERIFY2(sim.status == 0 && clocks.size() == 2, qPrintable(output));
    // A delay's call, or the cycles ticked through: "tick" has to count machine cycles.
    QCOMPARE(clocks[1] - clocks[0], ((reloads ? 2 : 1) * stated - counted) * kClocks);
    if (delay)
        return;
    std::map<int, int> values = probeValues(output);
    QVERIFY2(counted <= 2 && values.size() == (reloads ? 7u : 5u) && values[1] == 0 &&
                 values[2] == 1 && (!reloads || (values[3] == 0 && values[4] == 1)),
             qPrintable(output));
    if (uart) {
        // SMOD as asked for, and serial mode 1 (or 3), whose rate timer 1 makes.
        QCOMPARE(values[5] >> 7, smod ? 1 : 0);
        QCOMPARE(values[6] & 0x40, 0x40);
    }
}

QTEST_GUILESS_MAIN(SimulatorTest)
#include "SimulatorTest.moc"
