// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop host: the tick count from a monotonic clock, pending events from
// Qt's event loop, and sound through SDL. Waiting blocks in the event loop with
// a precise timer armed for the deadline, so a waiting game sleeps instead of
// burning a processor core.
#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include "engine/Host.h"

class QtHost : public Host {
public:
    QtHost();
    uint32_t TickCount() override;
    // Lets events run: Qt's pending events, once.
    void LetEventsRun() override;
    // Lets events run: Qt's event loop, until an event or the deadline.
    void WaitForEvents(uint32_t deadline, const WakeCall& woken) override;
    using Host::WaitForEvents;
    void PlaySoundFile(const std::string& name, int flags) override;

private:
    QElapsedTimer clock_;
    QTimer wake_;
};
