// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "OpponentFixture.h"
#include "opponents/OpponentSeat.h"

class TurnTest : public OpponentFixture {
protected:
    static constexpr int kSeat = 2;
    void Seat(CharacterKind kind, int seat = kSeat) {
        NewGame();
        table.said.clear();
        table.handPath.clear();
        host.sounds.clear();
        std::array<CharacterKind, kSeats> kinds{CharacterKind::You, CharacterKind::Empty,
                                                CharacterKind::Empty, CharacterKind::Empty};
        kinds[seat] = kind;
        SeatAll(kinds[0], kinds[1], kinds[2], kinds[3]);
    }
    static std::pair<int, int> HandAt(int col, int row) {
        const Rect hand = HandPlacement(col, row);
        return {hand.left, hand.top};
    }
    int HandSteps() const {
        return static_cast<int>(std::count(host.sounds.begin(), host.sounds.end(),
                                           std::pair<std::string, int>{"movesw.wav", 1}));
    }
};

TEST_F(TurnTest, OpeningWaitThenGreetingThenChoiceOnPass101) {
    struct Case {
        int seat, waitLimit, startRow;
    } cases[] = {{0, 50, 0}, {1, 25, 2}, {2, 75, 3}, {3, 50, 5}};
    for (const Case& c : cases) {
        Seat(CharacterKind::Wolf, c.seat);
        LayOutAll();
        game.handCol = 6, game.handRow = 1;  // wherever the last turn left it
        TurnStartsFor(c.seat, c.waitLimit);
        int greeted = 0, chosen = 0;
        for (int pass = 1; pass <= 200 && !chosen; ++pass) {
            EXPECT_EQ(OpponentTurnStep(game, seats, c.seat), StepResult::Continue);
            if (!greeted && !seats[c.seat].turnJustStarted) greeted = pass;
            if (!table.handPath.empty()) chosen = pass;
        }
        EXPECT_EQ(greeted, c.waitLimit);
        EXPECT_EQ(chosen, 101);
        EXPECT_EQ(table.handPath.front(), HandAt(0, c.startRow));
        EXPECT_TRUE(table.handVisible);
    }
}

TEST_F(TurnTest, HandStepsAtTheCharactersPace) {
    struct Case {
        CharacterKind kind;
        bool remembered;
        int passesPerStep;
    } cases[] = {
        {CharacterKind::Swallow, false, 22}, {CharacterKind::Swallow, true, 9},
        {CharacterKind::Wolf, true, 9},      {CharacterKind::Tiger, true, 22},
        {CharacterKind::Tiger, false, 22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.kind) * 10 + c.remembered);
        Seat(c.kind);
        LayOutAll();
        if (c.remembered) Remember(kSeat, {9, 22});  // two nines, the first in the far corner
        game.currentSeat = kSeat;
        game.handCol = 0, game.handRow = 5;
        seats[kSeat].aiState = AiState::AiChooseFirst;
        const Run run =
            PlayUntil(kSeat, [this] { return seats[kSeat].aiState == AiState::AiOpenCard; });
        const std::vector<int> moves = run.PassesOf("hand");  // the choice, then every step
        ASSERT_GE(moves.size(), 2u);
        for (size_t i = 1; i < moves.size(); ++i)
            EXPECT_EQ(moves[i] - moves[i - 1], c.passesPerStep);
        EXPECT_EQ(HandSteps(), static_cast<int>(moves.size()) - 1);
        if (c.remembered) {
            EXPECT_EQ(moves.size(), 1u + 8u);
        }
    }
}

TEST_F(TurnTest, HandWalksOneCellPerStepDiagonallyFirst) {
    struct Case {
        Cell from, to;
        std::vector<std::pair<int, int>> path;
    } cases[] = {
        {{0, 5},
         {8, 0},
         {HandAt(1, 4), HandAt(2, 3), HandAt(3, 2), HandAt(4, 1), HandAt(5, 0), HandAt(6, 0),
          HandAt(7, 0), HandAt(8, 0)}},
        {{3, 3}, {3, 3}, {HandAt(3, 3)}},  // already there: one step without movement
        {{8, 0}, {6, 4}, {HandAt(7, 1), HandAt(6, 2), HandAt(6, 3), HandAt(6, 4)}},
    };
    for (const Case& c : cases) {
        Seat(CharacterKind::Swallow);
        LayOutAll();
        game.currentSeat = kSeat;
        game.handCol = c.from.col, game.handRow = c.from.row;
        OpponentSeat& s = seats[kSeat];
        s.targetCol = c.to.col, s.targetRow = c.to.row;
        s.aiState = AiState::AiMoveHand;
        s.stepLimit = 20;
        s.stepCount = 0;
        PlayUntil(kSeat, [&] { return s.aiState == AiState::AiOpenCard; });
        EXPECT_EQ(table.handPath, c.path);
        EXPECT_EQ(HandSteps(), static_cast<int>(c.path.size()));
    }
}

TEST_F(TurnTest, OnlyTheFirstPairOfATurnIsFollowedByAPause) {
    Seat(CharacterKind::Wolf);
    LayOutAll();
    Remember(kSeat, {7, 20, 1, 14});
    TurnStartsFor(kSeat);
    const Run first = PlayUntil(kSeat, [this] { return game.seats[kSeat].cardsTaken == 4; });
    table.handPath.clear();
    const int gotPair = first.PassesOf("said:へへっ").front();
    const std::vector<int> moves = first.PassesOf("hand");
    const int nextChoice = *std::upper_bound(moves.begin(), moves.end(), gotPair);
    EXPECT_EQ(nextChoice - gotPair, 51);  // until waitCount passes 150, then the choice

    // The second pair was taken on the last pass of that run.
    EXPECT_EQ(first.PassesOf("said:へへっ").size(), 2u);
    const Run again = PlayUntil(kSeat, [this] { return !table.handPath.empty(); });
    EXPECT_EQ(again.PassesOf("hand").front(), 2);  // the pause ends at once, the choice follows
}

TEST_F(TurnTest, AFailedAttemptEndsTheTurnTwoPassesLaterAndDrawsTheNextOpeningWait) {
    Seat(CharacterKind::Tiger);
    LayOut({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
    TurnStartsFor(kSeat);
    const Run run = PlayUntil(kSeat, [] { return false; });
    EXPECT_EQ(run.last, StepResult::NextSeat);
    EXPECT_EQ(run.passes, run.PassesOf("said:開けるぞ").front() + 2);
    EXPECT_EQ(seats[kSeat].aiState, AiState::AiIdle);
    EXPECT_EQ(seats[kSeat].partnerCard, 0);
    // Both cards were shown magnified, and lie face down at their cells again.
    EXPECT_NE(std::find(table.flipWidths.begin(), table.flipWidths.end(), kBigCardWidth),
              table.flipWidths.end());
    for (int c = 1; c <= 13; ++c) {
        EXPECT_FALSE(table.cards[c].face);
        EXPECT_EQ(table.cards[c].rect, NormalPlacement(CellOf(c).col, CellOf(c).row));
    }

    // The wait is drawn fresh at the end of every turn: r * 50 + 25, halves to even.
    int low = 100, high = 0;
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        PinRandomSeed(seed);
        const double r = Rnd();
        PinRandomSeed(seed);
        seats[kSeat].aiState = AiState::AiEndTurn;
        EXPECT_EQ(OpponentTurnStep(game, seats, kSeat), StepResult::NextSeat);
        const int w = seats[kSeat].waitLimit;
        EXPECT_EQ(w, RoundHalfEven(r * 50 + 25));
        low = std::min(low, w), high = std::max(high, w);
    }
    EXPECT_GE(low, 25);
    EXPECT_LE(high, 75);
    EXPECT_LE(low, 27);
    EXPECT_GE(high, 73);
}

// The passes in which a computer only counts (its opening wait, a pause, the
// hand's pace, a balloon's life) may go by without the game waking for them:
// stepped one by one they show, say and play nothing, and passing them at
// once leaves every seat as stepping them does. Turn after turn, beside a
// computer that watches with a balloon up.
TEST_F(TurnTest, QuietPassesGoneByAtOnceLeaveTheSeatsAsSteppingThemWould) {
    constexpr int kWatcher = 1;
    for (const CharacterKind kind : {CharacterKind::Swallow, CharacterKind::Tiger}) {
        SCOPED_TRACE(static_cast<int>(kind));
        Seat(kind);
        SeatCharacter(game, kWatcher, CharacterKind::Wolf);
        LayOutAll();
        int stretches = 0;
        std::set<std::pair<bool, AiState>> seen;  // (opening wait, state) of each stretch
        for (int turn = 0; turn < 8; ++turn) {
            TurnStartsFor(kSeat, 25 + 7 * turn);
            SayLine(seats, kWatcher, "watching");
            StepResult r = StepResult::Continue;
            while (r == StepResult::Continue) {
                const int quiet = std::min(OpponentQuietPasses(seats, kSeat, true),
                                           OpponentQuietPasses(seats, kWatcher, false));
                if (quiet > 0) {
                    ASSERT_LT(quiet, kQuietForever);
                    seen.insert({seats[kSeat].turnJustStarted, seats[kSeat].aiState});
                    OpponentSeats passed = seats;
                    OpponentPassQuietly(passed, kSeat, true, quiet);
                    OpponentPassQuietly(passed, kWatcher, false, quiet);
                    const HeadlessTable before = table;
                    const size_t sounds = host.sounds.size();
                    const uint32_t now = host.Now();
                    for (int i = 0; i < quiet; ++i) {
                        ASSERT_EQ(OpponentTurnStep(game, seats, kSeat), StepResult::Continue);
                        OpponentIdleStep(seats, kWatcher);
                    }
                    EXPECT_EQ(seats, passed);
                    EXPECT_EQ(table.said, before.said);
                    EXPECT_EQ(table.handPath, before.handPath);
                    EXPECT_EQ(table.balloonShown, before.balloonShown);
                    EXPECT_EQ(host.sounds.size(), sounds);
                    EXPECT_EQ(host.Now(), now);
                    ++stretches;
                }
                r = OpponentTurnStep(game, seats, kSeat);
                OpponentIdleStep(seats, kWatcher);
            }
            if (r == StepResult::GameOver) break;
        }
        EXPECT_GT(stretches, 8 * 4);
        // The opening wait, the pauses and the hand's walk all had their quiet passes.
        EXPECT_TRUE(seen.count({true, AiState::AiIdle}));
        EXPECT_TRUE(seen.count({false, AiState::AiPause}));
        EXPECT_TRUE(seen.count({false, AiState::AiMoveHand}));
    }
}

TEST_F(TurnTest, TakingTheLastPairEndsTheGameWithoutAnotherWord) {
    Seat(CharacterKind::Tiger);
    LayOut({7, 33});
    Remember(kSeat, {7, 33});
    game.currentSeat = kSeat;
    seats[kSeat].aiState = AiState::AiChooseFirst;
    const Run run = PlayUntil(kSeat, [] { return false; });
    EXPECT_EQ(run.last, StepResult::GameOver);
    EXPECT_EQ(run.Said(), (std::vector<std::string>{"これと", "これとね、", "これじゃな"}));
    EXPECT_EQ(game.seats[kSeat].cardsTaken, 2);
    // The balloon did not age on the last pass.
    EXPECT_TRUE(seats[kSeat].balloonShown);
    EXPECT_EQ(seats[kSeat].balloonAge, run.passes - run.PassesOf("said:これじゃな").front());
}

TEST_F(TurnTest, RandomCellsDrawTheColumnFirstAndSkipEmptyCells) {
    Seat(CharacterKind::Wolf);
    LayOut({23});  // column 4, row 2
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        PinRandomSeed(seed);
        int used = 0;
        for (;;) {
            const int c = static_cast<int>(Rnd() * 9), r = static_cast<int>(Rnd() * 6);
            used += 2;
            if (c == 4 && r == 2) break;
        }
        const double next = Rnd();
        PinRandomSeed(seed);
        EXPECT_EQ(PickRandomCell(game), (Cell{4, 2}));
        EXPECT_EQ(Rnd(), next) << "seed " << seed << " after " << used << " draws";
    }
}

TEST_F(TurnTest, GuessedSecondCardIsNeverTheFirstCardsCell) {
    Seat(CharacterKind::Wolf);
    LayOut({23, 24});
    for (int i = 0; i < 100; ++i) EXPECT_EQ(PickRandomCellExcept(game, 23), CellOf(24));

    // In play, with nothing remembered.
    for (uint64_t seed = 1; seed <= 30; ++seed) {
        Seat(CharacterKind::Swallow);
        PinRandomSeed(seed);
        LayOutAll();
        game.currentSeat = kSeat;
        game.handCol = CellOf(31).col, game.handRow = CellOf(31).row;
        seats[kSeat].aiState = AiState::AiOpenCard;
        PlayUntil(kSeat, [this] { return seats[kSeat].aiState == AiState::AiOpenCard; });
        const OpponentSeat& s = seats[kSeat];
        EXPECT_NE((Cell{s.targetCol, s.targetRow}), CellOf(31));
        EXPECT_EQ(game.firstPick, 31);
    }
}

TEST_F(TurnTest, WithNothingLeftToAimAtTheOpponentPassesInsteadOfHanging) {
    // Cannot happen in a game that is played out, but a table without a card
    // must not freeze the window in an endless draw.
    Seat(CharacterKind::Tiger);
    LayOut({});
    game.currentSeat = kSeat;
    seats[kSeat].aiState = AiState::AiChooseFirst;
    seats[kSeat].waitCount = 101, seats[kSeat].waitLimit = 100;
    const Run run = PlayUntil(
        kSeat, [] { return false; }, 10);
    EXPECT_EQ(run.last, StepResult::NextSeat);
    EXPECT_TRUE(table.handPath.empty());
    EXPECT_EQ(game.firstPick, 0);
}
