#include <gtest/gtest.h>

#include <random>

#include "OpponentFixture.h"

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
        StartCommand();
        return result;
    }
    void ExpectClearedAfterTheGame() {
        EXPECT_EQ(game.phase, GamePhase::Idle);
        EXPECT_EQ(game.currentSeat, 4);
        EXPECT_FALSE(table.handVisible);
        for (int s = 0; s < kSeats; ++s) {
            EXPECT_EQ(game.seats[s].cardsTaken, 0);
            EXPECT_EQ(game.seats[s].partnerCard, 0);
            for (const OpponentMemory& m : game.seats[s].memory) EXPECT_FALSE(m.inUse);
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
            const Cell at = FindCardCell(c);
            if (at.col != kNoCell && !table.cards[c].face) faceDown.push_back(c);
        }
        if (faceDown.empty()) return;
        clicking = true;
        CardMouseDown(faceDown[player() % faceDown.size()]);
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
    ASSERT_FALSE(game.seats[0].turnJustStarted);
    const int handCol = game.handCol, handRow = game.handRow;
    table.said.clear();
    table.handPath.clear();
    // Stop the second game right after the hand's first appearance.
    host.OnEveryPass([&] {
        if (!table.handPath.empty() && game.phase == GamePhase::Running) QuitCommand();
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
