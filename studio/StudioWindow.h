// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace zandrel::studio {

class GlyphTablePage;
class PicturePage;
class SegmentTablePage;
class TimerPage;
class DelayPage;
class DecodePage;

// The studio's one window: a tab page for every generator.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget *parent = nullptr);

    QTabWidget *pages() const { return pages_; }
    GlyphTablePage *glyphPage() const { return glyphPage_; }

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QTabWidget *pages_;
    GlyphTablePage *glyphPage_;
    PicturePage *picturePage_;
    SegmentTablePage *segmentPage_;
    TimerPage *timerPage_;
    DelayPage *delayPage_;
    DecodePage *decodePage_;
    bool shown_ = false;
};

} // namespace zandrel::studio
