// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <type_traits>
#include <unordered_map>
#include <utility>

#include "app/Places.h"

int32_t glNoSound = 0;

namespace {

// The mixer and everything it plays through (SDL, the sound server's client,
// the MIDI synthesiser and the decoders: some fifty libraries) are loaded when
// the sound device opens, not with the program: the window is up before them.
// Debian's runtime package names the mixer by this name.
std::string mixerLibrary = "libSDL2_mixer-2.0.so.0";

// What the game calls in SDL and the mixer, looked up in the loaded library.
struct Mixer {
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&Mix_Init) Init;
    decltype(&Mix_Quit) Quit;
    decltype(&Mix_OpenAudio) OpenAudio;
    decltype(&Mix_CloseAudio) CloseAudio;
    decltype(&Mix_AllocateChannels) AllocateChannels;
    decltype(&Mix_QuerySpec) QuerySpec;
    decltype(&Mix_LoadWAV) LoadWAV;
    decltype(&Mix_FreeChunk) FreeChunk;
    decltype(&Mix_PlayChannel) PlayChannel;
    decltype(&Mix_Playing) Playing;
    decltype(&Mix_HaltChannel) HaltChannel;
    decltype(&Mix_LoadMUS) LoadMUS;
    decltype(&Mix_FreeMusic) FreeMusic;
    decltype(&Mix_PlayMusic) PlayMusic;
};

// Every function or none: a mixer that lacks one is no mixer to play through.
bool LoadMixer(Mixer& mix) {
    void* library = ::dlopen(mixerLibrary.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!library) return false;
    bool complete = true;
    auto find = [&](auto& function, const char* name) {
        function =
            reinterpret_cast<std::remove_reference_t<decltype(function)>>(::dlsym(library, name));
        complete = complete && function;
    };
    find(mix.SetHint, "SDL_SetHint");
    find(mix.InitSubSystem, "SDL_InitSubSystem");
    find(mix.QuitSubSystem, "SDL_QuitSubSystem");
    find(mix.Init, "Mix_Init");
    find(mix.Quit, "Mix_Quit");
    find(mix.OpenAudio, "Mix_OpenAudio");
    find(mix.CloseAudio, "Mix_CloseAudio");
    find(mix.AllocateChannels, "Mix_AllocateChannels");
    find(mix.QuerySpec, "Mix_QuerySpec");
    find(mix.LoadWAV, "Mix_LoadWAV");
    find(mix.FreeChunk, "Mix_FreeChunk");
    find(mix.PlayChannel, "Mix_PlayChannel");
    find(mix.Playing, "Mix_Playing");
    find(mix.HaltChannel, "Mix_HaltChannel");
    find(mix.LoadMUS, "Mix_LoadMUS");
    find(mix.FreeMusic, "Mix_FreeMusic");
    find(mix.PlayMusic, "Mix_PlayMusic");
    // The library stays loaded for the rest of the run: SDL keeps threads in it.
    return complete;
}

// Effects share one channel, so a newer effect cuts the older one off.
constexpr int kEffectChannel = 0;
// How often a synchronous play looks whether its sound has ended.
constexpr std::chrono::milliseconds kPoll(2);
// However the driver behaves, a synchronous play gives up this long after the sound's end.
constexpr std::chrono::milliseconds kStuckDriver(500);

Mixer mix{};
bool mixerLoaded = false;
// The device opens on a thread of its own; everything else waits for it first.
std::jthread opening;
bool openingStarted = false;
bool deviceOpen = false;
std::unordered_map<std::string, Mix_Chunk*> chunks;  // loaded effects, by path
Mix_Music* bgm = nullptr;                            // the one music piece, "bgm"
SoundActivity activity;

void OpenDevice() {
    if (!mixerLoaded) mixerLoaded = LoadMixer(mix);
    if (!mixerLoaded) return;
    // SDL must not take over the termination signals: the game has to end on kill.
    mix.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix.InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    mix.Init(MIX_INIT_MID);
    if (mix.OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        mix.Quit();
        mix.QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    mix.AllocateChannels(1);
    deviceOpen = true;
}

// Waits for the device to have opened, or to have failed to.
void Settle() {
    if (opening.joinable()) opening.join();
}

std::chrono::milliseconds ChunkLength(const Mix_Chunk& chunk) {
    int frequency = 0, channels = 0;
    Uint16 format = 0;
    if (!mix.QuerySpec(&frequency, &format, &channels) || frequency <= 0 || channels <= 0)
        return {};
    const Uint64 bytesPerSecond =
        static_cast<Uint64>(frequency) * channels * (SDL_AUDIO_BITSIZE(format) / 8);
    return std::chrono::milliseconds(static_cast<Uint64>(chunk.alen) * 1000 / bytesPerSecond);
}

Mix_Chunk* LoadedChunk(const std::string& path) {
    auto found = chunks.find(path);
    if (found != chunks.end()) return found->second;
    Mix_Chunk* chunk = mix.LoadWAV(path.c_str());
    // A file that is not a sound we can play stays silent, and is not tried again.
    chunks.emplace(path, chunk);
    return chunk;
}

void PlayEffect(const std::string& path, int flags) {
    ++activity.effects;
    if (!deviceOpen) return;
    Mix_Chunk* chunk = LoadedChunk(path);
    if (!chunk || mix.PlayChannel(kEffectChannel, chunk, 0) < 0) return;
    if (flags != 0) return;
    // Synchronous: the caller goes on when the sound has ended.
    const auto deadline = std::chrono::steady_clock::now() + ChunkLength(*chunk) + kStuckDriver;
    while (mix.Playing(kEffectChannel) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(kPoll);
}

void CloseMusic() {
    if (!bgm) return;
    mix.FreeMusic(bgm);  // stops it first when it is still playing
    bgm = nullptr;
}

void PlayMusic(const std::string& path) {
    ++activity.music;
    if (!deviceOpen) return;
    CloseMusic();
    bgm = mix.LoadMUS(path.c_str());
    // Played once, never waited for; a piece that cannot be loaded is silent.
    if (bgm) mix.PlayMusic(bgm, 0);
}

bool IsMusic(const std::string& path) {
    if (path.size() < 3) return false;
    std::string last = path.substr(path.size() - 3);
    for (char& c : last) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    return last == "MID";
}

}  // namespace

void InitSound() {
    if (openingStarted) return;
    openingStarted = true;
    opening = std::jthread(OpenDevice);
}

void ShutdownSound() {
    Settle();
    openingStarted = false;
    if (!deviceOpen) return;
    mix.HaltChannel(-1);
    CloseMusic();
    for (auto& [path, chunk] : chunks)
        if (chunk) mix.FreeChunk(chunk);
    chunks.clear();
    mix.CloseAudio();
    mix.Quit();
    mix.QuitSubSystem(SDL_INIT_AUDIO);
    deviceOpen = false;
}

void PlaySoundFile(const std::string& name, int flags) {
    if (glNoSound != 0) return;
    const std::string path = SoundFolder() + name;
    ++activity.lookups;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    // A sound asked for before the device was ever opened opens it.
    InitSound();
    Settle();
    if (IsMusic(path))
        PlayMusic(path);
    else
        PlayEffect(path, flags);
}

const SoundActivity& SoundActivitySoFar() { return activity; }

bool SoundDeviceOpen() {
    Settle();
    return deviceOpen;
}

std::string UseMixerLibrary(const std::string& name) {
    Settle();
    mixerLoaded = false;
    return std::exchange(mixerLibrary, name);
}
