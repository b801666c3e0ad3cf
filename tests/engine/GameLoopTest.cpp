// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "opponents/Memory.h"
#include "opponents/OpponentSeat.h"
#include "support/ClickPlayer.h"
#include "support/EngineFixture.h"

using GameLoopTest = EngineFixture;

TEST_F(GameLoopTest, APerfectMemorySolitaireGamePlaysToTheEnd) {
    SeatSolitaire();
    ClickPlayer player(host, table);
    int turnsAtEnd = -1, secondsAtEnd = -1;
    uint32_t endedAt = 0;
    table.onSoloResult = [&] {
        endedAt = host.Now();
        EXPECT_EQ(game.phase, GamePhase::Finished);
        turnsAtEnd = game.turnCount;  // still intact for the score table
        secondsAtEnd = game.elapsedSeconds;
        EXPECT_TRUE(table.soloLabels);
        EXPECT_FALSE(table.timerRunning);
    };
    const uint32_t start = host.Now();
    StartCommand(game);

    EXPECT_EQ(table.soloResults, 1);
    EXPECT_EQ(table.versusResults, 0);
    EXPECT_GE(turnsAtEnd, 27);
    EXPECT_LE(turnsAtEnd, 70);
    EXPECT_EQ(player.clicks, 2 * turnsAtEnd);
    EXPECT_EQ(table.countText, FullWidthDigits(std::to_string(turnsAtEnd)) + " 手");
    EXPECT_EQ(table.timeText, FullWidthDigits(std::to_string(secondsAtEnd)) + " 秒");
    // The clock starts after the deal: 26 riffles and 54 drops of 5 ms.
    const uint32_t dealMs = 26 * host.syncSoundMs + 54 * 5;
    EXPECT_EQ(secondsAtEnd, static_cast<int>((endedAt - start - dealMs) / 1000));
    // The table is cleared and Start is offered again.
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_EQ(game.currentSeat, 4);
    EXPECT_EQ(game.turnCount, 0);
    EXPECT_EQ(game.elapsedSeconds, 0);
    EXPECT_EQ(game.cardsTakenTotal, 0);
    EXPECT_EQ(game.seats[0].cardsTaken, 0);
    EXPECT_TRUE(table.startEnabled);
    EXPECT_FALSE(table.quitEnabled);
    EXPECT_FALSE(table.panelShown[0]);
    EXPECT_FALSE(table.soloLabels);
    for (int c = 0; c <= kCardCount; ++c) EXPECT_FALSE(table.cards[c].visible);
}

// "このゲームやめ" chosen at any moment of a game ends it once the pass under way
// is over, with its message; a closing program is not held up by it, and a game
// won in that very pass keeps its result.
TEST_F(GameLoopTest, AQuitChosenAtAnyMomentEndsTheGameAfterThatPassWithItsMessage) {
    using K = CharacterKind;
    const auto computerOnTurn = [this] {
        return game.currentSeat < kSeats && game.seats[game.currentSeat].IsComputer();
    };
    const std::array<K, kSeats> alone{K::You, K::Empty, K::Empty, K::Empty};
    const std::array<K, kSeats> versus{K::Wolf, K::You, K::Empty, K::Tiger};
    const struct Case {
        const char* moment;
        std::array<K, kSeats> seats;
        std::function<bool()> now;
        int passesToFinish;         // the deal comes before the first pass
        bool closingFirst = false;  // the window is closed just before the quit
        bool won = false;           // the last pair was taken in that pass
    } cases[] = {
        {"the deal", alone, [&] { return table.bannerVisible; }, 0},
        {"a human's card turning up", alone,
         [&] { return !table.windowEnabled && game.pickState == PickOneUp; }, 1},
        {"a human's two cards shown", alone, [this] { return game.phase == GamePhase::Resolving; },
         1},
        {"the last pair shown", alone,
         [this] { return game.phase == GamePhase::Resolving && game.cardsTakenTotal == 52; }, 1,
         false, true},
        {"a computer's card turning up", versus,
         [&] {
             return computerOnTurn() && !table.windowEnabled && game.firstPick != 0 &&
                    game.secondPick == 0;
         },
         1},
        {"a computer's two cards shown", versus,
         [&] { return computerOnTurn() && game.secondPick != 0; }, 1},
        {"a human's two cards shown, the window closing", alone,
         [this] { return game.phase == GamePhase::Resolving; }, 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.moment);
        NewGame();
        table.messages.clear();
        table.soloResults = table.versusResults = 0;
        SeatAll(c.seats[0], c.seats[1], c.seats[2], c.seats[3]);
        game.soloMode = c.seats[1] == K::Empty;
        ClickPlayer player(host, table);
        int64_t quitPass = -1;
        player.watch = [&] {
            if (quitPass >= 0 || game.phase == GamePhase::Idle || !c.now()) return;
            quitPass = LoopPassCount();
            if (c.closingFirst) game.phase = GamePhase::Exiting;
            QuitCommand(game);
        };
        StartCommand(game);
        host.OnEveryPass(nullptr);

        ASSERT_GE(quitPass, 0) << "the moment never came";
        // A game won in that pass keeps its result; any other quit shows no result.
        EXPECT_EQ(table.soloResults + table.versusResults, c.won ? 1 : 0);
        // The pass under way is finished, and no other.
        EXPECT_EQ(LoopPassCount() - quitPass, c.passesToFinish);
        if (c.closingFirst) {
            // Closing wins: the game is left where it stands, without a word.
            EXPECT_EQ(game.phase, GamePhase::Exiting);
            EXPECT_TRUE(table.messages.empty());
            table.StopSecondTimer();
            continue;
        }
        if (c.won)
            EXPECT_TRUE(table.messages.empty());
        else
            EXPECT_EQ(table.messages, std::vector<std::string>{"このゲームを終了します"});
        EXPECT_EQ(game.phase, GamePhase::Idle);
        EXPECT_FALSE(table.timerRunning);
        EXPECT_TRUE(table.startEnabled);
        EXPECT_FALSE(table.quitEnabled);
        for (int card = 1; card <= kCardCount; ++card) EXPECT_FALSE(table.cards[card].visible);
    }
}

// Menu commands that come when no game is under way change nothing.
TEST_F(GameLoopTest, QuitOutsideAGameLeavesThePhaseAlone) {
    for (const GamePhase phase : {GamePhase::Idle, GamePhase::Finished, GamePhase::Exiting}) {
        game.phase = phase;
        QuitCommand(game);
        EXPECT_EQ(game.phase, phase);
    }
}

TEST_F(GameLoopTest, TwoHumanSeatsShareTheMouse) {
    SeatAll(CharacterKind::Empty, CharacterKind::You, CharacterKind::Empty, CharacterKind::You);
    ClickPlayer player(host, table);
    std::array<int, 4> taken{};
    std::array<bool, 4> panels{};
    table.onVersusResult = [&] {
        for (int s = 0; s < 4; ++s) taken[s] = game.seats[s].cardsTaken;
        panels = table.panelShown;
    };
    StartCommand(game);
    EXPECT_EQ(table.versusResults, 1);
    EXPECT_EQ(panels, (std::array<bool, 4>{false, true, false, true}));
    EXPECT_EQ(taken[1] + taken[3], 54);
    EXPECT_GT(taken[1], 0);
    EXPECT_GT(taken[3], 0);
    EXPECT_FALSE(table.soloLabels);
}

// While the player thinks and nothing on the table moves, the game sleeps: it
// wakes for the clock's second and, against the computers, once more when the
// last balloon is due to go, and for nothing else. The passes still keep their
// pace of one every 10 ms (what the computers count), and the balloon goes
// exactly a hundred passes after its words.
TEST_F(GameLoopTest, AGameWaitingForAClickSleepsUntilTheClockTicks) {
    using K = CharacterKind;
    const struct Case {
        const char* game;
        std::array<K, kSeats> seats;
        int balloons;  // balloons up when the human's turn comes
    } cases[] = {
        {"solitaire, before the first click", {K::You, K::Empty, K::Empty, K::Empty}, 0},
        {"the human's turn after Wolf's", {K::Wolf, K::You, K::Empty, K::Empty}, 1},
    };
    constexpr uint32_t kWatchMs = 10'000;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.game);
        NewGame();
        SeatAll(c.seats[0], c.seats[1], c.seats[2], c.seats[3]);
        game.soloMode = c.seats[1] == K::Empty;
        const int human = c.seats[0] == K::You ? 0 : 1;
        bool watching = false;
        uint32_t from = 0, balloonGone = 0;
        int wakeUpsFrom = 0, wakeUps = -1, balloonsUp = 0;
        int64_t passesFrom = 0, passes = 0;
        host.OnEveryPass([&] {
            if (game.phase != GamePhase::Running || !table.windowEnabled) return;
            if (!watching && game.currentSeat == human && table.timerRunning) {
                watching = true;
                from = host.Now();
                wakeUpsFrom = host.wakeUps;
                passesFrom = LoopPassCount();
                balloonsUp = static_cast<int>(
                    std::count(table.balloonShown.begin(), table.balloonShown.end(), true));
                host.At(from + kWatchMs, [&] {
                    wakeUps = host.wakeUps - wakeUpsFrom;
                    passes = LoopPassCount() - passesFrom;
                    QuitCommand(game);
                });
            }
            if (watching && balloonsUp > 0 && balloonGone == 0 && !table.balloonShown[0])
                balloonGone = host.Now();
        });
        StartCommand(game);
        host.OnEveryPass(nullptr);

        ASSERT_TRUE(watching);
        ASSERT_GE(wakeUps, 0) << "the quit never came";
        ASSERT_EQ(balloonsUp, c.balloons);
        // Ten seconds: ten ticks of the clock, the balloon's end, and the quit.
        EXPECT_LE(wakeUps, static_cast<int>(kWatchMs / 1000) + c.balloons + 1);
        // A pass every 10 ms; the one that falls with the quit comes after it.
        EXPECT_EQ(passes, kWatchMs / 10 - 1);
        if (c.balloons) {
            // Said in the pass that passed the turn on, gone on the hundredth after it.
            EXPECT_EQ(balloonGone - from, 1000u);
        }
    }
}

TEST_F(GameLoopTest, TheTurnStartsAtTheFirstActiveSeatAndWraps) {
    SeatAll(CharacterKind::Empty, CharacterKind::You, CharacterKind::Empty, CharacterKind::You);
    game.currentSeat = 0;
    AdvanceTurn(game);
    EXPECT_EQ(game.currentSeat, 1);
    EXPECT_TRUE(seats[1].turnJustStarted);
    EXPECT_TRUE(table.onTurn[1]);
    AdvanceTurn(game);
    EXPECT_EQ(game.currentSeat, 3);
    EXPECT_FALSE(seats[1].turnJustStarted);
    AdvanceTurn(game);
    EXPECT_EQ(game.currentSeat, 1);
    EXPECT_FALSE(table.onTurn[3]);
}

TEST_F(GameLoopTest, AComputersTurnWaitsWhileAScreenReaderSpeaks) {
    // The same pinned game twice: the computer's first card comes as late as
    // the screen reader's speech keeps it, and nothing else changes.
    const auto firstCardAt = [this](uint32_t speaking) {
        NewGame();
        PinRandomSeed(12345);
        SeatAll(CharacterKind::Swallow, CharacterKind::You, CharacterKind::Empty,
                CharacterKind::Empty);
        uint32_t at = 0, start = 0;
        int card = 0;
        host.OnEveryPass([&] {
            // From the dealt table on, when seat 0 is first highlighted.
            if (game.phase != GamePhase::Running || !table.onTurn[0]) return;
            if (start == 0) start = host.Now(), table.speakingUntil = start + speaking;
            if (at == 0 && game.firstPick != 0) at = host.Now() - start, card = game.firstPick;
            if (at != 0) QuitCommand(game);
        });
        StartCommand(game);
        return std::pair{at, card};
    };
    const auto [quiet, card] = firstCardAt(0);
    const auto [held, heldCard] = firstCardAt(3000);
    EXPECT_EQ(heldCard, card);
    EXPECT_GE(held, quiet + 2900);
    EXPECT_LE(held, quiet + 3100);
}

TEST_F(GameLoopTest, ClicksAreIgnoredOutsideAGameAndWhileTwoCardsAreUp) {
    SeatSolitaire();
    ResetDeck(game);
    Deal(game);
    game.currentSeat = 0;
    CardMouseDown(game, 5);  // phase Idle
    EXPECT_FALSE(table.cards[5].face);

    game.phase = GamePhase::Running;
    CardMouseDown(game, 5);
    CardMouseDown(game, 5);  // already face up
    EXPECT_EQ(game.firstPick, 5);
    EXPECT_EQ(game.secondPick, 0);
    CardMouseDown(game, 6);
    EXPECT_EQ(game.pickState, PickTwoUp);
    CardMouseDown(game, 7);  // the loop has not resolved the two yet
    EXPECT_FALSE(table.cards[7].face);
    EXPECT_EQ(game.secondPick, 6);
}

TEST_F(GameLoopTest, HoverMagnifiesOneCardAndTheTableRestoresIt) {
    SeatSolitaire();
    ResetDeck(game);
    Deal(game);
    game.currentSeat = 0;
    game.phase = GamePhase::Running;
    const BoardCard a = game.cards[3], b = game.cards[4];
    CardMouseMove(game, 3);
    EXPECT_EQ(table.cards[3].rect, MagnifiedPlacement(a.col, a.row));
    CardMouseMove(game, 4);
    EXPECT_EQ(table.cards[3].rect, NormalPlacement(a.col, a.row));
    EXPECT_EQ(table.cards[4].rect, MagnifiedPlacement(b.col, b.row));
    WindowMouseMove(game);
    EXPECT_EQ(table.cards[4].rect, NormalPlacement(b.col, b.row));
    EXPECT_EQ(game.hoveredCard, 0);
    game.phase = GamePhase::Resolving;
    CardMouseMove(game, 4);
    EXPECT_EQ(table.cards[4].rect, NormalPlacement(b.col, b.row));
}

TEST_F(GameLoopTest, AGameWithNobodySeatedWaitsForQuitWithoutHanging) {
    SeatAll(CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty);
    host.At(host.Now() + 5000, [this] { QuitCommand(game); });
    StartCommand(game);
    EXPECT_EQ(table.messages, std::vector<std::string>{"このゲームを終了します"});
    EXPECT_EQ(game.phase, GamePhase::Idle);
}

TEST_F(GameLoopTest, ClosingTheWindowAbandonsTheGameOnTheSpot) {
    // The window's closing sets the phase Exiting from inside whatever wait the
    // game was in; the game then returns at once: no message, nothing cleared,
    // not even the timer stopped (the program is ending).
    for (const bool inScoreWindow : {false, true}) {
        SCOPED_TRACE(inScoreWindow ? "in the score window" : "between passes");
        TearDown();
        SetUp();
        SeatSolitaire();
        auto close = [this] { game.phase = GamePhase::Exiting; };
        std::unique_ptr<ClickPlayer> player;
        if (inScoreWindow) {
            player = std::make_unique<ClickPlayer>(host, table);
            table.onSoloResult = close;
        } else {
            host.At(host.Now() + 3000, close);  // after the deal, nobody clicking
        }
        StartCommand(game);

        EXPECT_EQ(game.phase, GamePhase::Exiting);
        EXPECT_TRUE(table.messages.empty());
        EXPECT_EQ(table.soloResults, inScoreWindow ? 1 : 0);
        EXPECT_FALSE(table.startEnabled);
        EXPECT_TRUE(table.soloLabels);
        EXPECT_TRUE(table.panelShown[0]);
        if (!inScoreWindow) {
            EXPECT_TRUE(table.timerRunning);
        }
    }
}

// The one-second timer counts the solitaire time; against the computers it
// ages their memories instead, so a Swallow forgets on the 11th tick.
TEST_F(GameLoopTest, TheSecondTimerAgesMemoriesOnlyAgainstTheComputers) {
    for (const bool solo : {false, true}) {
        SCOPED_TRACE(solo ? "solitaire" : "versus");
        SeatAll(CharacterKind::Swallow, CharacterKind::You, CharacterKind::Empty,
                CharacterKind::Empty);
        game.soloMode = solo;
        ResetDeck(game);
        Deal(game);
        RememberCard(game, seats, 0, 5);
        table.StartSecondTimer();
        WaitWithEvents(10'500);
        EXPECT_EQ(seats[0].memory[0].age, solo ? 0 : 10);
        EXPECT_TRUE(seats[0].memory[0].inUse);
        WaitWithEvents(1000);
        table.StopSecondTimer();
        EXPECT_EQ(seats[0].memory[0].inUse, solo);
        EXPECT_EQ(game.elapsedSeconds, solo ? 11 : 0);
        ClearMemories(seats);
    }
}

TEST_F(GameLoopTest, MemoriesKeepWhileTheGameWaitsForAScreenReader) {
    SeatAll(CharacterKind::Swallow, CharacterKind::You, CharacterKind::Empty, CharacterKind::Empty);
    ResetDeck(game);
    Deal(game);
    RememberCard(game, seats, 0, 5);
    table.speakingUntil = host.Now() + 4'000;
    table.StartSecondTimer();
    WaitWithEvents(10'500);
    table.StopSecondTimer();
    EXPECT_EQ(seats[0].memory[0].age, 10 - 3);  // the ticks at 1, 2 and 3 s found it speaking
}
