// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// pacing-bench [SECONDS]: runs a solitaire game loop on the real Qt host
// (nobody clicks) and reports passes per second and the processor time it
// took, then times card turns at the table size and magnified.
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

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
    QElapsedTimer wall;
    QTimer::singleShot(500, [&] {
        passesAtStart = LoopPassCount();
        cpuAtStart = CpuSeconds();
        wall.start();
        QTimer::singleShot(seconds * 1000, [&game] { QuitCommand(game); });
    });
    table.onSoloResult = [] {};
    StartCommand(game);
    const double elapsed = wall.elapsed() / 1000.0;
    const double passes = static_cast<double>(LoopPassCount() - passesAtStart);
    std::printf("idle game loop: %.1f passes/s, %.2f %% of a core over %.1f s\n", passes / elapsed,
                100.0 * (CpuSeconds() - cpuAtStart) / elapsed, elapsed);

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
    AttachViews({});
    AttachComputerPlayers(nullptr);
    return 0;
}
