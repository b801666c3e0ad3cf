// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/VirtualClockHost.h"

void VirtualClockHost::At(uint32_t at, std::function<void()> action) {
    timed_.push_back({at, 0, nextId_++, std::move(action)});
}

int VirtualClockHost::Every(uint32_t intervalMs, std::function<void()> action) {
    const int id = nextId_++;
    timed_.push_back({now_ + intervalMs, intervalMs, id, std::move(action)});
    return id;
}

void VirtualClockHost::Cancel(int id) {
    std::erase_if(timed_, [id](const Timed& t) { return t.id == id; });
}

// Runs the earliest event that is due; false when none is.
bool VirtualClockHost::RunDue() {
    auto due = timed_.end();
    for (auto it = timed_.begin(); it != timed_.end(); ++it)
        if (static_cast<int32_t>(now_ - it->at) >= 0 &&
            (due == timed_.end() || static_cast<int32_t>(it->at - due->at) < 0))
            due = it;
    if (due == timed_.end()) return false;
    std::function<void()> action = due->action;
    if (due->interval) {
        due->at += due->interval;
    } else {
        timed_.erase(due);
    }
    action();  // may wait, and so run further events, itself
    return true;
}

void VirtualClockHost::LetEventsRun() {
    ++eventPasses;
    if (everyPass_) everyPass_();
    while (RunDue()) {
    }
}

void VirtualClockHost::WaitForEvents(uint32_t deadline, const WakeCall& woken) {
    // Jump to the next scheduled event or the deadline, whichever comes first.
    uint32_t next = deadline;
    for (const Timed& t : timed_)
        if (static_cast<int32_t>(t.at - next) < 0) next = t.at;
    if (static_cast<int32_t>(next - now_) > 0) now_ = next;
    ++wakeUps;
    if (woken) woken(now_);
    LetEventsRun();
}

void VirtualClockHost::PlaySoundFile(const std::string& name, int flags) {
    if (recordSounds) sounds.emplace_back(name, flags);
    if (flags == 0) now_ += syncSoundMs;  // a synchronous sound holds everything
}
