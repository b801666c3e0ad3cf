// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the computer opponents say in their balloons.
#pragma once

#include <string>

#include "engine/ComputerPlayers.h"
#include "engine/GameState.h"
#include "opponents/OpponentSeat.h"

enum class SpeechEvent {
    Greeting,
    KnownPairFirst,
    KnownPairSecond,
    PartnerRemembered,
    Guessing,
    FirstOpened,
    SecondOpened,
    GotPair,
    TurnOver,
};
// The line of a character for an event; for Greeting, `variant` 0..3 picks one of its four lines.
std::string LineFor(CharacterKind kind, SpeechEvent event, int variant = 0);
void SayLine(OpponentSeats& seats, int seat, const std::string& text);
void Say(const GameState& game, OpponentSeats& seats, int seat, SpeechEvent event);
// One draw: silence or one of the four greetings.
void Greet(const GameState& game, OpponentSeats& seats, int seat);
void TickBalloon(OpponentSeats& seats, int seat);
// The passes a shown balloon stays up without a change: the pass after them
// takes it down. kQuietForever when no balloon is up.
int BalloonQuietPasses(const OpponentSeat& s);
// That many passes of a balloon's life gone by at once, as TickBalloon would
// have counted them (never more than BalloonQuietPasses).
void AgeBalloon(OpponentSeat& s, int passes);
