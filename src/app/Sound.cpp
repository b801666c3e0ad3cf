// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Sound.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <QCoreApplication>
#include <QPointer>
#include <QTimer>
#include <atomic>
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
// the MIDI synthesiser and the decoders: some fifty libraries) are loaded on a
// thread of their own once the window is up, not with the program.
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
    decltype(&Mix_PlayingMusic) PlayingMusic;
    decltype(&Mix_SetPostMix) SetPostMix;
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
    find(mix.PlayingMusic, "Mix_PlayingMusic");
    find(mix.SetPostMix, "Mix_SetPostMix");
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
// The mixer loads and SDL's audio starts on a thread of their own; everything
// else waits for that first.
std::jthread opening;
bool openingStarted = false;
bool mixerReady = false;    // loaded, and SDL's audio started
bool deviceOpen = false;    // the device is held, and its thread feeds the sound server
bool deviceFailed = false;  // it would not open: the game stays silent and does not ask again
std::unordered_map<std::string, Mix_Chunk*> chunks;  // effects loaded for this opening, by path
Mix_Music* bgm = nullptr;                            // the one music piece, "bgm"
SoundActivity activity;

// The device is held only while something sounds: a sound opens it, and a
// silence this long closes it again. An open device's thread hands the sound
// server a buffer some forty times a second, silence or not, holds a stream
// open there, and keeps a laptop's audio hardware powered. (Pausing it would
// not do: SDL goes on feeding a paused device silence.)
std::chrono::milliseconds silenceBeforeClose(2000);
QPointer<QTimer> silenceTimer;  // on the window thread, made with the first sound

// When a sound had to open the device: its cue, and when its first samples were mixed.
using Clock = std::chrono::steady_clock;
Clock::time_point openedForCue;
std::atomic<bool> awaitingFirstSamples{false};
std::atomic<bool> firstSamplesMixed{false};
std::atomic<Clock::rep> firstSamplesAt{0};

// On the device's thread, after each buffer the mixer has filled: the first
// buffer that is not all silence holds the start of the sound that opened the device.
void NoteFirstSamples(void*, Uint8* stream, int length) {
    if (!awaitingFirstSamples.load(std::memory_order_acquire)) return;
    for (int i = 0; i < length; ++i) {
        if (stream[i] != 0) {
            firstSamplesAt.store(Clock::now().time_since_epoch().count());
            firstSamplesMixed.store(true, std::memory_order_release);
            awaitingFirstSamples.store(false);
            return;
        }
    }
}

// On the loading thread: the mixer, SDL's audio and the MIDI decoder, ready to
// open the device at the first sound.
void PrepareMixer() {
    if (!mixerLoaded) mixerLoaded = LoadMixer(mix);
    if (!mixerLoaded) return;
    // SDL must not take over the termination signals: the game has to end on kill.
    mix.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mix.InitSubSystem(SDL_INIT_AUDIO) != 0) return;
    mix.Init(MIX_INIT_MID);
    mixerReady = true;
}

// Waits for the mixer to have loaded, or to have failed to.
void Settle() {
    if (opening.joinable()) opening.join();
}

void CloseMusic() {
    if (!bgm) return;
    mix.FreeMusic(bgm);  // stops it first when it is still playing
    bgm = nullptr;
}

void CloseDevice() {
    if (!deviceOpen) return;
    awaitingFirstSamples.store(false);
    mix.HaltChannel(-1);
    CloseMusic();
    // The effects were made for this opening of the device; the next one loads its own.
    for (auto& [path, chunk] : chunks)
        if (chunk) mix.FreeChunk(chunk);
    chunks.clear();
    mix.CloseAudio();
    deviceOpen = false;
}

// Closes the device once `after` and then a silence have passed; while
// something still sounds by then, it looks again a silence later.
void CloseAfterSilence(std::chrono::milliseconds after) {
    if (!QCoreApplication::instance()) return;  // no event loop to close it: it stays open
    if (!silenceTimer) {
        silenceTimer = new QTimer(QCoreApplication::instance());
        silenceTimer->setSingleShot(true);
        QObject::connect(silenceTimer, &QTimer::timeout, [] {
            if (deviceOpen && (mix.Playing(-1) > 0 || mix.PlayingMusic() != 0))
                CloseAfterSilence(std::chrono::milliseconds(0));
            else
                CloseDevice();
        });
    }
    silenceTimer->start(after + silenceBeforeClose);
}

// Opens the device for a sound cued at `cue`; false when there is none to open.
bool OpenDevice(Clock::time_point cue) {
    if (deviceOpen) return true;
    if (!mixerReady || deviceFailed) return false;
    if (mix.OpenAudio(44100, AUDIO_S16SYS, 2, 1024) != 0) {
        deviceFailed = true;
        return false;
    }
    mix.AllocateChannels(1);
    openedForCue = cue;
    firstSamplesMixed.store(false);
    awaitingFirstSamples.store(true, std::memory_order_release);
    mix.SetPostMix(NoteFirstSamples, nullptr);
    deviceOpen = true;
    return true;
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

void PlayEffect(const std::string& path, int flags, Clock::time_point cue) {
    ++activity.effects;
    if (!OpenDevice(cue)) return;
    Mix_Chunk* chunk = LoadedChunk(path);
    CloseAfterSilence(chunk ? ChunkLength(*chunk) : std::chrono::milliseconds(0));
    if (!chunk || mix.PlayChannel(kEffectChannel, chunk, 0) < 0) return;
    if (flags != 0) return;
    // Synchronous: the caller goes on when the sound has ended.
    const auto deadline = Clock::now() + ChunkLength(*chunk) + kStuckDriver;
    while (mix.Playing(kEffectChannel) && Clock::now() < deadline)
        std::this_thread::sleep_for(kPoll);
}

void PlayMusic(const std::string& path, Clock::time_point cue) {
    ++activity.music;
    if (!OpenDevice(cue)) return;
    CloseAfterSilence(std::chrono::milliseconds(0));
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
    opening = std::jthread(PrepareMixer);
}

void ShutdownSound() {
    Settle();
    openingStarted = false;
    if (silenceTimer) silenceTimer->stop();
    if (!mixerReady) return;
    CloseDevice();
    mix.Quit();
    mix.QuitSubSystem(SDL_INIT_AUDIO);
    mixerReady = false;
    deviceFailed = false;
}

void PlaySoundFile(const std::string& name, int flags) {
    if (glNoSound != 0) return;
    const Clock::time_point cue = Clock::now();
    const std::string path = SoundFolder() + name;
    ++activity.lookups;
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return;
    // A sound asked for before the mixer was ever loaded loads it.
    InitSound();
    Settle();
    if (IsMusic(path))
        PlayMusic(path, cue);
    else
        PlayEffect(path, flags, cue);
}

const SoundActivity& SoundActivitySoFar() { return activity; }

bool SoundAvailable() {
    Settle();
    return mixerReady && !deviceFailed;
}

bool SoundDeviceOpen() {
    Settle();
    return deviceOpen;
}

std::optional<std::chrono::microseconds> FirstSoundDelay() {
    if (!firstSamplesMixed.load(std::memory_order_acquire)) return std::nullopt;
    const Clock::time_point at{Clock::duration(firstSamplesAt.load())};
    return std::chrono::duration_cast<std::chrono::microseconds>(at - openedForCue);
}

std::chrono::milliseconds CloseSoundAfterSilence(std::chrono::milliseconds silence) {
    return std::exchange(silenceBeforeClose, silence);
}

std::string UseMixerLibrary(const std::string& name) {
    Settle();
    mixerLoaded = false;
    return std::exchange(mixerLibrary, name);
}
