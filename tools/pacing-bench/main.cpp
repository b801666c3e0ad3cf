// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// pacing-bench [SECONDS]: runs a solitaire game loop on the real Qt host
// (nobody clicks) and reports passes per second, how often the window thread
// woke up (its context switches) and the processor time it took, then times
// card turns at the table size and magnified, and the first sound after a
// silence (on the driver SDL_AUDIODRIVER names, or SDL's choice).
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/Places.h"
#include "app/QtHost.h"
#include "app/Sound.h"
#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "engine/Reveal.h"
#include "opponents/Characters.h"
#include "opponents/Opponents.h"

namespace {
double CpuSeconds() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return u.ru_utime.tv_sec + u.ru_stime.tv_sec + (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// The window thread's context switches so far: each one a sleep and a wake-up.
long ThreadSwitches() {
    rusage u{};
    getrusage(RUSAGE_THREAD, &u);
    return u.ru_nvcsw + u.ru_nivcsw;
}

// Lets events run until `done` holds or `ms` have passed.
template <typename Done>
bool RunUntil(Done done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return done();
}
}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 5;
    glNoSound = -1;
    QtHost host;
    GameState game;
    HeadlessTable table{game};
    Opponents opponents{game};
    AttachHost(&host);
    AttachViews(table.AsViews());
    AttachComputerPlayers(&opponents);
    game.soloMode = true;
    SeatCharacter(game, 0, CharacterKind::You);
    for (int s = 1; s < kSeats; ++s) SeatCharacter(game, s, CharacterKind::Empty);

    // The loop idles waiting for a click; measure from after the deal.
    int64_t passesAtStart = 0;
    double cpuAtStart = 0;
    long switchesAtStart = 0;
    QElapsedTimer wall;
    QTimer::singleShot(500, [&] {
        passesAtStart = LoopPassCount();
        cpuAtStart = CpuSeconds();
        switchesAtStart = ThreadSwitches();
        wall.start();
        QTimer::singleShot(seconds * 1000, [&game] { QuitCommand(game); });
    });
    table.onSoloResult = [] {};
    StartCommand(game);
    const double elapsed = wall.elapsed() / 1000.0;
    const double passes = static_cast<double>(LoopPassCount() - passesAtStart);
    const double switches = static_cast<double>(ThreadSwitches() - switchesAtStart);
    std::printf("idle game loop: %.1f passes/s, %.1f wake-ups/s, %.2f %% of a core over %.1f s\n",
                passes / elapsed, switches / elapsed, 100.0 * (CpuSeconds() - cpuAtStart) / elapsed,
                elapsed);

    for (const Rect& r : {NormalPlacement(3, 2), MagnifiedPlacement(3, 2)}) {
        table.cards[7].rect = r;
        QElapsedTimer t;
        t.start();
        const double cpu = CpuSeconds();
        const int turns = 20;
        for (int i = 0; i < turns; ++i) FlipCard(game, 7);
        const double ms = static_cast<double>(t.elapsed());
        std::printf("card turn at width %d: %.1f ms, %.2f %% of a core while turning\n", r.width,
                    ms / turns, 100.0 * (CpuSeconds() - cpu) / (ms / 1000.0));
    }
    // The first sound after a silence opens the device again: from its cue to
    // its first samples mixed, a few times over.
    glNoSound = 0;
    gsAppPath = QCoreApplication::applicationDirPath().toStdString() + "/../bin/";
    InitSound();
    if (SoundAvailable()) {
        CloseSoundAfterSilence(std::chrono::milliseconds(200));
        std::vector<double> delays;
        for (int i = 0; i < 9; ++i) {
            if (!RunUntil([] { return !SoundDeviceOpen(); }, 3000)) break;
            PlaySoundFile("open.wav", 1);
            if (!RunUntil([] { return FirstSoundDelay().has_value(); }, 1000)) break;
            delays.push_back(static_cast<double>(FirstSoundDelay()->count()) / 1000);
        }
        std::sort(delays.begin(), delays.end());
        if (!delays.empty())
            std::printf(
                "first sound after a silence: %.1f ms median, %.1f ms at worst (%zu times)\n",
                delays[delays.size() / 2], delays.back(), delays.size());
        ShutdownSound();
    }
    AttachViews({});
    AttachComputerPlayers(nullptr);
    return 0;
}
