#include <gtest/gtest.h>

#include <memory>

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
    StartCommand();

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

TEST_F(GameLoopTest, QuitEndsTheGameAfterTheCurrentPassWithItsMessage) {
    SeatSolitaire();
    ClickPlayer player(host, table);
    host.At(host.Now() + 8000, [] { QuitCommand(); });
    StartCommand();
    EXPECT_EQ(table.messages, std::vector<std::string>{"このゲームを終了します"});
    EXPECT_EQ(table.soloResults, 0);
    EXPECT_EQ(game.phase, GamePhase::Idle);
    EXPECT_TRUE(table.startEnabled);
    EXPECT_EQ(game.firstPick, 0);
}

TEST_F(GameLoopTest, TwoHumanSeatsShareTheMouse) {
    SeatAll(CharacterKind::Empty, CharacterKind::You, CharacterKind::Empty, CharacterKind::You);
    ClickPlayer player(host, table);
    std::array<int, 4> taken{};
    table.onVersusResult = [&] {
        for (int s = 0; s < 4; ++s) taken[s] = game.seats[s].cardsTaken;
    };
    StartCommand();
    EXPECT_EQ(table.versusResults, 1);
    EXPECT_EQ(taken[0] + taken[2], 0);
    EXPECT_EQ(taken[1] + taken[3], 54);
    EXPECT_GT(taken[1], 0);
    EXPECT_GT(taken[3], 0);
    EXPECT_FALSE(table.soloLabels);
}

TEST_F(GameLoopTest, APassNeverLastsLessThanTenMilliseconds) {
    SeatSolitaire();  // nobody clicks: the loop just paces
    std::vector<uint32_t> passes;
    uint32_t lastPass = 0;
    host.OnEveryPass([&] {
        if (game.phase == GamePhase::Running && table.windowEnabled && host.Now() != lastPass)
            passes.push_back(lastPass = host.Now());
    });
    const uint32_t quitAt = host.Now() + 3000;
    host.At(quitAt, [] { QuitCommand(); });
    StartCommand();
    ASSERT_GT(passes.size(), 100u);
    for (size_t i = 1; i < passes.size(); ++i) EXPECT_GE(passes[i] - passes[i - 1], 10u);
}

TEST_F(GameLoopTest, TheTurnStartsAtTheFirstActiveSeatAndWraps) {
    SeatAll(CharacterKind::Empty, CharacterKind::You, CharacterKind::Empty, CharacterKind::You);
    game.currentSeat = 0;
    AdvanceTurn();
    EXPECT_EQ(game.currentSeat, 1);
    EXPECT_TRUE(game.seats[1].turnJustStarted);
    EXPECT_TRUE(table.onTurn[1]);
    AdvanceTurn();
    EXPECT_EQ(game.currentSeat, 3);
    EXPECT_FALSE(game.seats[1].turnJustStarted);
    AdvanceTurn();
    EXPECT_EQ(game.currentSeat, 1);
    EXPECT_FALSE(table.onTurn[3]);
}

TEST_F(GameLoopTest, ClicksAreIgnoredOutsideAGameAndWhileTwoCardsAreUp) {
    SeatSolitaire();
    ResetDeck();
    Deal();
    game.currentSeat = 0;
    CardMouseDown(5);  // phase Idle
    EXPECT_FALSE(table.cards[5].face);

    game.phase = GamePhase::Running;
    CardMouseDown(5);
    CardMouseDown(5);  // already face up
    EXPECT_EQ(game.firstPick, 5);
    EXPECT_EQ(game.secondPick, 0);
    CardMouseDown(6);
    EXPECT_EQ(game.pickState, PickTwoUp);
    CardMouseDown(7);  // the loop has not resolved the two yet
    EXPECT_FALSE(table.cards[7].face);
    EXPECT_EQ(game.secondPick, 6);
}

TEST_F(GameLoopTest, HoverMagnifiesOneCardAndTheTableRestoresIt) {
    SeatSolitaire();
    ResetDeck();
    Deal();
    game.currentSeat = 0;
    game.phase = GamePhase::Running;
    const BoardCard a = game.cards[3], b = game.cards[4];
    CardMouseMove(3);
    EXPECT_EQ(table.cards[3].rect, MagnifiedPlacement(a.col, a.row));
    CardMouseMove(4);
    EXPECT_EQ(table.cards[3].rect, NormalPlacement(a.col, a.row));
    EXPECT_EQ(table.cards[4].rect, MagnifiedPlacement(b.col, b.row));
    WindowMouseMove();
    EXPECT_EQ(table.cards[4].rect, NormalPlacement(b.col, b.row));
    EXPECT_EQ(game.hoveredCard, 0);
    game.phase = GamePhase::Resolving;
    CardMouseMove(4);
    EXPECT_EQ(table.cards[4].rect, NormalPlacement(b.col, b.row));
}

TEST_F(GameLoopTest, AGameWithNobodySeatedWaitsForQuitWithoutHanging) {
    SeatAll(CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty);
    host.At(host.Now() + 5000, [] { QuitCommand(); });
    StartCommand();
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
        auto close = [] { game.phase = GamePhase::Exiting; };
        std::unique_ptr<ClickPlayer> player;
        if (inScoreWindow) {
            player = std::make_unique<ClickPlayer>(host, table);
            table.onSoloResult = close;
        } else {
            host.At(host.Now() + 3000, close);  // after the deal, nobody clicking
        }
        StartCommand();

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
