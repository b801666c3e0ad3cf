// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A game on the virtual clock: a headless table, the computer opponents, a
// pinned random stream, and a game of its own at its program-start values.
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
    // Back to a fresh game and opponents that have seen nothing, within one test.
    void NewGame() {
        game = GameState{};
        seats = OpponentSeats{};
    }
    // Solitaire: the human alone in seat 0.
    void SeatSolitaire() {
        game.soloMode = true;
        SeatCharacter(game, 0, CharacterKind::You);
        for (int s = 1; s < kSeats; ++s) SeatCharacter(game, s, CharacterKind::Empty);
    }
    void SeatAll(CharacterKind a, CharacterKind b, CharacterKind c, CharacterKind d) {
        game.soloMode = false;
        SeatCharacter(game, 0, a), SeatCharacter(game, 1, b), SeatCharacter(game, 2, c),
            SeatCharacter(game, 3, d);
    }

    GameState game;  // a fresh game for every test
    VirtualClockHost host;
    HeadlessTable table{game, &host};
    Opponents opponents{game};
    OpponentSeats& seats = opponents.Seats();
};
