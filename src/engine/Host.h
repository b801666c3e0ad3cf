// How the game reaches time, pending events and sound. The desktop program
// implements it on Qt and SDL; tests and the match runner use a virtual clock.
#pragma once

#include <cstdint>
#include <string>

class Host {
public:
    virtual ~Host() = default;
    // Milliseconds on a monotonic tick counter (wraps like a 32-bit counter).
    virtual uint32_t TickCount() = 0;
    // Lets every pending event run once, without blocking.
    virtual void ProcessEvents() = 0;
    // Blocks until an event arrives or the tick count reaches `deadline`,
    // running the events that arrive; returns early after any event.
    virtual void WaitForEvents(uint32_t deadline) = 0;
    // Plays a file of the sound folder: flags 0 waits until it has ended, 1 returns at once.
    virtual void PlaySoundFile(const std::string& name, int flags) = 0;
};

void AttachHost(Host* host);
Host& CurrentHost();

// Waits until the tick count has advanced by `ms`, letting pending events run
// at least once and whenever they arrive; handlers run inside the wait.
// It blocks in the host's event wait instead of spinning, so a waiting game
// costs next to no processor time.
void WaitWithEvents(int32_t ms);

// The engine's and the opponents' way to a sound effect (through the host).
inline void PlaySound(const std::string& name, int flags) {
    CurrentHost().PlaySoundFile(name, flags);
}
