// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the opponents say: a balloon beside the character that stays up for
// 100 loop passes after its last line, the greeting draw at the start of a
// turn. The lines themselves are the characters' own (Characters.h).
#include "opponents/Speech.h"

#include <algorithm>
#include <cmath>

#include "engine/Random.h"
#include "engine/TextMarks.h"
#include "engine/Views.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"

namespace {
constexpr int kBalloonPasses = 100;

int RowOf(SpeechEvent event, int variant) {
    if (event == SpeechEvent::Greeting) return std::clamp(variant, 0, 3);
    return 3 + static_cast<int>(event);  // KnownPairFirst is event 1 and row 4
}
}  // namespace

std::string LineFor(CharacterKind kind, SpeechEvent event, int variant) {
    const Character& who = CharacterOf(kind);
    if (!who.computer) return {};
    return who.lines[static_cast<size_t>(RowOf(event, variant))];
}

void SayLine(OpponentSeats& seats, int seat, const std::string& text) {
    Seats().ShowBalloon(seat, text);
    OpponentSeat& s = seats[seat];
    s.balloonShown = true;
    s.balloonAge = 0;  // a new line replaces the old one and starts the count again
}

void Say(const GameState& game, OpponentSeats& seats, int seat, SpeechEvent event) {
    SayLine(seats, seat, LineFor(game.seats[seat].kind, event));
}

void Greet(const GameState& game, OpponentSeats& seats, int seat) {
    // Three turns in ten begin in silence; the fourth line is the rarest.
    const int d = static_cast<int>(std::floor(Rnd() * 10));
    if (d <= 2) return;
    const int variant = d <= 4 ? 0 : d <= 6 ? 1 : d <= 8 ? 2 : 3;
    SayLine(seats, seat, LineFor(game.seats[seat].kind, SpeechEvent::Greeting, variant));
}

void TickBalloon(OpponentSeats& seats, int seat) {
    OpponentSeat& s = seats[seat];
    if (!s.balloonShown) return;
    ++s.balloonAge;
    if (s.balloonAge > kBalloonPasses) {
        Seats().HideBalloon(seat);
        s.balloonShown = false;
    }
}

int BalloonQuietPasses(const OpponentSeat& s) {
    if (!s.balloonShown) return kQuietForever;
    return std::max(0, kBalloonPasses - s.balloonAge);
}

void AgeBalloon(OpponentSeat& s, int passes) {
    if (s.balloonShown) s.balloonAge += passes;
}
