// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game on the virtual clock: a headless table, the computer opponents, a
// pinned random stream, and the game state back at its program-start values.
#pragma once

#include <gtest/gtest.h>

#include "engine/Deal.h"
#include "engine/GameLoop.h"
#include "engine/HeadlessTable.h"
#include "engine/HumanPlay.h"
#include "engine/Random.h"
#include "engine/Reveal.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "opponents/Opponents.h"

class EngineFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ResetGameState();
        ResetOpponentSeats();
        PinRandomSeed(12345);
        AttachHost(&host);
        AttachViews(table.AsViews());
        AttachComputerPlayers(&opponents);
    }
    void TearDown() override {
        PinRandomSeed(std::nullopt);
        AttachHost(nullptr);
        AttachViews({});
        AttachComputerPlayers(nullptr);
    }
    // Solitaire: the human alone in seat 0.
    void SeatSolitaire() {
        game.soloMode = true;
        ConfigureSeat(game, CharacterKind::You, 0);
        for (int s = 1; s < kSeats; ++s) ConfigureSeat(game, CharacterKind::Empty, s);
    }
    void SeatAll(CharacterKind a, CharacterKind b, CharacterKind c, CharacterKind d) {
        game.soloMode = false;
        ConfigureSeat(game, a, 0), ConfigureSeat(game, b, 1), ConfigureSeat(game, c, 2),
            ConfigureSeat(game, d, 3);
    }

    VirtualClockHost host;
    HeadlessTable table{&host};
    Opponents opponents;
};
