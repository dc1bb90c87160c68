// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#pragma once

#include <QLabel>
#include <QUrl>
#include <QWidget>

namespace zandrel {

// A static text that reports a left click, for the about page's web address; assistive
// tools see it as a link to that address.
class LinkLabel : public QLabel
{
    Q_OBJECT

public:
    LinkLabel(const QString &text, QWidget *parent);

    // The address the text names.
    QUrl address() const;

    // A click as the mouse gives it; assistive tools press the link through this.
    void click() { emit clicked(); }

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The fifth page: thanks, build, contact and the web address.
class AboutPage : public QWidget
{
    Q_OBJECT

public:
    explicit AboutPage(QWidget *parent = nullptr);

    // Asks the desktop to open the web address; whether it can is not our concern.
    void WebLabelClick();

private:
    LinkLabel *WebLabel;
};

} // namespace zandrel
