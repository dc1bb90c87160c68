// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The glyph tool: lookup and code text for the whole font, and one full generate on the page.
#include "core/FontTable.h"
#include "core/GlyphCodeText.h"
#include "ui/GlyphPage.h"
#include "ui/Main.h"

#include <QTabWidget>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

void GlyphCodeTextForEveryGlyph(benchmark::State &state)
{
    const auto mode = static_cast<zandrel::GlyphCodeMode>(state.range(0));
    const std::string label = "\xB2\xE2";
    std::size_t glyphs = 0;
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        for (int hi = 0xA1; hi <= 0xF7; ++hi) {
            for (int lo = 0xA1; lo <= 0xFE; ++lo) {
                const auto glyph = zandrel::GlyphOf(static_cast<std::uint8_t>(hi), static_cast<std::uint8_t>(lo));
                benchmark::DoNotOptimize(zandrel::HzCodeText(*glyph, true, mode, label));
                ++glyphs;
            }
        }
    }
    const std::chrono::duration<double, std::micro> elapsed = std::chrono::steady_clock::now() - start;
    state.counters["us/glyph"] = elapsed.count() / static_cast<double>(glyphs);
    state.SetLabel(mode == zandrel::GlyphCodeMode::C51 ? "C51, 8178 glyphs" : "51-ASM, 8178 glyphs");
}
BENCHMARK(GlyphCodeTextForEveryGlyph)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// GetHzBtnClick: encode, look up, paint both previews, write the memo, then the page's repaint.
void GlyphPageGenerate(benchmark::State &state)
{
    zandrel::TMainForm form;
    form.show();
    form.findChild<QTabWidget *>(QStringLiteral("MainPageControl"))->setCurrentIndex(2);
    zandrel::GlyphPage *page = form.glyphPage();
    for (auto _ : state) {
        page->GetHzBtnClick();
        page->repaint();
    }
    state.SetLabel("one glyph, previews and memo");
}
BENCHMARK(GlyphPageGenerate)->Unit(benchmark::kMicrosecond);

} // namespace
