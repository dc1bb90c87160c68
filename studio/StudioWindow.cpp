// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/StudioWindow.h"

#include "core/Version.h"
#include "studio/DecodePage.h"
#include "studio/DelayPage.h"
#include "studio/GlyphTablePage.h"
#include "studio/PicturePage.h"
#include "studio/PreviewAccessible.h"
#include "studio/SegmentTablePage.h"
#include "studio/StudioSettings.h"
#include "studio/TimerPage.h"
#include "ui/Appearance.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShowEvent>
#include <QTabWidget>
#include <QTimer>

namespace zandrel::studio {

StudioWindow::StudioWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("StudioWindow"));
    installPreviewAccessibility();
    // The main window's font, so that the two programs read alike.
    setFont(windowFont());
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" - ") +
                   QStringLiteral("版本:") +
                   QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size())));

    pages_ = new QTabWidget(this);
    pages_->setObjectName(QStringLiteral("StudioPages"));
    setCentralWidget(pages_);
    glyphPage_ = new GlyphTablePage;
    picturePage_ = new PicturePage;
    segmentPage_ = new SegmentTablePage;
    timerPage_ = new TimerPage;
    delayPage_ = new DelayPage;
    decodePage_ = new DecodePage;
    pages_->addTab(glyphPage_, QStringLiteral("字模"));
    pages_->addTab(picturePage_, QStringLiteral("图片"));
    pages_->addTab(segmentPage_, QStringLiteral("段码表"));
    pages_->addTab(timerPage_, QStringLiteral("定时器"));
    pages_->addTab(delayPage_, QStringLiteral("延时"));
    pages_->addTab(decodePage_, QStringLiteral("字模还原"));

    resize(960, 640);
    const auto settings = studioSettings();
    restoreGeometry(settings->value(QStringLiteral("window/geometry")).toByteArray());
    pages_->setCurrentIndex(settings->value(QStringLiteral("window/page"), 0).toInt());
}

void StudioWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Finding the installed fonts takes a while: only once the window is up.
    if (!shown_ && !event->spontaneous()) {
        shown_ = true;
        QTimer::singleShot(0, glyphPage_, &GlyphTablePage::loadFontFamilies);
    }
}

void StudioWindow::closeEvent(QCloseEvent *event)
{
    const auto settings = studioSettings();
    settings->setValue(QStringLiteral("window/geometry"), saveGeometry());
    settings->setValue(QStringLiteral("window/page"), pages_->currentIndex());
    QMainWindow::closeEvent(event);
}

} // namespace zandrel::studio
