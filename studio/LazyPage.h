// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QWidget>

#include <functional>

namespace zandrel::studio {

class GeneratorPage;

// A tab's place for its page, which is built only when first needed: when its tab is chosen, or
// when the window has time after it first shows. The window starts as fast as it paints its
// first page.
class LazyPage : public QWidget
{
    Q_OBJECT

public:
    using Builder = std::function<GeneratorPage *()>;
    explicit LazyPage(Builder builder, QWidget *parent = nullptr);

    // The page, built now if it was not yet.
    GeneratorPage *page();
    bool isBuilt() const { return page_ != nullptr; }

private:
    Builder builder_;
    GeneratorPage *page_ = nullptr;
};

} // namespace zandrel::studio
