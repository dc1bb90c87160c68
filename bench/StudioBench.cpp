// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The studio's live previews, from an edit to the preview and code repainted: a keystroke at the
// end of a 100-character text on the glyph page, and a threshold step on the picture page. The
// page's own update (normally at the next turn of the event loop) is made at once, so that the
// figure is the work of the edit and not the event loop's turn.
#include "studio/GlyphTablePage.h"
#include "studio/PicturePage.h"

#include <QBuffer>
#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

namespace {

using zandrel::studio::GeneratorPage;
using zandrel::studio::GlyphTablePage;
using zandrel::studio::PicturePage;

template<typename T> T *field(QWidget &page, const char *name)
{
    auto *found = page.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("the page has no %s", name);
    return found;
}

// Repaints what an edit changes: every preview widget, and the code view.
void repaintPage(QWidget &page)
{
    for (auto *area : page.findChildren<QScrollArea *>())
        area->widget()->repaint();
    field<QPlainTextEdit>(page, "CodeView")->viewport()->repaint();
}

// The median of single edits, beside the benchmark's means of whole repetitions: the goal is
// a median edit.
class EditTimes
{
public:
    void add(qint64 nanoseconds) { times_.push_back(nanoseconds); }
    void report(benchmark::State &state)
    {
        if (times_.empty())
            return;
        std::nth_element(times_.begin(), times_.begin() + times_.size() / 2, times_.end());
        state.counters["median_ms"] = static_cast<double>(times_[times_.size() / 2]) * 1e-6;
        state.counters["max_ms"] =
            static_cast<double>(*std::max_element(times_.begin(), times_.end())) * 1e-6;
    }

private:
    std::vector<qint64> times_;
};

void settle(GeneratorPage &page)
{
    page.updateNow();
    QCoreApplication::processEvents();
}

// family: empty for the built-in 24 px font, else an installed family.
void KeystrokeToRepaintedGlyphs(benchmark::State &state, const char *family)
{
    QStandardPaths::setTestModeEnabled(true);
    GlyphTablePage page;
    page.resize(1100, 700);
    page.show();
    auto *source = field<QComboBox>(page, "GlyphFontSourceBox");
    if (family) {
        QSignalSpy listed(&page, &GlyphTablePage::fontsListed);
        page.loadFontFamilies();
        listed.wait(60000);
        source->setCurrentIndex(source->findData(QStringLiteral("family")));
        auto *families = field<QComboBox>(page, "GlyphFamilyBox");
        const int index = families->findText(QString::fromUtf8(family));
        if (index < 0) {
            state.SkipWithError("the font family is not installed");
            return;
        }
        families->setCurrentIndex(index);
    } else {
        source->setCurrentIndex(source->findData(QStringLiteral("builtin")));
    }
    field<QSpinBox>(page, "GlyphSizeSpin")->setValue(24);
    auto *text = field<QPlainTextEdit>(page, "GlyphText");
    // 99 characters; the keystroke makes the hundredth.
    const QString sample = QStringLiteral("温度湿度电压电流功率频率时间日期设置返回确认取消菜单");
    QString start;
    while (start.size() < 99)
        start += sample;
    text->setPlainText(start.left(99));
    text->setFocus();
    text->moveCursor(QTextCursor::End);
    settle(page);
    if (page.result().refusal) {
        state.SkipWithError(page.result().refusal->message.toStdString().c_str());
        return;
    }
    EditTimes times;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        QTest::sendKeyEvent(QTest::Click, text, Qt::Key_unknown, QStringLiteral("压"), Qt::NoModifier);
        page.updateNow();
        repaintPage(page);
        times.add(timer.nsecsElapsed());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        if (page.result().code.isEmpty())
            state.SkipWithError("no code after the keystroke");
        QTest::keyClick(text, Qt::Key_Backspace);
        settle(page);
    }
    times.report(state);
    state.SetLabel(family ? family : "built-in 24 px");
}
BENCHMARK_CAPTURE(KeystrokeToRepaintedGlyphs, builtin, nullptr)
    ->UseManualTime()
    ->Iterations(100)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(KeystrokeToRepaintedGlyphs, truetype, "WenQuanYi Micro Hei")
    ->UseManualTime()
    ->Iterations(100)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

// A photograph-like 1024 × 768 picture: smooth shading with edges, so that dithering has work.
QByteArray largePicture()
{
    QImage image(1024, 768, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient shade(0, 0, 1024, 768);
    shade.setColorAt(0, Qt::white);
    shade.setColorAt(1, Qt::black);
    painter.fillRect(image.rect(), shade);
    painter.setBrush(QColor(90, 90, 90));
    painter.drawEllipse(QPoint(512, 384), 300, 200);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void ThresholdStepToRepaintedPicture(benchmark::State &state)
{
    QStandardPaths::setTestModeEnabled(true);
    PicturePage page;
    page.resize(1100, 700);
    page.show();
    page.setPictureBytes(largePicture());
    field<QSpinBox>(page, "PictureSizeWidth")->setValue(128);
    field<QSpinBox>(page, "PictureSizeHeight")->setValue(64);
    auto *dither = field<QComboBox>(page, "PictureDitherBox");
    dither->setCurrentIndex(dither->findData(QStringLiteral("floyd-steinberg")));
    auto *threshold = field<QSpinBox>(page, "PictureThresholdSpin");
    threshold->setValue(128);
    settle(page);
    if (page.result().refusal) {
        state.SkipWithError(page.result().refusal->message.toStdString().c_str());
        return;
    }
    int step = 1;
    EditTimes times;
    for (auto _ : state) {
        QElapsedTimer timer;
        timer.start();
        threshold->setValue(threshold->value() + step);
        page.updateNow();
        repaintPage(page);
        times.add(timer.nsecsElapsed());
        state.SetIterationTime(static_cast<double>(timer.nsecsElapsed()) * 1e-9);
        step = -step;
    }
    times.report(state);
    state.SetLabel("128 x 64, dithered, from 1024 x 768");
}
BENCHMARK(ThresholdStepToRepaintedPicture)
    ->UseManualTime()
    ->Iterations(100)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace
