// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "studio/LazyPage.h"

#include "studio/GeneratorPage.h"

#include <QVBoxLayout>

#include <utility>

namespace zandrel::studio {

LazyPage::LazyPage(Builder builder, QWidget *parent) : QWidget(parent), builder_(std::move(builder))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
}

GeneratorPage *LazyPage::page()
{
    if (!page_) {
        page_ = builder_();
        builder_ = nullptr;
        layout()->addWidget(page_);
        // Shown at once when its tab already is, rather than at the next turn of the event loop.
        page_->show();
    }
    return page_;
}

} // namespace zandrel::studio
