// Sound effects and music from the "sound" folder beside the program.
#pragma once

#include <string>

// Opens the audio device; without one the game stays silent and never hangs.
void InitSound();
void ShutdownSound();
// Plays gsAppPath + "sound/" + name: flags 0 waits until the sound has ended,
// 1 returns at once; a name ending in MID (any case) plays once as music.
void PlaySoundFile(const std::string& name, int flags);
