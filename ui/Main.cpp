// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "ui/Main.h"

#include "core/Version.h"

#include "ui/AboutPage.h"
#include "ui/Appearance.h"
#include "ui/ByteConverterPage.h"
#include "ui/GlyphPage.h"
#include "ui/ReferencePage.h"
#include "ui/SegmentPage.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>

namespace zandrel {

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(windowFont());

    MainPageControl = new QTabWidget(this);
    MainPageControl->setObjectName(QStringLiteral("MainPageControl"));
    setCentralWidget(MainPageControl);

    byteConverterPage_ = new ByteConverterPage(MainPageControl);
    segmentPage_ = new SegmentPage(*this, MainPageControl);
    glyphPage_ = new GlyphPage(MainPageControl);
    referencePage_ = new ReferencePage(MainPageControl);
    aboutPage_ = new AboutPage(MainPageControl);
    MainPageControl->addTab(byteConverterPage_, QStringLiteral("二制显示"));
    MainPageControl->addTab(segmentPage_, QStringLiteral("数码管字形码生成"));
    MainPageControl->addTab(glyphPage_, QStringLiteral("汉字字模生成"));
    MainPageControl->addTab(referencePage_, QStringLiteral("指令速查"));
    MainPageControl->addTab(aboutPage_, QStringLiteral("软件说明"));

    auto *statusBar = new QStatusBar(this);
    statusBar->setObjectName(QStringLiteral("StatusBar1"));
    statusBar->setFixedHeight(19);
    statusBar->setSizeGripEnabled(true);
    statusPanel_ = new QLabel(QStringLiteral("Zandrel 开发组 制作"), statusBar);
    statusPanel_->setObjectName(QStringLiteral("StatusBar1Panel0"));
    statusPanel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    statusBar->addWidget(statusPanel_, 1);
    setStatusBar(statusBar);

    // Client area 604 x 294, centred on the screen; the frame adds the rest of 612 x 328.
    resize(604, 294);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    FormCreate();
}

void TMainForm::FormCreate()
{
    setWindowTitle(QApplication::applicationName() + QStringLiteral(" - ") +
                   QStringLiteral("版本:") +
                   QString::fromLatin1(kVersion.data(), qsizetype(kVersion.size())));
    SegmentOffColor = 0xFFFFFF;
    SegmentOnColor = 255;
    MainPageControl->setCurrentIndex(0);
    InitSegmentShapes();
}

void TMainForm::InitSegmentShapes()
{
    SegmentShapes = {
        // horizontal
        QPoint(6, 0), QPoint(36, 0), QPoint(42, 6), QPoint(36, 12), QPoint(6, 12), QPoint(0, 6),
        // vertical
        QPoint(6, 0), QPoint(12, 6), QPoint(12, 36), QPoint(6, 42), QPoint(0, 36), QPoint(0, 6),
        // point
        QPoint(6, 0), QPoint(12, 6), QPoint(12, 12), QPoint(6, 18), QPoint(0, 12), QPoint(0, 6),
    };
}

void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // Restoring from the task bar is a spontaneous show; only a real show fills the pages.
    if (!event->spontaneous())
        FormShow();
}

void TMainForm::FormShow()
{
    segmentPage_->drawDigit();
    byteConverterPage_->BinCalcBtnClick();
    glyphPage_->GetHzBtnClick();
}

} // namespace zandrel
