// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <filesystem>
#include <unordered_map>

#include "app/Places.h"

int32_t glNoSound = 0;

namespace {

// Effects share one channel, so a newer effect cuts the older one off.
constexpr int kEffectChannel = 0;
// How often a synchronous play looks whether its sound has ended.
constexpr Uint32 kPollMs = 2;
// However the driver behaves, a synchronous play gives up this long after the sound's end.
constexpr Uint32 kStuckDriverMs = 500;

bool deviceOpen = false;
std::unordered_map<std::string, Mix_Chunk*> chunks;  // loaded effects, by path
Mix_Music* bgm = nullptr;                            // the one music piece, "bgm"
SoundActivity activity;

Uint32 ChunkMs(const Mix_Chunk& chunk) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (!Mix_QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0) return 0;
    const Uint64 bytesPerSecond =
        static_cast<Uint64>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return static_cast<Uint32>(static_cast<Uint64>(chunk.alen) * 1000 / bytesPerSecond);
}

Mix_Chunk* LoadedChunk(const std::string& path) {
    auto found = chunks.find(path);
    if (found != chunks.end()) return found->second;
    Mix_Chunk* chunk = Mix_LoadWAV(path.c_str());
    // A file that is not a sound we can play stays silent, and is not tried again.
    chunks.emplace(path, chunk);
    return chunk;
}

void PlayEffect(const std::string& path, int flags) {
    ++activity.effects;
    if (!deviceOpen) return;
    Mix_Chunk* chunk = LoadedChunk(path);
    if (!chunk || Mix_PlayChannel(kEffectChannel, chunk, 0) < 0) return;
    if (flags != 0) return;
    // Synchronous: the caller goes on when the sound has ended.
    const Uint64 deadline = SDL_GetTicks64() + ChunkMs(*chunk) + kStuckDriverMs;
    while (Mix_Playing(kEffectChannel) && SDL_GetTicks64() < deadline) SDL_Delay(kPollMs);
}

void CloseMusic() {
    if (!bgm) return;
    Mix_FreeMusic(bgm);  // stops it first when it is still playing
    bgm = nullptr;
}

void PlayMusic(const std::string& path) {
    ++activity.music;
    if (!deviceOpen) return;
    CloseMusic();
    bgm = Mix_LoadMUS(path.c_str());
    // Played once, never waited for; a piece that cannot be loaded is silent.
    if (bgm) Mix_PlayMusic(bgm, 0);
}

bool IsMusic(const std::string& path) {
    if (path.size() < 3) return false;
    std::string last = path.substr(path.size() - 3);
    for (char& c : last) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return last == "MID";
}

}  // namespace

void InitSound() {
    if (deviceOpen) return;
    // SDL must not take over the termination signals: the game has to end on kill.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    Mix_Init(MIX_INIT_MID);
    if (Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    Mix_AllocateChannels(1);
    deviceOpen = true;
}

void ShutdownSound() {
    if (!deviceOpen) return;
    Mix_HaltChannel(-1);
    CloseMusic();
    for (auto& [path, chunk] : chunks)
        if (chunk) Mix_FreeChunk(chunk);
    chunks.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

void PlaySoundFile(const std::string& name, int flags) {
    if (glNoSound != 0) return;
    const std::string path = SoundFolder() + name;
    ++activity.lookups;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    if (IsMusic(path))
        PlayMusic(path);
    else
        PlayEffect(path, flags);
}

const SoundActivity& SoundActivitySoFar() { return activity; }

bool SoundDeviceOpen() { return deviceOpen; }
