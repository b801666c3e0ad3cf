// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the game reaches time, pending events and sound. The desktop program
// implements it on Qt and SDL; tests and the match runner use a virtual clock.
//
// Clicks, menu commands, dialogs and timers run only where the game lets
// events run. Every function in whose body that can happen says so in its
// header with a line "Lets events run: ..."; after such a call the game state
// may have changed under the caller (see GameAbandoned in GameState.h).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

class Host {
public:
    virtual ~Host() = default;
    // Milliseconds on a monotonic tick counter (wraps like a 32-bit counter).
    virtual uint32_t TickCount() = 0;
    // Lets every pending event run once, without blocking.
    // Lets events run: that is what it is for.
    virtual void LetEventsRun() = 0;
    // Blocks until an event arrives or the tick count reaches `deadline`,
    // running the events that arrive; returns early after any event. `woken`,
    // when given, is called once as the wait ends, before any event runs, with
    // the tick count of that moment: the game loop settles there what has gone
    // by while it slept.
    // Lets events run: every event that arrives.
    using WakeCall = std::function<void(uint32_t woke)>;
    virtual void WaitForEvents(uint32_t deadline, const WakeCall& woken) = 0;
    // Lets events run: every event that arrives.
    void WaitForEvents(uint32_t deadline) { WaitForEvents(deadline, nullptr); }
    // Plays a file of the sound folder: flags 0 waits until it has ended, 1 returns at once.
    // No events run while a sound holds the game.
    virtual void PlaySoundFile(const std::string& name, int flags) = 0;
};

void AttachHost(Host* host);
Host& CurrentHost();

// Waits until the tick count has advanced by `ms`, letting pending events run
// at least once and whenever they arrive. It blocks in the host's event wait
// instead of spinning, so a waiting game costs next to no processor time.
// Lets events run: at least once, and all through the wait.
void WaitWithEvents(int32_t ms);

// The engine's and the opponents' way to a sound effect (through the host).
inline void PlaySound(const std::string& name, int flags) {
    CurrentHost().PlaySoundFile(name, flags);
}
