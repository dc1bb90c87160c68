// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMainWindow>

class QTabWidget;

namespace zandrel::studio {

class GeneratorPage;
class GlyphTablePage;
class LazyPage;

// The studio's one window: a tab page for every generator. Only the page that shows first is
// built before the window does; the others follow once it has painted, or when chosen sooner.
class StudioWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit StudioWindow(QWidget *parent = nullptr);

    QTabWidget *pages() const { return pages_; }
    // The page on the tab at index, built now if it was not yet.
    GeneratorPage *page(int index) const;
    GlyphTablePage *glyphPage() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    LazyPage *placeOf(int index) const;
    void pageChosen(int index);
    void afterFirstPaint();
    void buildNextPage();

    QTabWidget *pages_;
};

} // namespace zandrel::studio
