// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "OpponentFixture.h"
#include "opponents/OpponentSeat.h"

class MemoryTest : public OpponentFixture {
protected:
    void SetUp() override {
        OpponentFixture::SetUp();
        LayOutAll();
    }
    int InUse(int seat) const {
        int n = 0;
        for (const OpponentMemory& m : seats[seat].memory) n += m.inUse;
        return n;
    }
    // The draws the generator will hand out next, without using them up.
    std::vector<double> NextDraws(uint64_t seed, int n) {
        PinRandomSeed(seed);
        std::vector<double> out;
        for (int i = 0; i < n; ++i) out.push_back(Rnd());
        PinRandomSeed(seed);
        return out;
    }
};

TEST_F(MemoryTest, EachComputerSeatDrawsOnceForBothCardsOfAFailedAttempt) {
    // Human seats draw nothing; the seat on turn uses its own-attempt chance.
    SeatAll(CharacterKind::Swallow, CharacterKind::You, CharacterKind::Wolf, CharacterKind::Tiger);
    struct Case {
        int seatOnTurn;
        int pct[4];  // the chance each seat decides with; 0 for a human
    } cases[] = {
        {1, {30, 0, 60, 80}}, {0, {90, 0, 60, 80}}, {2, {30, 0, 90, 80}}, {3, {30, 0, 60, 100}}};
    for (const Case& c : cases) {
        for (uint64_t seed = 1; seed <= 40; ++seed) {
            ClearMemories(seats);
            const std::vector<double> r = NextDraws(seed, 4);
            RememberFailedAttempt(game, seats, 5, 30, c.seatOnTurn);
            int draw = 0;
            for (int s = 0; s < kSeats; ++s) {
                if (c.pct[s] == 0) {
                    EXPECT_EQ(InUse(s), 0);
                    continue;
                }
                const bool remembers = r[draw++] * 100 < c.pct[s];
                ASSERT_EQ(InUse(s), remembers ? 2 : 0) << "seat " << s << " seed " << seed;
                if (!remembers) continue;
                const OpponentMemory& a = seats[s].memory[0];
                const OpponentMemory& b = seats[s].memory[1];
                EXPECT_EQ((Cell{a.col, a.row}), CellOf(5));
                EXPECT_EQ((Cell{b.col, b.row}), CellOf(30));
                EXPECT_EQ(a.lifetime, s == 0 ? 10 : 20);
                EXPECT_EQ(a.age, 0);
            }
            EXPECT_EQ(Rnd(), r[3]);  // exactly three draws were used
        }
    }
}

TEST_F(MemoryTest, AFullSwallowStoresNothingNew) {
    SeatAll(CharacterKind::Swallow, CharacterKind::Empty, CharacterKind::Empty,
            CharacterKind::Empty);
    for (int c = 1; c <= 20; ++c) RememberCard(game, seats, 0, c);
    EXPECT_EQ(FindFreeMemorySlot(seats, 0), -1);
    RememberCard(game, seats, 0, 40);
    EXPECT_EQ(InUse(0), 20);
    EXPECT_FALSE(seats[0].memory[20].inUse);  // the spare entry is never used
    for (const OpponentMemory& m : seats[0].memory)
        EXPECT_FALSE(m.inUse && (Cell{m.col, m.row} == CellOf(40)));

    seats[0].memory[7].inUse = false;  // one entry frees up: the lowest free one is taken
    EXPECT_EQ(FindFreeMemorySlot(seats, 0), 7);
    RememberCard(game, seats, 0, 40);
    EXPECT_EQ((Cell{seats[0].memory[7].col, seats[0].memory[7].row}), CellOf(40));
}

TEST_F(MemoryTest, HumanSeatsNeverRemember) {
    SeatAll(CharacterKind::Wolf, CharacterKind::You, CharacterKind::Empty, CharacterKind::Empty);
    seats[1].memorySize = 40;
    seats[1].memory.assign(41, {});
    RememberCard(game, seats, 1, 3);
    EXPECT_EQ(InUse(1), 0);
}

TEST_F(MemoryTest, AMemoryExpiresOnTheTickAfterItsLifetime) {
    struct Case {
        CharacterKind kind;
        int lastTick;  // the memory is freed by the next tick
    } cases[] = {
        {CharacterKind::Swallow, 10}, {CharacterKind::Wolf, 20}, {CharacterKind::Tiger, 20}};
    for (const Case& c : cases) {
        SeatAll(c.kind, CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty);
        RememberCard(game, seats, 0, 9);
        for (int t = 1; t <= c.lastTick; ++t) AgeMemories(seats);
        EXPECT_TRUE(seats[0].memory[0].inUse);
        AgeMemories(seats);
        EXPECT_FALSE(seats[0].memory[0].inUse) << static_cast<int>(c.kind);
    }
}

TEST_F(MemoryTest, ATakenPairIsForgottenWithTheSeatsOwnChance) {
    SeatAll(CharacterKind::Swallow, CharacterKind::Wolf, CharacterKind::You, CharacterKind::Tiger);
    const int pct[] = {40, 80, 0, 90};
    for (uint64_t seed = 1; seed <= 40; ++seed) {
        ClearMemories(seats);
        for (int s : {0, 1, 3}) Remember(s, {7, 20, 7, 33});  // the 7 twice, and a third card
        const std::vector<double> r = NextDraws(seed, 3);
        ForgetTakenPair(game, seats, 7, 20);
        int draw = 0;
        for (int s : {0, 1, 3}) {
            const bool forgets = r[draw++] * 100 < pct[s];
            EXPECT_EQ(InUse(s), forgets ? 1 : 4) << "seat " << s << " seed " << seed;
            EXPECT_TRUE(seats[s].memory[3].inUse);  // the 33 stays
        }
    }
}

TEST_F(MemoryTest, ClearingEmptiesEverySeatForTheNextGame) {
    SeatAll(CharacterKind::Swallow, CharacterKind::Wolf, CharacterKind::Tiger,
            CharacterKind::Tiger);
    for (int s = 0; s < kSeats; ++s) Remember(s, {1, 14, 2});
    ClearMemories(seats);
    for (int s = 0; s < kSeats; ++s) {
        EXPECT_EQ(InUse(s), 0);
        EXPECT_FALSE(FindKnownPair(game, seats, s).found);
        EXPECT_EQ(FindRememberedPartner(game, seats, s, 27), 0);
    }
}

TEST_F(MemoryTest, KnownPairNeedsEqualRanksInTwoCellsStillOnTheTable) {
    SeatAll(CharacterKind::Tiger, CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty);
    struct Case {
        std::vector<int> remembered;
        std::vector<int> taken;
        bool found;
        int a, b;
    } cases[] = {
        {{53, 54}, {}, false, 0, 0},       // the jokers never look like a pair
        {{5, 7, 33}, {}, true, 7, 33},     // two sevens of different suits
        {{33, 5, 7}, {}, true, 33, 7},     // the lower entry comes first
        {{7, 7, 8}, {}, false, 0, 0},      // one cell twice is no pair
        {{7, 20, 33}, {7}, true, 20, 33},  // a taken card's cell reads empty
        {{7, 20, 7, 20}, {7, 20}, false, 0, 0},
        {{1, 2, 15, 14}, {}, true, 1, 14},  // first entry first, then its lowest partner
    };
    for (const Case& c : cases) {
        LayOutAll();
        ClearMemories(seats);
        for (int card : c.remembered) RememberCard(game, seats, 0, card);
        for (int card : c.taken) game.board[CellOf(card).col][CellOf(card).row] = 0;
        const KnownPair p = FindKnownPair(game, seats, 0);
        EXPECT_EQ(p.found, c.found) << c.remembered.size();
        if (!c.found) continue;
        EXPECT_EQ(p.a, CellOf(c.a));
        EXPECT_EQ(p.b, CellOf(c.b));
    }
}

TEST_F(MemoryTest, PartnerIsNeverTheCardItselfNorTheOtherJoker) {
    SeatAll(CharacterKind::Wolf, CharacterKind::Empty, CharacterKind::Empty, CharacterKind::Empty);
    struct Case {
        std::vector<int> remembered;
        std::vector<int> taken;
        int card, partner;
    } cases[] = {
        {{53}, {}, 54, 0},                               // a joker does not find the other joker
        {{7}, {}, 7, 0},                                 // nor a card itself
        {{7, 7, 46}, {}, 7, 46}, {{46, 20}, {}, 7, 46},  // the lowest entry wins
        {{20, 46}, {20}, 7, 46},                         // a taken card's cell leads nowhere
        {{20, 20}, {20}, 7, 0},  {{8, 9}, {}, 7, 0},
    };
    for (const Case& c : cases) {
        LayOutAll();
        ClearMemories(seats);
        for (int card : c.remembered) RememberCard(game, seats, 0, card);
        for (int card : c.taken) game.board[CellOf(card).col][CellOf(card).row] = 0;
        EXPECT_EQ(FindRememberedPartner(game, seats, 0, c.card), c.partner) << c.card;
    }
}
