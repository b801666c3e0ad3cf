// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer players as the game meets them: the loop steps them, the
// reveal shows them every attempt, the one-second tick ages what they
// remember, the turn tells them when it comes and goes. What they remember
// and how far their turn has got is their own, kept per seat by the
// opponents library; the engine knows no more of them than this.
#pragma once

#include <limits>

#include "engine/GameState.h"

// A count of quiet passes that never runs out (nothing of the seat counts down).
constexpr int kQuietForever = std::numeric_limits<int>::max();

class ComputerPlayers {
public:
    virtual ~ComputerPlayers() = default;
    // A character has been seated (SeatCharacter): a computer character's
    // player is made anew, with its figures and an empty memory.
    virtual void SeatTaken(int seat, CharacterKind kind) = 0;
    // One small step of the turn of the computer seat on turn.
    // Lets events run: when it turns cards and resolves an attempt.
    virtual StepResult TurnStep(int seat) = 0;
    // A computer seat not on turn: it only watches.
    virtual StepResult IdleStep(int seat) = 0;
    // How many of the coming passes the seat's step (TurnStep when `onTurn`,
    // IdleStep otherwise) would only count: an opening wait or a pause running
    // down, the hand's pace between two cells, a balloon's life. Such a step
    // shows nothing, draws no random number and returns Continue, so the loop
    // may let those passes go by without waking. 0 when the next step does
    // something; kQuietForever when nothing counts down.
    virtual int QuietPasses(int seat, bool onTurn) const = 0;
    // `passes` quiet passes gone by at once (never more than QuietPasses): the
    // seat's counts stand exactly as that many steps would have left them.
    virtual void PassQuietly(int seat, bool onTurn, int passes) = 0;
    // The game's first turn goes to the computer in this seat: it chooses its
    // first card at once, without the opening wait.
    virtual void OpensGame(int seat) = 0;
    // The turn leaves a seat, and comes to a seat (whoever sits there).
    virtual void TurnLeaves(int seat) = 0;
    virtual void TurnComes(int seat) = 0;
    // A failed attempt, its two cards still face up: each computer seat may remember them.
    virtual void SeeFailedAttempt(int firstCard, int secondCard, int seatOnTurn) = 0;
    // A pair taken, still on the board: each computer seat may forget where it lay.
    virtual void SeeTakenPair(int firstCard, int secondCard) = 0;
    // One second of a game against the computer.
    virtual void AgeMemories() = 0;
    // The game is over: nothing remembered is kept, and no partner card is planned.
    virtual void ClearMemories() = 0;
};

// The program attaches its computer players once; nullptr detaches them.
void AttachComputerPlayers(ComputerPlayers* players);
ComputerPlayers& Computers();
