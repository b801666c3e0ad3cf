// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The computer opponents Swallow, Wolf and Tiger as the game meets them: their
// turn step by step, their memory of what they saw, their speech. Each
// seat's own state is kept in OpponentSeats().
#pragma once

#include "engine/ComputerPlayers.h"

class Opponents : public ComputerPlayers {
public:
    StepResult TurnStep(int seat) override;
    StepResult IdleStep(int seat) override;
    void OpensGame(int seat) override;
    void TurnLeaves(int seat) override;
    void TurnComes(int seat) override;
    void SeeFailedAttempt(int firstCard, int secondCard, int seatOnTurn) override;
    void SeeTakenPair(int firstCard, int secondCard) override;
    void AgeMemories() override;
    void ClearMemories() override;
};
