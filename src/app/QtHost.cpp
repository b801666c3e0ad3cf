// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtHost.h"

#include <QCoreApplication>

#include "app/Sound.h"

QtHost::QtHost() {
    clock_.start();
    wake_.setSingleShot(true);
    wake_.setTimerType(Qt::PreciseTimer);
}

uint32_t QtHost::TickCount() { return static_cast<uint32_t>(clock_.elapsed()); }

void QtHost::LetEventsRun() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void QtHost::WaitForEvents(uint32_t deadline) {
    const int32_t remaining = static_cast<int32_t>(deadline - TickCount());
    if (remaining <= 0) return LetEventsRun();
    // The timer only wakes the event loop; re-arm it when it is not already
    // set for this deadline.
    if (!wake_.isActive() || wake_.remainingTime() > remaining) wake_.start(remaining);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtHost::PlaySoundFile(const std::string& name, int flags) { ::PlaySoundFile(name, flags); }
