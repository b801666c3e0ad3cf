// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <set>

#include "support/EngineFixture.h"

using DealTest = EngineFixture;

TEST_F(DealTest, LaysEveryCardOnceFaceDownAtItsCell) {
    ResetDeck(game);
    Deal(game);
    std::set<int> seen;
    for (int k = 0; k <= kColumns; ++k)
        for (int r = 0; r <= kRows; ++r) {
            const int card = game.board[k][r];
            if (k == kColumns || r == kRows) {
                EXPECT_EQ(card, 0);  // the spare column and row stay empty
                continue;
            }
            ASSERT_GE(card, 1);
            EXPECT_TRUE(seen.insert(card).second) << "card " << card << " twice";
            EXPECT_EQ(game.cards[card].col, k);
            EXPECT_EQ(game.cards[card].row, r);
            const HeadlessTable::CardState& w = table.cards[card];
            EXPECT_TRUE(w.visible);
            EXPECT_FALSE(w.face);
            EXPECT_TRUE(w.enabled);
            EXPECT_EQ(w.picture, card - 1);
            EXPECT_EQ(w.rect, NormalPlacement(k, r));
        }
    EXPECT_EQ(seen.size(), 54u);
    EXPECT_TRUE(table.windowEnabled);
    EXPECT_FALSE(table.bannerVisible);
}

TEST_F(DealTest, EveryCardTurnedLetsEventsRunWithItsNewSideShowing) {
    std::vector<int> faceUp;  // cards face up at each event pass
    host.OnEveryPass([&] {
        int n = 0;
        for (int c = 1; c <= kCardCount; ++c) n += table.cards[c].face;
        faceUp.push_back(n);
    });
    // Turning the deck face up: one pass after each card.
    ResetDeck(game);
    std::vector<int> expected;
    for (int n = 1; n <= kCardCount; ++n) expected.push_back(n);
    EXPECT_EQ(faceUp, expected);

    // The deal turns them down again, with a pass after each card's turn and another
    // of its own, before the first card drops onto the pile.
    faceUp.clear();
    Deal(game);
    expected.clear();
    for (int n = kCardCount - 1; n >= 0; --n) expected.insert(expected.end(), {n, n});
    ASSERT_GE(faceUp.size(), expected.size());
    faceUp.resize(expected.size());
    EXPECT_EQ(faceUp, expected);
}

TEST_F(DealTest, ShufflesForTheFirstHalfOfTheDeckAndShowsTheStartBanner) {
    ResetDeck(game);
    Deal(game);
    int shuffles = 0;
    for (const auto& [name, flags] : host.sounds) {
        EXPECT_EQ(name, "shuffle.wav");
        EXPECT_EQ(flags, 0);  // the deal waits for each riffle
        ++shuffles;
    }
    EXPECT_EQ(shuffles, 26);
    EXPECT_EQ(table.banner, 1);
    EXPECT_EQ(table.bannerTop, 50);
    // Centred over the cells of the 640-pixel-wide window.
    EXPECT_EQ(table.bannerLeft, (640 - kTableLeft - 320) / 2 + kTableLeft);
}

TEST_F(DealTest, RanksFollowTheSuitsAndTheJokersKeepTheirOwn) {
    ResetDeck(game);
    struct Case {
        int card, rank;
    } cases[] = {{1, 1},   {13, 13}, {14, 1},  {26, 13}, {27, 1},
                 {39, 13}, {40, 1},  {52, 13}, {53, 53}, {54, 54}};
    for (const Case& c : cases) EXPECT_EQ(game.cards[c.card].rank, c.rank) << c.card;
}

TEST_F(DealTest, FirstAndLastPositionsWeighOneAndAHalf) {
    // Count which list position an even sweep of draws picks, with four cards left.
    int counts[4] = {};
    const int draws = 70000;
    for (int n = 0; n < draws; ++n) counts[DealListPosition((n + 0.5) / draws, 4)]++;
    EXPECT_NEAR(counts[0], draws * 1.5 / 7, 5);
    EXPECT_NEAR(counts[1], draws * 2.0 / 7, 5);
    EXPECT_NEAR(counts[2], draws * 2.0 / 7, 5);
    EXPECT_NEAR(counts[3], draws * 1.5 / 7, 5);
}

TEST_F(DealTest, TheLastCardLeftIsAlwaysTaken) {
    for (double u : {0.0, 0.3, 0.5, 0.999999}) EXPECT_EQ(DealListPosition(u, 1), 0);
}
