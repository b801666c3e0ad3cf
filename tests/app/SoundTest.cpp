// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Sound effects and music on SDL's dummy and disk audio drivers.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <optional>

#include "app/Places.h"
#include "app/Settings.h"
#include "app/Sound.h"

namespace {

using Clock = std::chrono::steady_clock;

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A plain tone as a 16-bit mono wave file.
QByteArray ToneWave(int ms) {
    const int rate = 22050, samples = rate * ms / 1000;
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const auto v = static_cast<int16_t>(8000 * std::sin(2 * M_PI * 440.0 * i / rate));
        data += static_cast<char>(v & 0xFF);
        data += static_cast<char>((v >> 8) & 0xFF);
    }
    auto le = [](uint32_t value, int bytes) {
        QByteArray out;
        for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
        return out;
    };
    return "RIFF" + le(36 + data.size(), 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(1, 2) +
           le(rate, 4) + le(rate * 2, 4) + le(2, 2) + le(16, 2) + "data" + le(data.size(), 4) +
           data;
}

// One note, as a standard MIDI file of format 0.
const QByteArray kOneNoteMidi(
    "MThd\0\0\0\x06\0\0\0\x01\0\x60"
    "MTrk\0\0\0\x0C"
    "\0\x90\x3C\x64"
    "\x60\x80\x3C\x40"
    "\0\xFF\x2F\0",
    34);

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        gsAppPath = dir_.path().toStdString() + "/";
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sound")));
        for (const char* name : {"shuffle.wav", "open.wav", "bonus.wav", "movesw.wav", "beep.wav"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(TOMAVEL_SOURCE_DIR "/assets/sound/") + name,
                                    SoundPath(name)));
        Put("long.wav", ToneWave(400));
        glNoSound = 0;
        InitSound();
        // These tests play on SDL's dummy driver whatever the machine has.
        if (!SoundAvailable()) {
            SDL_setenv("SDL_AUDIODRIVER", "dummy", 1);
            InitSound();
        }
    }
    void TearDown() override {
        if (SoundDeviceOpen()) Mix_HaltChannel(-1);
        glNoSound = 0;
    }

    QString SoundPath(const QString& name) const { return dir_.filePath("sound/" + name); }
    void Put(const QString& name, const QByteArray& bytes) const {
        QFile file(SoundPath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir_;
};

TEST_F(SoundTest, MutedLooksNothingUp) {
    glNoSound = -1;
    const SoundActivity before = SoundActivitySoFar();
    const auto start = Clock::now();
    PlaySoundFile("long.wav", 0);
    PlaySoundFile("tune.mid", 0);
    EXPECT_LT(MsSince(start), 100);
    EXPECT_EQ(SoundActivitySoFar().lookups, before.lookups);
    EXPECT_EQ(SoundActivitySoFar().effects, before.effects);
    EXPECT_EQ(SoundActivitySoFar().music, before.music);
}

TEST_F(SoundTest, AMissingFileIsSkippedAndTheOthersStillPlay) {
    ASSERT_TRUE(QFile::remove(SoundPath("bonus.wav")));
    const SoundActivity before = SoundActivitySoFar();
    PlaySoundFile("bonus.wav", 1);
    EXPECT_EQ(SoundActivitySoFar().lookups, before.lookups + 1);
    EXPECT_EQ(SoundActivitySoFar().effects, before.effects);
    PlaySoundFile("open.wav", 1);
    EXPECT_EQ(SoundActivitySoFar().effects, before.effects + 1);
    if (SoundDeviceOpen()) {
        EXPECT_TRUE(Mix_Playing(0));
    }
}

TEST_F(SoundTest, NamesEndingInMidAreMusicWhateverTheirCaseAndAreNeverWaitedFor) {
    for (const char* name : {"tune.mid", "TUNE2.MID", "Tune3.Mid"}) {
        Put(name, kOneNoteMidi);
        const SoundActivity before = SoundActivitySoFar();
        PlaySoundFile(name, 0);
        EXPECT_EQ(SoundActivitySoFar().music, before.music + 1) << name;
        EXPECT_EQ(SoundActivitySoFar().effects, before.effects) << name;
    }
    // Music does not hold the game up, and effects go on beside it.
    Put("long.mid", kOneNoteMidi);
    const auto start = Clock::now();
    PlaySoundFile("long.mid", 0);
    PlaySoundFile("open.wav", 1);
    EXPECT_LT(MsSince(start), 2000);
    ASSERT_TRUE(SoundDeviceOpen());
    EXPECT_TRUE(Mix_PlayingMusic()) << Mix_GetError();
    EXPECT_TRUE(Mix_Playing(0));
    Mix_HaltMusic();
}

TEST_F(SoundTest, SynchronousPlayLastsAsLongAsTheSoundAndANewerEffectCutsTheOlderOff) {
    ASSERT_TRUE(SoundAvailable()) << "SDL_AUDIODRIVER=dummy gives a device";
    auto start = Clock::now();
    PlaySoundFile("long.wav", 0);
    const long long synchronous = MsSince(start);
    EXPECT_GE(synchronous, 350);
    EXPECT_LE(synchronous, 400 + 500);

    start = Clock::now();
    PlaySoundFile("long.wav", 1);
    EXPECT_LT(MsSince(start), 50);
    EXPECT_TRUE(Mix_Playing(0));
    // The short beep replaces the long tone: waiting for it ends long before the tone would have.
    PlaySoundFile("beep.wav", 0);
    EXPECT_LT(MsSince(start), 300);
    EXPECT_FALSE(Mix_Playing(0));
}

// Switches the audio driver for one test and back.
class AudioDriver {
public:
    explicit AudioDriver(const char* driver, const char* diskFile = nullptr) {
        if (const char* was = SDL_getenv("SDL_AUDIODRIVER")) before_ = was;
        ShutdownSound();
        SDL_setenv("SDL_AUDIODRIVER", driver, 1);
        if (diskFile) SDL_setenv("SDL_DISKAUDIOFILE", diskFile, 1);
        InitSound();
    }
    ~AudioDriver() {
        ShutdownSound();
        if (before_)
            SDL_setenv("SDL_AUDIODRIVER", before_->c_str(), 1);
        else
            unsetenv("SDL_AUDIODRIVER");
        InitSound();
    }

private:
    std::optional<std::string> before_;
};

TEST_F(SoundTest, AnEffectReallyReachesTheDevice) {
    const QString recording = dir_.filePath(QStringLiteral("recording.raw"));
    {
        AudioDriver disk("disk", recording.toLocal8Bit().constData());
        ASSERT_TRUE(SoundAvailable());
        PlaySoundFile("bonus.wav", 0);
        int frequency = 0, channels = 0;
        Uint16 format = 0;
        ASSERT_TRUE(Mix_QuerySpec(&frequency, &format, &channels));
        ASSERT_EQ(format, AUDIO_S16LSB);
        ShutdownSound();  // closes the recording
    }
    QFile file(recording);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    int peak = 0;
    long long loud = 0;
    for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
        const int v = static_cast<int16_t>(static_cast<uint8_t>(bytes[i]) |
                                           (static_cast<uint8_t>(bytes[i + 1]) << 8));
        peak = std::max(peak, std::abs(v));
        if (std::abs(v) > 1000) ++loud;
    }
    // The chime peaks at -3 dBFS (23197) and rings for most of its 0.75 s.
    EXPECT_GT(peak, 20000);
    EXPECT_LT(peak, 32767);
    EXPECT_GT(loud, 44100 / 4);
}

TEST_F(SoundTest, WithoutADeviceOrAMixerTheGameIsSilentAndNeverWaits) {
    Put("tune.mid", kOneNoteMidi);
    for (const bool mixerThere : {true, false}) {
        SCOPED_TRACE(mixerThere ? "no device" : "no mixer library");
        const std::string mixer = UseMixerLibrary(mixerThere ? "" : "libno-such-mixer.so.0");
        if (mixerThere) UseMixerLibrary(mixer);
        {
            AudioDriver none(mixerThere ? "no-such-driver" : "dummy");
            EXPECT_FALSE(SoundAvailable());
            const auto start = Clock::now();
            PlaySoundFile("long.wav", 0);
            PlaySoundFile("tune.mid", 0);
            EXPECT_LT(MsSince(start), 100);
            UseMixerLibrary(mixer);
        }
        EXPECT_TRUE(SoundAvailable());
    }
}

// The device opens beside the game; a sound asked for before it has opened, or
// before anything opened it, waits for it and plays.
TEST_F(SoundTest, TheFirstSoundWaitsForTheDeviceToOpen) {
    for (const bool opening : {true, false}) {
        SCOPED_TRACE(opening ? "still opening" : "never opened");
        ShutdownSound();
        if (opening) InitSound();
        PlaySoundFile("long.wav", 1);
        ASSERT_TRUE(SoundDeviceOpen());
        EXPECT_TRUE(Mix_Playing(0));
    }
}

// SDL's thread that feeds the open device (named SDLAudioP<n>), if any runs.
bool DeviceThreadRuns() {
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile comm(tasks.filePath(task + QStringLiteral("/comm")));
        if (comm.open(QIODevice::ReadOnly) && comm.readAll().startsWith("SDLAudioP")) return true;
    }
    return false;
}

// Nothing holds the sound device while nothing sounds: a silence after the
// last sound closes it, and its thread with it (on the dummy driver too, which
// feeds its device like a real one). The next sound opens it again and starts
// within 50 ms of its cue.
TEST_F(SoundTest, TheDeviceClosesAfterASilenceAndTheNextSoundOpensItAtOnce) {
    ASSERT_TRUE(SoundAvailable());
    const auto silence = CloseSoundAfterSilence(std::chrono::milliseconds(100));
    PlaySoundFile("long.wav", 1);  // 400 ms of tone
    ASSERT_TRUE(SoundDeviceOpen());
    // SDL starts and names its thread a moment after the device opens.
    EXPECT_TRUE(QTest::qWaitFor(DeviceThreadRuns, 2000));
    // Still sounding: the device stays.
    QTest::qWait(250);
    EXPECT_TRUE(SoundDeviceOpen());
    EXPECT_TRUE(Mix_Playing(0));
    // Silent for a while: closed.
    EXPECT_TRUE(QTest::qWaitFor([] { return !SoundDeviceOpen(); }, 2000));
    EXPECT_FALSE(DeviceThreadRuns());
    // Music, whose length nobody knows beforehand, keeps it as long as it plays
    // (the note, and the synthesiser's few seconds of release).
    Put("tune.mid", kOneNoteMidi);
    PlaySoundFile("tune.mid", 1);
    QTest::qWait(250);
    EXPECT_TRUE(SoundDeviceOpen());
    EXPECT_TRUE(Mix_PlayingMusic());
    EXPECT_TRUE(QTest::qWaitFor([] { return !SoundDeviceOpen(); }, 8000));

    for (const char* name : {"open.wav", "long.wav"}) {
        SCOPED_TRACE(name);
        const auto cue = Clock::now();
        PlaySoundFile(name, 1);
        EXPECT_LT(MsSince(cue), 50);
        EXPECT_TRUE(SoundDeviceOpen());
        EXPECT_TRUE(Mix_Playing(0));
        ASSERT_TRUE(QTest::qWaitFor([] { return FirstSoundDelay().has_value(); }, 1000));
        std::printf("first sound after a silence: %.1f ms from its cue\n",
                    static_cast<double>(FirstSoundDelay()->count()) / 1000);
        EXPECT_LE(FirstSoundDelay()->count(), 50'000);
        EXPECT_TRUE(QTest::qWaitFor([] { return !SoundDeviceOpen(); }, 2000));
    }
    CloseSoundAfterSilence(silence);
}

}  // namespace
