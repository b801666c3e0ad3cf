// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The places of a game against the computer: a face for each seated player.
#include <gtest/gtest.h>

#include "scores/VersusPlacing.h"

TEST(VersusPlacing, EachSeatedPlayerGetsThreeMinusTheSeatsWithFewerCards) {
    constexpr int kEmpty = -1;  // a seat nobody sat in
    const struct {
        std::array<int, 4> cards;
        std::array<int, 4> faces;
    } cases[] = {
        {{20, 14, 10, 10}, {0, 1, 3, 3}},                      // a tie shares the lower face
        {{20, 20, 14, kEmpty}, {1, 1, 2, kNoFace}},            // an empty seat counts as none
        {{30, 24, kEmpty, kEmpty}, {0, 1, kNoFace, kNoFace}},  // taken: the best is first
        {{0, 14, 13, kEmpty}, {3, 0, 1, kNoFace}},             // no cards: last whatever
        {{kEmpty, 27, kEmpty, 27}, {kNoFace, 1, kNoFace, 1}},  // two alone, tied
        {{54, kEmpty, kEmpty, kEmpty}, {0, kNoFace, kNoFace, kNoFace}},
    };
    for (const auto& c : cases) {
        std::array<int, 4> cards{};
        std::array<bool, 4> seated{};
        for (int s = 0; s < 4; ++s) {
            seated[s] = c.cards[s] != kEmpty;
            // What an empty seat holds does not count: it took no cards.
            cards[s] = seated[s] ? c.cards[s] : 99;
        }
        EXPECT_EQ(PlaceFaces(cards, seated), c.faces)
            << c.cards[0] << " " << c.cards[1] << " " << c.cards[2] << " " << c.cards[3];
    }
}
