// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/StudioWindow.h"

#include "core/Version.h"
#include "studio/DecodePage.h"
#include "studio/DelayPage.h"
#include "studio/GlyphTablePage.h"
#include "studio/LazyPage.h"
#include "studio/PicturePage.h"
#include "studio/PreviewAccessible.h"
#include "studio/SegmentTablePage.h"
#include "studio/StudioSettings.h"
#include "studio/TimerPage.h"
#include "ui/Appearance.h"
#include "ui/ProgramIcon.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTabWidget>
#include <QTimer>

namespace zandrel::studio {
namespace {

// Each page's builder, in tab order.
template <typename Page> LazyPage *lazy()
{
    return new LazyPage([] { return new Page; });
}

} // namespace

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
    pages_->addTab(lazy<GlyphTablePage>(), QStringLiteral("字模"));
    pages_->addTab(lazy<PicturePage>(), QStringLiteral("图片"));
    pages_->addTab(lazy<SegmentTablePage>(), QStringLiteral("段码表"));
    pages_->addTab(lazy<TimerPage>(), QStringLiteral("定时器"));
    pages_->addTab(lazy<DelayPage>(), QStringLiteral("延时"));
    pages_->addTab(lazy<DecodePage>(), QStringLiteral("字模还原"));

    resize(960, 640);
    const auto settings = studioSettings();
    restoreGeometry(settings->value(QStringLiteral("window/geometry")).toByteArray());
    pages_->setCurrentIndex(settings->value(QStringLiteral("window/page"), 0).toInt());
    page(pages_->currentIndex());
    connect(pages_, &QTabWidget::currentChanged, this, &StudioWindow::pageChosen);
    // The rest once the first page is on the screen.
    pages_->installEventFilter(this);
}

LazyPage *StudioWindow::placeOf(int index) const
{
    return qobject_cast<LazyPage *>(pages_->widget(index));
}

GeneratorPage *StudioWindow::page(int index) const
{
    LazyPage *place = placeOf(index);
    return place ? place->page() : nullptr;
}

GlyphTablePage *StudioWindow::glyphPage() const
{
    return qobject_cast<GlyphTablePage *>(page(0));
}

void StudioWindow::pageChosen(int index)
{
    LazyPage *place = placeOf(index);
    if (!place || place->isBuilt())
        return;
    GeneratorPage *chosen = place->page();
    // Its fields did not exist when the tab changed, so the focus could not follow into them.
    if (QWidget *focus = focusWidget(); focus && focus->isVisible())
        return;
    for (QWidget *next = chosen->nextInFocusChain(); next != chosen;
         next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisible() &&
            chosen->isAncestorOf(next)) {
            next->setFocus(Qt::TabFocusReason);
            break;
        }
    }
}

bool StudioWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == pages_ && event->type() == QEvent::Paint) {
        pages_->removeEventFilter(this);
        QTimer::singleShot(0, this, &StudioWindow::afterFirstPaint);
    }
    return QMainWindow::eventFilter(watched, event);
}

void StudioWindow::afterFirstPaint()
{
    // Every window of the program takes the icon, once the window is on the screen: the X11
    // window system takes all its sizes at once.
    QApplication::setWindowIcon(programIcon(QStringLiteral(":/studio-icon")));
    // Finding the installed fonts takes a while, on a thread of its own.
    glyphPage()->loadFontFamilies();
    buildNextPage();
}

void StudioWindow::buildNextPage()
{
    // One page a turn of the event loop, so that input is never kept waiting long.
    for (int i = 0; i < pages_->count(); ++i) {
        if (!placeOf(i)->isBuilt()) {
            placeOf(i)->page();
            QTimer::singleShot(0, this, &StudioWindow::buildNextPage);
            return;
        }
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
