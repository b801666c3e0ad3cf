// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A virtual clock: time moves only when the game waits, so whole games run on
// it in milliseconds, deterministically (tests, the headless match runner).
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Host.h"

// Time moves only when the game waits. Letting events run delivers the
// scripted events whose time has come; the table's one-second timer ticks
// on it, and so do scripted clicks and menu commands.
class VirtualClockHost : public Host {
public:
    uint32_t TickCount() override { return now_; }
    // Lets events run: the every-pass action and the scripted events that are due.
    void LetEventsRun() override;
    // Lets events run: moves the clock to the next scripted event or the deadline first.
    void WaitForEvents(uint32_t deadline, const WakeCall& woken) override;
    using Host::WaitForEvents;
    void PlaySoundFile(const std::string& name, int flags) override;

    // Runs `action` as an event once the clock reaches `at` (ms).
    void At(uint32_t at, std::function<void()> action);
    // Runs `action` on every event pass (a player watching the table).
    void OnEveryPass(std::function<void()> action) { everyPass_ = std::move(action); }
    // A repeating event, e.g. the one-second timer; returns its id.
    int Every(uint32_t intervalMs, std::function<void()> action);
    void Cancel(int id);

    uint32_t Now() const { return now_; }
    void SetNow(uint32_t now) { now_ = now; }
    // How long a synchronous sound holds the game (the deal's shuffle).
    uint32_t syncSoundMs = 50;
    std::vector<std::pair<std::string, int>> sounds;  // every sound asked for
    bool recordSounds = true;
    int eventPasses = 0;
    int wakeUps = 0;  // waits for events: each one a sleep and a wake-up on a real host

private:
    struct Timed {
        uint32_t at;
        uint32_t interval;  // 0 for a one-off
        int id;
        std::function<void()> action;
    };
    bool RunDue();
    uint32_t now_ = 1000;
    int nextId_ = 1;
    std::vector<Timed> timed_;
    std::function<void()> everyPass_;
};
