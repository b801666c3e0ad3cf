// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound effects and music from the "sound" folder beside the program (or the
// installed game's data folder: app/Places.h).
#pragma once

#include <cstdint>
#include <string>

// "音を出さない": -1 sound off, 0 on. The main window's switch sets it.
extern int32_t glNoSound;

// Starts opening the audio device, loading the mixer on a thread of its own,
// and returns at once; the first sound waits for it to have opened. Without a
// device or a mixer the game stays silent and never hangs.
void InitSound();
void ShutdownSound();
// Plays SoundFolder() + name: flags 0 waits until the sound has ended,
// 1 returns at once; a name ending in MID (any case) plays once as music.
// Opens the device first when nothing has opened it yet.
void PlaySoundFile(const std::string& name, int flags);

// What PlaySoundFile has done so far in this run: files looked up, effects
// and music pieces handed to the player. The tests read it.
struct SoundActivity {
    int lookups = 0;
    int effects = 0;
    int music = 0;
};
const SoundActivity& SoundActivitySoFar();
// True while the audio device is open (once it has finished opening).
bool SoundDeviceOpen();
// The mixer library the sound plays through, by the name the dynamic loader
// knows it by; taken at the next opening of the device (tests name one that
// is not there). Returns the name used until now.
std::string UseMixerLibrary(const std::string& name);
