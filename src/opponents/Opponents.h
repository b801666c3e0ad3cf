// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer characters (Characters.h) as the game meets them: their
// turn step by step, their memory of what they saw, their speech. They play
// in the game they are given, and keep each seat's own state themselves.
#pragma once

#include "engine/ComputerPlayers.h"
#include "opponents/OpponentSeat.h"

class Opponents : public ComputerPlayers {
public:
    explicit Opponents(GameState& game) : game_(game) {}

    void SeatTaken(int seat, CharacterKind kind) override;
    StepResult TurnStep(int seat) override;
    StepResult IdleStep(int seat) override;
    int QuietPasses(int seat, bool onTurn) const override;
    void PassQuietly(int seat, bool onTurn, int passes) override;
    void OpensGame(int seat) override;
    void TurnLeaves(int seat) override;
    void TurnComes(int seat) override;
    void SeeFailedAttempt(int firstCard, int secondCard, int seatOnTurn) override;
    void SeeTakenPair(int firstCard, int secondCard) override;
    void AgeMemories() override;
    void ClearMemories() override;

    // What each seat's computer remembers and how far its turn has got.
    OpponentSeats& Seats() { return seats_; }
    const OpponentSeats& Seats() const { return seats_; }

private:
    GameState& game_;
    OpponentSeats seats_{};
};
