// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QMainWindow>
#include <QPoint>

#include <array>
#include <cstdint>

class QTabWidget;
class QLabel;

namespace zandrel {

class ByteConverterPage;
class SegmentPage;
class GlyphPage;
class ReferencePage;
class AboutPage;

// The program's one window: five tab pages above a status bar. It owns every control and
// the segment tool's drawing state.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    explicit TMainForm(QWidget *parent = nullptr);

    // Colours are 0x00BBGGRR values.
    std::uint32_t SegmentOffColor = 0;
    std::uint32_t SegmentOnColor = 0;
    // Three six-point outlines: horizontal (A, D, G), vertical (B, C, E, F), point (H).
    std::array<QPoint, 18> SegmentShapes{};

    GlyphPage *glyphPage() const { return glyphPage_; }
    ReferencePage *referencePage() const { return referencePage_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormCreate();
    void FormShow();
    void InitSegmentShapes();

    QTabWidget *MainPageControl;
    QLabel *statusPanel_;
    ByteConverterPage *byteConverterPage_;
    SegmentPage *segmentPage_;
    GlyphPage *glyphPage_;
    ReferencePage *referencePage_;
    AboutPage *aboutPage_;
};

} // namespace zandrel
