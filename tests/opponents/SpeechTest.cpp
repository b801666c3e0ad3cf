// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "OpponentFixture.h"
#include "opponents/OpponentSeat.h"

namespace {
struct Voice {
    CharacterKind kind;
    std::vector<std::string> greetings;
    std::vector<std::string> rememberedPair, rememberedPartner, failedGuess;
};

const std::vector<Voice>& Voices() {
    static const std::vector<Voice> voices = {
        {CharacterKind::Swallow,
         {"まってました。", "わーい！！", "俺様の技を見よ", "！"},
         {"ゲッ", "これとね、", "チュー", "やったね。"},
         {"これとね、", "ゲッチュー！！", "これかな？、", "やったね。"},
         {"これとね、", "どれにしようかな", "これかな？、", "ちっ！"}},
        {CharacterKind::Wolf,
         {"俺様の番か？？", "世界が俺を呼んでるぜぇ。", "まちにまったぜぇ。", "！！！"},
         {"俺様って", "これとね、", "天才！！", "へへっ"},
         {"これとね、", "ラッキー", "オープン！！", "へへっ"},
         {"これとね、", "これでいいや。", "オープン！！", "まっこんなもんかな。"}},
        {CharacterKind::Tiger,
         {"もうワシの番か・・・", "・・・", "おまえら早すぎるぞ！", "もう少し休ませてくれ"},
         {"これと", "これとね、", "これじゃな", "まぁこんなもんか"},
         {"これとね、", "見えた！", "開けるぞ", "まぁこんなもんか"},
         // Tiger guesses in silence: the balloon comes up empty.
         {"これとね、", "", "開けるぞ", "やっと休めるわい"}},
    };
    return voices;
}
}  // namespace

class SpeechTest : public OpponentFixture {
protected:
    static constexpr int kSeat = 2;
    // A fresh game state with the character in seat 2.
    void Seat(CharacterKind kind) {
        NewGame();
        table.said.clear();
        SeatAll(CharacterKind::You, CharacterKind::Empty, kind, CharacterKind::Empty);
    }
    // A turn may open with a greeting or with nothing.
    static std::vector<std::string> WithoutGreeting(std::vector<std::string> said, const Voice& v) {
        if (!said.empty() &&
            std::find(v.greetings.begin(), v.greetings.end(), said.front()) != v.greetings.end())
            said.erase(said.begin());
        return said;
    }
};

TEST_F(SpeechTest, EachCharacterTalksThroughItsAttempts) {
    for (const Voice& v : Voices()) {
        SCOPED_TRACE(static_cast<int>(v.kind));
        const auto tookPair = [this] { return game.seats[kSeat].cardsTaken == 2; };

        // A whole turn with a remembered pair (two sevens) in memory.
        Seat(v.kind);
        LayOutAll();
        Remember(kSeat, {7, 20});
        TurnStartsFor(kSeat);
        Run run = PlayUntil(kSeat, tookPair);
        EXPECT_EQ(WithoutGreeting(run.Said(), v), v.rememberedPair);
        EXPECT_EQ(game.board[CellOf(7).col][CellOf(7).row], 0);

        // The first card guessed (here: the hand already stands on it), its
        // partner remembered.
        Seat(v.kind);
        LayOutAll();
        Remember(kSeat, {46});
        game.currentSeat = kSeat;
        game.handCol = CellOf(7).col, game.handRow = CellOf(7).row;
        seats[kSeat].aiState = AiState::AiOpenCard;
        run = PlayUntil(kSeat, tookPair);
        EXPECT_EQ(run.Said(), v.rememberedPartner);
        EXPECT_EQ(game.board[CellOf(46).col][CellOf(46).row], 0);

        // A whole turn of guessing on a table where nothing pairs.
        Seat(v.kind);
        LayOut({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13});
        TurnStartsFor(kSeat);
        run = PlayUntil(kSeat, [] { return false; });
        EXPECT_EQ(run.last, StepResult::NextSeat);
        EXPECT_EQ(WithoutGreeting(run.Said(), v), v.failedGuess);
    }
}

TEST_F(SpeechTest, GreetingIsSilenceOrOneOfFourLinesByOneDraw) {
    for (const Voice& v : Voices()) {
        Seat(v.kind);
        std::vector<bool> seen(10);
        for (uint64_t seed = 1; std::count(seen.begin(), seen.end(), false) > 0; ++seed) {
            ASSERT_LT(seed, 500u);
            PinRandomSeed(seed);
            const double r = Rnd();
            const double next = Rnd();
            PinRandomSeed(seed);
            const int d = static_cast<int>(std::floor(r * 10));
            seen[d] = true;
            table.said.clear();
            Greet(game, seats, kSeat);
            static constexpr int line[10] = {-1, -1, -1, 0, 0, 1, 1, 2, 2, 3};
            if (line[d] < 0) {
                EXPECT_TRUE(table.said.empty());
            } else {
                ASSERT_EQ(table.said.size(), 1u);
                EXPECT_EQ(table.said[0],
                          (std::pair<int, std::string>{kSeat, v.greetings[line[d]]}));
            }
            EXPECT_EQ(Rnd(), next);  // one draw, no more
        }
    }
}

TEST_F(SpeechTest, BalloonStaysUpForAHundredPassesAfterTheLastLine) {
    Seat(CharacterKind::Wolf);
    SayLine(seats, kSeat, "a");
    for (int i = 0; i < 30; ++i) OpponentIdleStep(seats, kSeat);
    SayLine(seats, kSeat, "b");  // replaces the first line and starts the count again
    EXPECT_EQ(table.balloon[kSeat], "b");
    for (int i = 0; i < 100; ++i) OpponentIdleStep(seats, kSeat);
    EXPECT_TRUE(table.balloonShown[kSeat]);
    OpponentIdleStep(seats, kSeat);
    EXPECT_FALSE(table.balloonShown[kSeat]);
    EXPECT_FALSE(seats[kSeat].balloonShown);

    // During the opening wait of a turn the balloon does not age.
    LayOutAll();
    SayLine(seats, kSeat, "c");
    TurnStartsFor(kSeat, 75);
    for (int i = 0; i < 74; ++i)
        EXPECT_EQ(OpponentTurnStep(game, seats, kSeat), StepResult::Continue);
    EXPECT_EQ(seats[kSeat].balloonAge, 0);
    EXPECT_TRUE(seats[kSeat].turnJustStarted);
}
