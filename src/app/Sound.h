// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound effects and music from the "sound" folder beside the program (or the
// installed game's data folder: app/Places.h).
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

// "音を出さない": -1 sound off, 0 on. The main window's switch sets it.
extern int32_t glNoSound;

// Starts loading the mixer and SDL's audio on a thread of its own, and
// returns at once; the first sound waits for it. Without a device or a mixer
// the game stays silent and never hangs.
void InitSound();
void ShutdownSound();
// Plays SoundFolder() + name: flags 0 waits until the sound has ended,
// 1 returns at once; a name ending in MID (any case) plays once as music.
// The audio device is held only while something sounds: a sound opens it
// (loading the mixer first when nothing has), and it closes again after a
// silence (CloseSoundAfterSilence). Its closing needs the window thread's
// event loop; a program without one keeps it open.
void PlaySoundFile(const std::string& name, int flags);

// What PlaySoundFile has done so far in this run: files looked up, effects
// and music pieces handed to the player. The tests read it.
struct SoundActivity {
    int lookups = 0;
    int effects = 0;
    int music = 0;
};
const SoundActivity& SoundActivitySoFar();
// True once the mixer has loaded and SDL's audio has started, as long as the
// device has not refused to open.
bool SoundAvailable();
// True while the audio device is open.
bool SoundDeviceOpen();
// For the last sound that had to open the device: from its cue (the call of
// PlaySoundFile) to its first samples mixed for the device. Nothing until
// they have been mixed.
std::optional<std::chrono::microseconds> FirstSoundDelay();
// How long a silence closes the device after (2 s in the game); returns the
// length used until now.
std::chrono::milliseconds CloseSoundAfterSilence(std::chrono::milliseconds silence);
// The mixer library the sound plays through, by the name the dynamic loader
// knows it by; taken at the next loading of the mixer (tests name one that
// is not there). Returns the name used until now.
std::string UseMixerLibrary(const std::string& name);
