// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtHost.h"

#include <QCoreApplication>
#include <QObject>
#include <utility>

#include "app/Sound.h"

namespace {
// Catches the first event a blocked wait delivers, before it runs: the moment
// the game woke up. A click that turns a card runs for a while; what fell
// before it must be settled as it stood before the click.
class WakeWatch : public QObject {
public:
    explicit WakeWatch(std::function<void()> first) : first_(std::move(first)) {}
    bool eventFilter(QObject*, QEvent*) override {
        Fire();
        return false;
    }
    void Fire() {
        if (first_) std::exchange(first_, nullptr)();
    }

private:
    std::function<void()> first_;
};
}  // namespace

QtHost::QtHost() {
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

uint32_t QtHost::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

void QtHost::LetEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::WaitForEvents(uint32_t deadline, const WakeCall& woken) {
    const int32_t remaining = static_cast<int32_t>(deadline - TickCount());
    if (remaining <= 0) {
        if (woken) woken(TickCount());
        return LetEventsRun();
    }
    // The timer only wakes the event loop, and is armed only while the game
    // sleeps: a wait that an event ended leaves nothing to wake it later.
    wake_.start(remaining);
    if (!woken) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    } else {
        WakeWatch watch([this, &woken] { woken(TickCount()); });
        QCoreApplication::instance()->installEventFilter(&watch);
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::instance()->removeEventFilter(&watch);
        watch.Fire();  // woken by something that was no event of ours
    }
    wake_.stop();
}

void QtHost::PlaySoundFile(const std::string& name, int flags) { ::PlaySoundFile(name, flags); }
