// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "engine/GameState.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"
#include "support/EngineFixture.h"

TEST(PairRule, RanksMatchOrBothJokers) {
    struct Case {
        int a, b;
        bool pair;
    } cases[] = {{53, 54, true}, {54, 53, true}, {53, 1, false}, {53, 13, false},
                 {1, 1, true},   {7, 7, true},   {7, 8, false},  {13, 1, false}};
    for (const Case& c : cases) EXPECT_EQ(IsPair(c.a, c.b), c.pair) << c.a << "," << c.b;
}

TEST(PairRule, SuitPlaysNoPart) {
    GameState game;
    for (int c = 1; c <= kCardCount; ++c) game.cards[c].rank = c <= 52 ? (c - 1) % 13 + 1 : c;
    EXPECT_TRUE(CardsArePair(game, 14, 40));  // two aces
    EXPECT_TRUE(CardsArePair(game, 53, 54));
    EXPECT_FALSE(CardsArePair(game, 13, 53));
}

TEST(FindCardCell, ScansRowsThenColumnsAndMissesTakenCards) {
    GameState game;
    game.board[3][0] = 7;
    game.board[8][5] = 54;
    game.board[0][1] = 7;  // the same card twice: the first in row order wins
    struct Case {
        int card;
        Cell cell;
    } cases[] = {{7, {3, 0}}, {54, {8, 5}}, {12, {99, 99}}};
    for (const Case& c : cases) EXPECT_EQ(FindCardCell(game, c.card), c.cell) << c.card;
    game.board[9][6] = 5;  // the spare column and row are never searched
    EXPECT_EQ(FindCardCell(game, 5), (Cell{99, 99}));
}

using SeatCharacterTest = EngineFixture;

TEST_F(SeatCharacterTest, SetsEachCharactersMemory) {
    struct Case {
        CharacterKind kind;
        bool active;
        int memorySize, recallOther, recallOwn, forget;
    } cases[] = {
        {CharacterKind::Swallow, true, 20, 30, 90, 40},
        {CharacterKind::Wolf, true, 40, 60, 90, 80},
        {CharacterKind::Tiger, true, 60, 80, 100, 90},
    };
    for (const Case& c : cases) {
        NewGame();
        seats[2].stepCount = 7;
        seats[2].waitCount = 9;
        SeatCharacter(game, 2, c.kind);
        EXPECT_EQ(game.seats[2].active, c.active);
        EXPECT_EQ(game.seats[2].kind, c.kind);
        const OpponentSeat& s = seats[2];
        EXPECT_EQ(s.memorySize, c.memorySize);
        EXPECT_EQ(s.recallOtherPct, c.recallOther);
        EXPECT_EQ(s.recallOwnPct, c.recallOwn);
        EXPECT_EQ(s.forgetTakenPct, c.forget);
        EXPECT_EQ(s.stepLimit, 40);
        EXPECT_EQ(s.waitLimit, 50);
        EXPECT_EQ(s.stepCount, 0);
        EXPECT_EQ(s.waitCount, 0);
        EXPECT_EQ(s.memory.size(), static_cast<size_t>(c.memorySize + 1));
    }
}

TEST_F(SeatCharacterTest, HumanAndEmptyKeepTheMemoryParameters) {
    SeatCharacter(game, 1, CharacterKind::Wolf);
    seats[1].memory[3].inUse = true;
    SeatCharacter(game, 1, CharacterKind::You);
    EXPECT_TRUE(game.seats[1].active);
    EXPECT_EQ(seats[1].memorySize, 40);
    EXPECT_EQ(seats[1].forgetTakenPct, 80);
    EXPECT_FALSE(seats[1].memory[3].inUse);  // the memory is made anew, empty

    SeatCharacter(game, 1, CharacterKind::Empty);
    EXPECT_FALSE(game.seats[1].active);
    EXPECT_EQ(game.seats[1].kind, CharacterKind::Empty);
    EXPECT_EQ(seats[1].recallOtherPct, 60);
}
