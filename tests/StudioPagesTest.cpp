// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/DecodePage.h"
#include "studio/DelayPage.h"
#include "studio/GlyphTablePage.h"
#include "studio/PicturePage.h"
#include "studio/SegmentTablePage.h"
#include "studio/StudioSettings.h"
#include "studio/TimerPage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace zandrel::studio;

// Each page, set through its controls, makes the bytes zandrel-gen makes of the same options,
// and its copied command line, run by the shell, makes them again.
class StudioPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pageMakesTheCommandsBytes_data();
    void pageMakesTheCommandsBytes();

private:
    QTemporaryDir dir_;
    QString picture_;
    QString bin_;
};

namespace {

struct Run
{
    int status = -1;
    QByteArray out;
};

// zandrel-gen with arguments; or, without, a command line as a user pastes it into the
// platform's shell: sh, or cmd.exe on Windows. input is its standard input.
Run run(const QStringList &arguments, const QString &commandLine = {}, const QByteArray &input = {})
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PATH"),
                       QDir::toNativeSeparators(QFileInfo(QStringLiteral(ZANDREL_GEN)).absolutePath()) +
                           QDir::listSeparator() + environment.value(QStringLiteral("PATH")));
    process.setProcessEnvironment(environment);
    if (commandLine.isEmpty()) {
        process.start(QStringLiteral(ZANDREL_GEN), arguments);
    } else {
#ifdef Q_OS_WIN
        // /s: cmd takes the line between the outer quotes as it stands.
        process.setProgram(QStringLiteral("cmd.exe"));
        process.setNativeArguments(QStringLiteral("/d /s /c \"%1\"").arg(commandLine));
        process.start();
#else
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), commandLine});
#endif
    }
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(30000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput()};
}

std::unique_ptr<GeneratorPage> pageNamed(const QString &name)
{
    if (name == QLatin1String("segments"))
        return std::make_unique<SegmentTablePage>();
    if (name == QLatin1String("glyph"))
        return std::make_unique<GlyphTablePage>();
    if (name == QLatin1String("image"))
        return std::make_unique<PicturePage>();
    if (name == QLatin1String("timer"))
        return std::make_unique<TimerPage>();
    if (name == QLatin1String("decode"))
        return std::make_unique<DecodePage>();
    return std::make_unique<DelayPage>();
}

// "ObjectName=value": a line of text, a choice by its spelling (or typed into an editable box),
// a check box's true/false, a spin box's number.
bool setControl(QWidget &page, const QString &setting)
{
    const QString name = setting.section(QLatin1Char('='), 0, 0);
    const QString value = setting.section(QLatin1Char('='), 1);
    QWidget *field = page.findChild<QWidget *>(name);
    if (auto *edit = qobject_cast<QLineEdit *>(field)) {
        edit->setText(value);
    } else if (auto *text = qobject_cast<QPlainTextEdit *>(field)) {
        text->setPlainText(value);
    } else if (auto *box = qobject_cast<QComboBox *>(field)) {
        if (box->isEditable()) {
            box->setEditText(value);
        } else {
            const int index = box->findData(value);
            if (index < 0)
                return false;
            box->setCurrentIndex(index);
        }
    } else if (auto *check = qobject_cast<QCheckBox *>(field)) {
        check->setChecked(value == QLatin1String("true"));
    } else if (auto *spin = qobject_cast<QSpinBox *>(field)) {
        spin->setValue(value.toInt());
    } else if (auto *doubleSpin = qobject_cast<QDoubleSpinBox *>(field)) {
        doubleSpin->setValue(value.toDouble());
    } else {
        return false;
    }
    return true;
}

} // namespace

void StudioPagesTest::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir_.isValid());
    // A square, a diagonal and grey, so that threshold, dithering and scaling all show.
    QImage picture(12, 8, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int i = 0; i < 8; ++i) {
        picture.setPixelColor(i, i, Qt::black);
        picture.setPixelColor(i + 4, 2, QColor(100, 100, 100));
    }
    picture_ = dir_.filePath(QStringLiteral("picture.png"));
    QVERIFY(picture.save(picture_));
    bin_ = dir_.filePath(QStringLiteral("glyphs.bin"));
    QFile bin(bin_);
    QVERIFY(bin.open(QIODevice::WriteOnly) && bin.write("\x00\x18\x24\x42\x7E\x42\x42\x00\x01", 9) == 9);
}

void StudioPagesTest::pageMakesTheCommandsBytes_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("settings");       // "Field=value …"
    QTest::addColumn<QString>("arguments"); // split at blanks; "@picture", "@bin": the test's files
    QTest::addColumn<QString>("refusalShownIn"); // the label showing the refusal, or empty

    const QString none;
    QTest::newRow("segments: cathode, dp, asm, named")
        << "segments"
        << "SegmentCommonBox=cathode SegmentDpBox=true SegmentFormatBox=asm SegmentNameEdit=digits "
           "SegmentCharsEdit=0123-"
        << "segments --common cathode --dp --format asm --name digits --chars 0123-" << none;
    QTest::newRow("segments: rewired, list, sdcc, crlf")
        << "segments"
        << "SegmentPin7Box=A SegmentPin0Box=DP SegmentFormatBox=list SegmentCompilerBox=sdcc "
           "SegmentCrlfBox=true"
        << "segments --pins A,G,F,E,D,C,B,DP --format list --compiler sdcc --crlf" << none;
    QTest::newRow("glyph as it starts") << "glyph"
                                        << ""
                                        << "glyph 温度" << none;
    QTest::newRow("glyph: 24 pixels by columns, lsb, inverted, asm")
        << "glyph"
        << "GlyphText=温度A GlyphSizeSpin=24 GlyphLayoutBox=column GlyphBitOrderBox=lsb "
           "GlyphInvertBox=true GlyphFormatBox=asm"
        << "glyph --size 24 --layout column --bit-order lsb --invert --format asm 温度A" << none;
    QTest::newRow("glyph: two lines, struct, GB2312 labels, names, crlf")
        << "glyph"
        << "GlyphText=电压\nV:1 GlyphFormatBox=struct GlyphEncodingBox=gb2312 GlyphNameEdit=font "
           "GlyphAsciiNameEdit=small GlyphCrlfBox=true GlyphPadBox=left GlyphSizeSpin=12"
        << "glyph --format struct --encoding gb2312 --name font --ascii-name small --crlf --pad "
           "left --size 12 电压 V:1"
        << none;
    QTest::newRow("glyph: raw bytes in cells, row blocks")
        << "glyph"
        << "GlyphText=中 GlyphFormatBox=bin GlyphCellWidth=18 GlyphCellHeight=17 "
           "GlyphLayoutBox=row-block GlyphClipBox=true"
        << "glyph --format bin --cell 18x17 --layout row-block --clip 中" << none;
    QTest::newRow("picture at its size") << "image"
                                         << "PictureSizeWidth=12 PictureSizeHeight=8"
                                         << "image --size 12x8 @picture" << none;
    QTest::newRow("picture: stretched, dithered, threshold, lsb, asm, named")
        << "image"
        << "PictureSizeWidth=20 PictureSizeHeight=9 PictureFitBox=stretch "
           "PictureDitherBox=atkinson PictureThresholdSpin=90 PictureBitOrderBox=lsb "
           "PictureFormatBox=asm PictureNameEdit=logo"
        << "image --size 20x9 --stretch --dither atkinson --threshold 90 --bit-order lsb --format "
           "asm --name logo @picture"
        << none;
    QTest::newRow("picture: for a display, inverted, PBM")
        << "image"
        << "PictureDisplayBox=pcd8544 PictureInvertBox=true PictureFormatBox=pbm "
           "PictureDitherBox=bayer4"
        << "image --display pcd8544 --invert --format pbm --dither bayer4 @picture" << none;
    QTest::newRow("timer: 50 ms in mode 1, init function for sdcc")
        << "timer"
        << "TimerCrystalBox=12 TimerIntervalEdit=50ms TimerModeBox=1 TimerFormatBox=init "
           "TimerCompilerBox=sdcc"
        << "timer --crystal 12 --interval 50ms --mode 1 --format init --compiler sdcc" << none;
    QTest::newRow("timer: 19200 baud doubled, 6T, list, crlf")
        << "timer"
        << "TimerPurposeBox=baud TimerBaudBox=19200 TimerSmodBox=true TimerCoreBox=6t "
           "TimerFormatBox=list TimerCrlfBox=true"
        << "timer --crystal 11.0592 --baud 19200 --smod --clocks 6 --crlf" << none;
    QTest::newRow("delay: 6T, 2.5 s, asm, named")
        << "delay"
        << "DelayCoreBox=6t DelayTimeSpin=2.5 DelayUnitBox=s DelayFormatBox=asm DelayNameEdit=Wait "
           "DelayCrystalBox=24"
        << "delay --crystal 24 --time 2.5s --clocks 6 --format asm --name Wait" << none;
    QTest::newRow("timer: STC8 1T init declaring its registers")
        << "timer"
        << "TimerCoreBox=stc8 TimerClockBox=1t TimerDeclareSfrBox=true TimerTimerBox=1"
        << "timer --crystal 11.0592 --interval 1ms --core stc8 --timer-clock 1t --timer 1 "
           "--declare-sfr --format init"
        << none;
    QTest::newRow("timer: 115200 on the 8052's Timer 2, c51 for sdcc")
        << "timer"
        << "TimerPurposeBox=baud TimerBaudBox=115200 TimerBaudTimerBox=2 TimerFormatBox=c51 "
           "TimerCompilerBox=sdcc TimerDeclareSfrBox=true"
        << "timer --crystal 11.0592 --baud 115200 --baud-timer 2 --format c51 --compiler sdcc "
           "--declare-sfr"
        << none;
    QTest::newRow("delay: STC8, 100 us, asm")
        << "delay"
        << "DelayCoreBox=stc8 DelayTimeSpin=100 DelayUnitBox=us DelayFormatBox=asm"
        << "delay --crystal 11.0592 --time 100us --core stc8 --format asm" << none;
    // The page's text is the command's standard input.
    QTest::newRow("decode: C bytes by pages, lsb, one left over")
        << "decode"
        << "DecodeText=x[]={0x3C,0x42,0x81,0x81,\n0x81,0x81,0x42,0x3C,0x01}; DecodeSizeWidth=8 "
           "DecodeSizeHeight=8 DecodeLayoutBox=page DecodeBitOrderBox=lsb"
        << "decode --size 8x8 --layout page --bit-order lsb" << none;
    QTest::newRow("decode: a bin file by columns") << "decode"
                                                   << "DecodeSizeWidth=8 DecodeSizeHeight=8 DecodeLayoutBox=column"
                                                   << "decode --bin --size 8x8 --layout column @bin" << none;
    QTest::newRow("decode: DB lines, inverted, as a picture")
        << "decode"
        << "DecodeText=t:\nDB\t0FFH,0C3H;a\nDB\t081H,07EH DecodeSizeHeight=1 DecodeInvertBox=true "
           "DecodeFormatBox=pbm DecodeSizeWidth=12 DecodePadBox=left"
        << "decode --size 12x1 --pad left --invert --format pbm" << none;

    // Refused: shown under the field at fault (or above the code, marking the character),
    // nothing to copy or save, and the command refuses the same options.
    QTest::newRow("refused: a character no segment draws") << "segments"
                                                           << "SegmentCharsEdit=0X"
                                                           << "segments --chars 0X"
                                                           << "SegmentCharsEditRefusal";
    QTest::newRow("refused: a name that is no identifier") << "glyph"
                                                           << "GlyphNameEdit=1x"
                                                           << "glyph --name 1x 温度"
                                                           << "GlyphNameEditRefusal";
    QTest::newRow("refused: a character the font lacks") << "glyph"
                                                         << "GlyphText=温\n度😀"
                                                         << "glyph 温 度😀"
                                                         << "RefusalLine";
    QTest::newRow("refused: a crystal that is no number")
        << "timer"
        << "TimerCrystalBox=abc"
        << "timer --crystal abc --interval 1ms --format init"
        << "TimerCrystalBoxRefusal";
    QTest::newRow("refused: BRT on a core without one")
        << "timer"
        << "TimerPurposeBox=baud TimerBaudTimerBox=brt TimerCoreBox=stc8"
        << "timer --crystal 11.0592 --baud 9600 --baud-timer brt --core stc8 --format init"
        << "TimerBaudTimerBoxRefusal";
    QTest::newRow("refused: a byte past 255") << "decode"
                                              << "DecodeText=1,\n0x100"
                                              << "decode"
                                              << "DecodeTextRefusal";
    QTest::newRow("refused: a picture's name that is no identifier")
        << "image"
        << "PictureNameEdit=9lives"
        << "image --size 128x64 --name 9lives @picture"
        << "PictureNameEditRefusal";
}

void StudioPagesTest::pageMakesTheCommandsBytes()
{
    QFETCH(QString, page);
    QFETCH(QString, settings);
    QFETCH(QString, arguments);
    QFETCH(QString, refusalShownIn);

    studioSettings()->clear();
    const std::unique_ptr<GeneratorPage> shown = pageNamed(page);
    if (auto *picture = qobject_cast<PicturePage *>(shown.get()))
        picture->setPictureFile(picture_);
    if (auto *decode = qobject_cast<DecodePage *>(shown.get()); decode && arguments.contains(QLatin1String("@bin")))
        decode->setBinaryFile(bin_);
    for (const QString &setting : settings.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        QVERIFY2(setControl(*shown, setting), qPrintable(setting));
    shown->updateNow();
    const auto *text = shown->findChild<QPlainTextEdit *>(QStringLiteral("DecodeText"));
    const QByteArray input = text ? text->toPlainText().toUtf8() : QByteArray();
    const Run command = run(arguments.replace(QStringLiteral("@picture"), picture_)
                                .replace(QStringLiteral("@bin"), bin_)
                                .split(QLatin1Char(' '), Qt::SkipEmptyParts),
                            {}, input);
    const PageResult &result = shown->result();
    const auto *save = shown->findChild<QPushButton *>(QStringLiteral("SaveButton"));
    const auto *copy = shown->findChild<QPushButton *>(QStringLiteral("CopyCommandButton"));

    if (!refusalShownIn.isEmpty()) {
        QVERIFY(result.refusal);
        const auto *label = shown->findChild<QLabel *>(refusalShownIn);
        QVERIFY(label);
        QVERIFY(label->isVisibleTo(shown.get()));
        QCOMPARE(label->text(), result.refusal->message);
        if (text) { // the character at fault is marked
            QVERIFY(result.refusal->line > 0);
            const QString line = text->toPlainText().split(QLatin1Char('\n')).value(result.refusal->line - 1);
            QCOMPARE(text->extraSelections().value(0).cursor.selectedText(), line.mid(result.refusal->column - 1, 1));
        }
        QVERIFY(!save->isEnabled());
        QVERIFY(!copy->isEnabled());
        QVERIFY(result.bytes.isEmpty());
        QVERIFY(command.status == 1 || command.status == 2);
        QVERIFY(command.out.isEmpty());
        const QString path = dir_.filePath(QStringLiteral("refused"));
        QVERIFY(!shown->saveTo(path));
        QVERIFY(!QFile::exists(path));
        return;
    }
    QVERIFY2(!result.refusal, qPrintable(result.refusal ? result.refusal->message : QString()));
    QCOMPARE(command.status, 0);
    QCOMPARE(result.bytes, command.out);
    QVERIFY(save->isEnabled());
    QVERIFY(copy->isEnabled());
    const Run copied = run({}, result.commandLine, input);
    QCOMPARE(copied.status, 0);
    QCOMPARE(copied.out, result.bytes);

    // Under the glyphs: the first one's bytes, for eyes and screen readers alike.
    if (const auto *info = shown->findChild<QLabel *>(QStringLiteral("DecodeGlyphInfo")))
        QVERIFY2(info->text().startsWith(QStringLiteral("第1个：0x")), qPrintable(info->text()));
    // Beside the code: a delay's exact count and error as its comment gives them, and the
    // layer's baud-rate table, whose row taken with Enter is the rate the page then asks for.
    if (const auto *figures = shown->findChild<QLabel *>(QStringLiteral("DelayFigures")))
        QVERIFY(!figures->text().isEmpty() &&
                result.code.contains(figures->text().section(QLatin1Char('\n'), 0, 0)));
    if (auto *table = shown->findChild<QTableWidget *>(QStringLiteral("TimerBaudTable"))) {
        const QList<QTableWidgetItem *> rate =
            table->findItems(QStringLiteral("4800"), Qt::MatchExactly);
        QVERIFY(!rate.isEmpty());
        table->setCurrentItem(rate.first());
        QTest::keyClick(table, Qt::Key_Return);
        QCOMPARE(shown->findChild<QComboBox *>(QStringLiteral("TimerBaudBox"))->currentText(),
                 QStringLiteral("4800"));
        QVERIFY(shown->findChild<QComboBox *>(QStringLiteral("TimerBaudBox"))->isEnabled());
    }
}

QTEST_MAIN(StudioPagesTest)
#include "StudioPagesTest.moc"
