// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Playing from the keyboard: where the arrow keys lead over the table, a
// whole solitaire game without the mouse, and keys during an opponent's turn.
#include <gtest/gtest.h>

#include "support/EngineFixture.h"
#include "support/KeyPlayer.h"

namespace {

using KeyPlayTest = EngineFixture;

// A table with gaps: '#' a face-down card, '^' a face-up one, '.' an empty cell.
void LayTable(HeadlessTable& table, const std::array<const char*, kRows>& rows) {
    GameState& game = table.Game();
    int card = 0;
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col) {
            game.board[col][row] = 0;
            if (rows[row][col] == '.') continue;
            ++card;
            game.board[col][row] = card;
            game.cards[card].col = col;
            game.cards[card].row = row;
            game.cards[card].shown = table.cards[card].visible = true;
            game.cards[card].faceUp = table.cards[card].face = rows[row][col] == '^';
        }
}

TEST_F(KeyPlayTest, ArrowsSkipEmptyCellsAndFaceUpCards) {
    LayTable(table, {"#.#^...##",  //
                     ".........",  //
                     "#..#.....",  //
                     "......#..",  //
                     "...^.....",  //
                     "#.......#"});
    struct Case {
        Cell from;
        int dx, dy;
        Cell to;  // {99, 99}: the focus stays
    };
    const Case cases[] = {
        {{0, 0}, 1, 0, {2, 0}},   // over an empty cell
        {{2, 0}, 1, 0, {7, 0}},   // over a face-up card and empty cells
        {{8, 0}, 1, 0, {0, 2}},   // off the row's end onto the next row with a card
        {{0, 2}, -1, 0, {8, 0}},  // and back
        {{0, 0}, -1, 0, {}},      // the first card: nowhere further left
        {{8, 5}, 1, 0, {}},       // the last card
        {{0, 0}, 0, 1, {0, 2}},   // down the column over an empty row
        {{3, 2}, 0, 1, {6, 3}},   // nothing further down the column (a face-up card only):
                                  // the nearest row below, then the nearest column in it
        {{6, 3}, 0, -1, {3, 2}},  // up: the next row up, though column 7 has a card higher up
        {{7, 0}, 0, 1, {3, 2}},   // the next row with a card, not a nearer column further down
        {{4, 4}, 0, 1, {0, 5}},   // from an empty cell: 0 and 8 both four away, the left one
        {{2, 0}, 0, -1, {}},      // top row: nowhere up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.from.col << "," << c.from.row << " " << c.dx << "," << c.dy);
        EXPECT_EQ(NextCardInDirection(game, c.from, c.dx, c.dy), game.CardAt(c.to));
    }
}

TEST_F(KeyPlayTest, ASolitaireGamePlayedFromTheKeyboardAloneReachesTheScoreTable) {
    SeatSolitaire();
    KeyPlayer player(host, table);
    int turnsAtEnd = -1;
    table.onSoloResult = [&] {
        EXPECT_EQ(game.phase, GamePhase::Finished);
        EXPECT_EQ(game.cardsTakenTotal, 54);
        turnsAtEnd = game.turnCount;
    };
    // Should the keys ever lose their way, the game is quit instead of running for ever.
    host.At(host.Now() + 3600 * 1000, [this] { QuitCommand(game); });
    StartCommand(game);

    EXPECT_EQ(table.soloResults, 1);
    EXPECT_TRUE(table.messages.empty());
    EXPECT_EQ(player.unreachable, 0);
    EXPECT_GE(turnsAtEnd, 27);
    EXPECT_EQ(player.turns, 2 * turnsAtEnd);  // every Space turned a card
    EXPECT_GT(player.arrows, player.turns);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_TRUE(table.startEnabled);
}

TEST_F(KeyPlayTest, TheFocusIsTheMagnifiedCardAndTheMouseTakesItBack) {
    SeatSolitaire();
    ResetDeck(game);
    LayTable(table, {"###......", ".........", ".........", ".........", ".........", "........."});
    for (int c = 1; c <= 3; ++c)
        game.cards[c].place = table.cards[c].rect = NormalPlacement(c - 1, 0);
    game.phase = GamePhase::Running;

    // Card 3 was magnified in the last game, and the deal laid it back in its
    // cell: it is not focused, so Space turns nothing.
    game.hoveredCard = 3;
    CardKeyTurn(game);
    EXPECT_EQ(game.firstPick, 0);
    CardKeyMove(game, 0, 1);  // nothing focused yet: the first card, whichever arrow
    EXPECT_EQ(game.hoveredCard, 1);
    EXPECT_EQ(table.focusFrame, 1);
    EXPECT_EQ(table.cards[1].rect, MagnifiedPlacement(0, 0));
    CardKeyMove(game, 1, 0);
    EXPECT_EQ(game.hoveredCard, 2);
    EXPECT_EQ(table.cards[1].rect, NormalPlacement(0, 0));  // only one card is magnified
    EXPECT_EQ(table.cards[2].rect, MagnifiedPlacement(1, 0));

    CardKeyTurn(game);  // as a click: the first pick
    EXPECT_EQ(game.firstPick, 2);
    EXPECT_TRUE(table.cards[2].face);
    EXPECT_EQ(table.cards[2].rect, MagnifiedPlacement(1, 0));
    CardKeyTurn(game);  // it is face up now
    EXPECT_EQ(game.secondPick, 0);

    CardMouseMove(game, 3);  // the mouse moves the same focus, without the frame
    EXPECT_EQ(game.hoveredCard, 3);
    EXPECT_EQ(table.focusFrame, 0);
    EXPECT_EQ(table.cards[2].rect, NormalPlacement(1, 0));
    CardKeyTurn(game);  // the card the mouse magnified is the focused one
    EXPECT_EQ(game.secondPick, 3);
    EXPECT_EQ(game.pickState, PickTwoUp);

    CardKeyMove(game, 1, 0);
    EXPECT_EQ(table.focusFrame, 3);  // nothing further right: the focus stays, and is framed
    WindowMouseMove(game);
    EXPECT_EQ(game.hoveredCard, 0);
    EXPECT_EQ(table.focusFrame, 0);
}

TEST_F(KeyPlayTest, ACardAComputerTurnedAndLaidBackKeepsThePlayersPlace) {
    SeatSolitaire();
    ResetDeck(game);
    LayTable(table, {"####.....", ".........", ".........", ".........", ".........", "........."});
    for (int c = 1; c <= 4; ++c)
        game.cards[c].place = table.cards[c].rect = NormalPlacement(c - 1, 0);
    game.phase = GamePhase::Running;
    CardKeyMove(game, 1, 0);
    CardKeyMove(game, 1, 0);
    ASSERT_EQ(table.focusFrame, 2);

    // A computer turned the card the player is on, magnified it and laid it
    // back in its cell; the frame stayed with it.
    PlaceCard(game, 2, MagnifiedPlacement(1, 0));
    PlaceCard(game, 2, NormalPlacement(1, 0));
    CardKeyMove(game, 1, 0);
    EXPECT_EQ(game.hoveredCard, 3);  // on from card 2, not again from the first card

    PlaceCard(game, 3, NormalPlacement(2, 0));
    CardKeyMove(game, 0, -1);  // nowhere up: the focus stays on card 3, magnified again
    EXPECT_EQ(game.hoveredCard, 3);
    EXPECT_EQ(table.focusFrame, 3);
    EXPECT_EQ(table.cards[3].rect, MagnifiedPlacement(2, 0));
}

TEST_F(KeyPlayTest, AnOpponentsTurnIgnoresKeys) {
    SeatAll(CharacterKind::Wolf, CharacterKind::You, CharacterKind::Empty, CharacterKind::Empty);
    int tried = 0, changed = 0;
    bool humanMoved = false;
    host.OnEveryPass([&] {
        if (game.phase != GamePhase::Running) return;
        if (game.currentSeat == 1) {
            // The human's turn: the same key does move the focus.
            CardKeyMove(game, 1, 0);
            humanMoved = game.hoveredCard != 0 && table.focusFrame == game.hoveredCard;
            QuitCommand(game);
            return;
        }
        const GameState before = game;
        const int frame = table.focusFrame;
        std::array<bool, 60> faces{};
        for (int c = 0; c < 60; ++c) faces[c] = table.cards[c].face;
        for (const auto& [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            CardKeyMove(game, dx, dy);
        CardKeyTurn(game);
        ++tried;
        for (int c = 0; c < 60; ++c) changed += faces[c] != table.cards[c].face;
        changed += before.hoveredCard != game.hoveredCard || frame != table.focusFrame ||
                   before.firstPick != game.firstPick || before.pickState != game.pickState;
    });
    StartCommand(game);
    EXPECT_GT(tried, 50);
    EXPECT_EQ(changed, 0);
    EXPECT_TRUE(humanMoved);
}

}  // namespace
