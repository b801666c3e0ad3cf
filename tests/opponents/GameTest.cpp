// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <random>

#include "OpponentFixture.h"
#include "opponents/OpponentSeat.h"

// Whole games through RunGame on the virtual clock, played by the real opponents.
class OpponentGameTest : public OpponentFixture {
protected:
    struct Result {
        int versusResults = 0;
        GamePhase phase = GamePhase::Idle;
        std::array<int, kSeats> taken{};
        int total = 0, turnCount = 0;
    };
    // Plays one game from the Start command and notes what the result window saw.
    Result Play() {
        Result result;
        table.onVersusResult = [&] {
            ++result.versusResults;
            result.phase = game.phase;
            for (int s = 0; s < kSeats; ++s) result.taken[s] = game.seats[s].cardsTaken;
            result.total = game.cardsTakenTotal;
            result.turnCount = game.turnCount;
        };
        StartCommand(game);
        return result;
    }
    void ExpectClearedAfterTheGame() {
        EXPECT_EQ(game.phase, GamePhase::Idle);
        EXPECT_EQ(game.currentSeat, 4);
        EXPECT_FALSE(table.handVisible);
        for (int s = 0; s < kSeats; ++s) {
            EXPECT_EQ(game.seats[s].cardsTaken, 0);
            EXPECT_EQ(seats[s].partnerCard, 0);
            for (const OpponentMemory& m : seats[s].memory) EXPECT_FALSE(m.inUse);
        }
    }
};

TEST_F(OpponentGameTest, FourComputersPlayAWholeGameWithoutAClick) {
    using K = CharacterKind;
    const std::array<K, kSeats> lineups[] = {
        {K::Swallow, K::Wolf, K::Tiger, K::Swallow},
        {K::Tiger, K::Tiger, K::Tiger, K::Tiger},
    };
    for (const auto& l : lineups) {
        SeatAll(l[0], l[1], l[2], l[3]);
        const uint32_t start = host.Now();
        const Result r = Play();
        EXPECT_EQ(r.versusResults, 1);
        EXPECT_EQ(r.phase, GamePhase::Finished);
        EXPECT_EQ(r.total, 54);
        EXPECT_EQ(r.taken[0] + r.taken[1] + r.taken[2] + r.taken[3], 54);
        EXPECT_EQ(r.turnCount, 0);
        EXPECT_TRUE(table.messages.empty());
        EXPECT_GT(host.Now() - start, 60'000u);  // minutes of play, on the virtual clock
        ExpectClearedAfterTheGame();
        // Every seat had its turns and spoke in them.
        for (int s = 0; s < kSeats; ++s)
            EXPECT_TRUE(std::any_of(table.said.begin(), table.said.end(),
                                    [s](const auto& line) { return line.first == s; }));
        table.said.clear();
    }
}

// A game quit while a computer walks to the partner it remembers leaves no
// plan behind: the next game's computers start from nothing.
TEST_F(OpponentGameTest, AGameQuitWhileAPartnerIsPlannedForgetsThePlan) {
    SeatAll(CharacterKind::Tiger, CharacterKind::Tiger, CharacterKind::Tiger, CharacterKind::Tiger);
    bool quit = false;
    host.OnEveryPass([&] {
        for (const OpponentSeat& s : seats)
            if (!quit && s.partnerCard != 0 && game.phase == GamePhase::Running) {
                QuitCommand(game);
                quit = true;
            }
    });
    const Result r = Play();
    ASSERT_TRUE(quit);
    EXPECT_EQ(r.versusResults, 0);
    EXPECT_EQ(table.messages, std::vector<std::string>{"このゲームを終了します"});
    ExpectClearedAfterTheGame();
}

TEST_F(OpponentGameTest, AHumanClickingAtRandomPlaysAlongWithTheOpponents) {
    SeatAll(CharacterKind::You, CharacterKind::Swallow, CharacterKind::Wolf, CharacterKind::Tiger);
    // The player clicks a face-down card whenever the table takes a click.
    std::mt19937 player{7};
    int attempts = 0;
    bool clicking = false;
    host.OnEveryPass([&] {
        if (clicking || !table.windowEnabled || game.phase != GamePhase::Running) return;
        if (game.currentSeat != 0 || game.pickState == PickTwoUp) return;
        std::vector<int> faceDown;
        for (int c = 1; c <= kCardCount; ++c) {
            const Cell at = FindCardCell(game, c);
            if (at.col != kNoCell && !table.cards[c].face) faceDown.push_back(c);
        }
        if (faceDown.empty()) return;
        clicking = true;
        CardMouseDown(game, faceDown[player() % faceDown.size()]);
        clicking = false;
        attempts += game.pickState == PickTwoUp;
    });
    const Result r = Play();
    host.OnEveryPass(nullptr);
    EXPECT_EQ(r.phase, GamePhase::Finished);
    EXPECT_EQ(r.taken[0] + r.taken[1] + r.taken[2] + r.taken[3], 54);
    EXPECT_GT(attempts, 0);
    EXPECT_EQ(r.turnCount, attempts);
    ExpectClearedAfterTheGame();
}

TEST_F(OpponentGameTest, AComputerInSeatZeroOpensTheNextGameWithoutGreeting) {
    SeatAll(CharacterKind::Wolf, CharacterKind::Tiger, CharacterKind::Empty, CharacterKind::Empty);
    Play();
    ASSERT_FALSE(seats[0].turnJustStarted);
    const int handCol = game.handCol, handRow = game.handRow;
    table.said.clear();
    table.handPath.clear();
    // Stop the second game right after the hand's first appearance.
    host.OnEveryPass([&] {
        if (!table.handPath.empty() && game.phase == GamePhase::Running) QuitCommand(game);
    });
    Play();
    host.OnEveryPass(nullptr);
    ASSERT_EQ(table.handPath.size(), 1u);
    EXPECT_TRUE(table.said.empty());  // no greeting: the choice came first
    // The hand starts from where it stood at the end of the last game.
    const Rect hand = HandPlacement(handCol, handRow);
    EXPECT_EQ(table.handPath.front(), std::make_pair(hand.left, hand.top));
    EXPECT_EQ(table.messages, std::vector<std::string>{"このゲームを終了します"});
}

// The pace of every turn as the game loop deals them out: the opening wait
// (50 passes on a seat's first turn, then what its last turn drew), the
// greeting, and the choice on the 101st pass of the turn. A seat behind the one
// that passes the turn takes its first step in that same pass; a seat before
// it waits for the next pass. A computer in seat 0 opens the game by choosing.
TEST_F(OpponentGameTest, EveryTurnOpensWithItsWaitAndChoosesOnItsHundredAndFirstPass) {
    using K = CharacterKind;
    const std::array<K, kSeats> lineups[] = {
        {K::Empty, K::Swallow, K::Wolf, K::Tiger},
        {K::Tiger, K::Empty, K::Wolf, K::Swallow},
    };
    for (const auto& l : lineups) {
        SCOPED_TRACE(static_cast<int>(l[0]));
        NewGame();
        SeatAll(l[0], l[1], l[2], l[3]);
        struct Turn {
            int seat, from;  // `from`: the seat that passed the turn on (-1: the deal)
            int waitLimit;   // the opening wait it starts with
            int64_t start, greeting = -1, choice = -1;
            size_t linesBefore, linesAtChoice = 0;
        };
        std::vector<Turn> turns;
        size_t handMoves = 0;
        host.OnEveryPass([&] {
            if (game.phase != GamePhase::Running || game.currentSeat >= kSeats ||
                !game.seats[game.currentSeat].active || !table.windowEnabled)
                return;
            const int64_t pass = LoopPassCount();
            if (turns.empty() || turns.back().seat != game.currentSeat) {
                if (turns.size() == 13) return QuitCommand(game);
                const int from = turns.empty() ? -1 : turns.back().seat;
                const OpponentSeat& s = seats[game.currentSeat];
                turns.push_back(
                    {game.currentSeat, from, s.waitLimit, pass, -1, -1, table.said.size(), 0});
                handMoves = table.handPath.size();
            }
            Turn& t = turns.back();
            if (t.greeting < 0 && !seats[t.seat].turnJustStarted) t.greeting = pass;
            if (t.choice < 0 && table.handPath.size() > handMoves) {
                t.choice = pass;
                t.linesAtChoice = table.said.size();
            }
        });
        Play();
        host.OnEveryPass(nullptr);

        ASSERT_EQ(turns.size(), 13u);
        turns.pop_back();  // cut short by the quit
        std::array<int, kSeats> turnsOf{};
        for (const Turn& t : turns) {
            SCOPED_TRACE(testing::Message() << "seat " << t.seat << " from " << t.from);
            if (t.from < 0 && t.seat == 0) {
                // No wait and no greeting: the choice comes on the first pass.
                EXPECT_EQ(t.choice, t.start);
                EXPECT_EQ(t.linesAtChoice, t.linesBefore);
                ++turnsOf[t.seat];
                continue;
            }
            // The first step comes in the pass the turn arrived in, unless the seat
            // sits before the one that passed it on.
            const int late = t.from > t.seat ? 1 : 0;
            if (turnsOf[t.seat] == 0) {
                EXPECT_EQ(t.waitLimit, 50);
            } else {
                EXPECT_GE(t.waitLimit, 25);
                EXPECT_LE(t.waitLimit, 75);
            }
            EXPECT_EQ(t.greeting - t.start, t.waitLimit - 1 + late);
            EXPECT_EQ(t.choice - t.start, 100 + late);
            ++turnsOf[t.seat];
        }
        // Every seat had a second turn, with the wait its first one drew.
        for (int s = 0; s < kSeats; ++s)
            EXPECT_TRUE(!game.seats[s].active || turnsOf[s] >= 2) << "seat " << s;
    }
}

TEST_F(OpponentGameTest, ABalloonFadesWhileItsSeatWaitsForItsTurn) {
    // A computer's last words of a turn stay up while the others play, and go
    // after their hundred passes, long before its own turn comes round again.
    SeatAll(CharacterKind::Swallow, CharacterKind::Wolf, CharacterKind::Empty,
            CharacterKind::Empty);
    std::array<bool, kSeats> shownBefore{};
    int fadedOffTurn = 0;
    host.OnEveryPass([&] {
        if (game.phase != GamePhase::Running) return;
        for (int s = 0; s < 2; ++s) {
            if (shownBefore[s] && !table.balloonShown[s] && s != game.currentSeat) ++fadedOffTurn;
            shownBefore[s] = table.balloonShown[s];
        }
    });
    Play();
    host.OnEveryPass(nullptr);
    EXPECT_GT(fadedOffTurn, 0);
}
