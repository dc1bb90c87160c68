// SPDX-FileCopyrightText: 2026 The Zandrel developers
// SPDX-License-Identifier: GPL-2.0-or-later

// What the random-use tests share: how a run is seeded and how long it is, and the guard that
// keeps a modal window from blocking a run.

#pragma once

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QRandomGenerator>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <optional>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#define ZANDREL_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ZANDREL_SANITIZED 1
#endif
#endif

namespace zandrel::testing {

struct RandomRun
{
    quint32 seed;
    int actions;
};

// The seed from ZANDREL_RANDOM_SEED, or a fresh one; the length from ZANDREL_RANDOM_ACTIONS, or
// defaultActions. The printed seeds span all 32 bits, so the variable is read as unsigned; a seed
// that does not parse gives nothing rather than quietly becoming seed 0.
inline std::optional<RandomRun> randomRun(int defaultActions)
{
    RandomRun run{QRandomGenerator::global()->generate(), defaultActions};
    if (qEnvironmentVariableIsSet("ZANDREL_RANDOM_SEED")) {
        bool seeded = false;
        run.seed = qEnvironmentVariable("ZANDREL_RANDOM_SEED").trimmed().toUInt(&seeded);
        if (!seeded)
            return std::nullopt;
    }
    if (qEnvironmentVariableIsSet("ZANDREL_RANDOM_ACTIONS"))
        run.actions = qEnvironmentVariableIntValue("ZANDREL_RANDOM_ACTIONS");
    qInfo("seed %u, %d actions (rerun with ZANDREL_RANDOM_SEED=%u)", run.seed, run.actions,
          run.seed);
    return run;
}

inline void closePopups()
{
    for (int i = 0; i < 5 && QApplication::activePopupWidget(); ++i)
        QApplication::activePopupWidget()->close();
}

inline void closeWindow(QWidget *window)
{
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->reject();
    else
        window->close();
}

// Whatever modal loop an action starts is handed to use from inside that loop, and closed when
// use returns, so that no action can block the run; a popup is closed at once. The guard runs
// between actions too: a button's click can come late, from its own timer. use returns whether
// the window was one the user could have opened; any other counts as stray, as does a modal
// window that opens while one is in use.
class ModalGuard
{
public:
    using Use = std::function<bool(QWidget *modal)>;

    explicit ModalGuard(Use use) : use_(std::move(use))
    {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
        timer_.start();
    }
    ModalGuard(const ModalGuard &) = delete;
    ModalGuard &operator=(const ModalGuard &) = delete;

    void stop() { timer_.stop(); }

    int strayModals = 0;

private:
    void check()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (inside_) {
            // Nothing would ever end this one's loop.
            if (modal && modal != inUse_) {
                ++strayModals;
                closeWindow(modal);
            }
            return;
        }
        if (QApplication::activePopupWidget()) {
            closePopups();
            return;
        }
        if (!modal || !modal->isVisible())
            return;
        inside_ = true;
        inUse_ = modal;
        if (!use_(modal))
            ++strayModals;
        if (inUse_ && inUse_->isVisible())
            closeWindow(inUse_);
        inside_ = false;
        inUse_ = nullptr;
    }

    Use use_;
    QTimer timer_;
    bool inside_ = false;
    QPointer<QWidget> inUse_;
};

} // namespace zandrel::testing
