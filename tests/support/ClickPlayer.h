// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A scripted human with a perfect memory: it clicks, at a human pace, the
// cards it knows make a pair, and otherwise a card it has not seen yet.
#pragma once

#include <functional>

#include "engine/HeadlessTable.h"
#include "engine/HumanPlay.h"
#include "support/PerfectMemory.h"

class ClickPlayer {
public:
    ClickPlayer(VirtualClockHost& host, HeadlessTable& table, uint32_t pauseMs = 300)
        : host_(host), table_(table), memory_(table), pauseMs_(pauseMs) {
        host_.OnEveryPass([this] { Act(); });
    }
    int clicks = 0;
    // Runs first on every event pass: a test watching the table while the player plays.
    std::function<void()> watch;

private:
    void Act() {
        if (watch) watch();
        memory_.Look();
        GameState& game = table_.Game();
        if (busy_ || game.phase != GamePhase::Running || !table_.windowEnabled) return;
        if (game.currentSeat > 3 || game.seats[game.currentSeat].kind != CharacterKind::You) return;
        if (game.pickState == PickTwoUp || host_.Now() < next_) return;
        const int card = memory_.Choose();
        if (!card) return;
        busy_ = true;
        ++clicks;
        CardMouseDown(game, card);
        memory_.Saw(card);
        busy_ = false;
        next_ = host_.Now() + pauseMs_;
        // A player about to click is an event the waiting game wakes for.
        host_.At(next_, [] {});
    }

    VirtualClockHost& host_;
    HeadlessTable& table_;
    PerfectMemory memory_;
    uint32_t pauseMs_;
    uint32_t next_ = 0;
    bool busy_ = false;
};
