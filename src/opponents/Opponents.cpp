// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opponents/Opponents.h"

#include "opponents/Memory.h"
#include "opponents/OpponentSeat.h"
#include "opponents/OpponentTurn.h"

StepResult Opponents::TurnStep(int seat) { return OpponentTurnStep(seat); }
StepResult Opponents::IdleStep(int seat) { return OpponentIdleStep(seat); }

void Opponents::OpensGame(int seat) { OpponentSeats()[seat].aiState = AiState::AiChooseFirst; }

void Opponents::TurnLeaves(int seat) { OpponentSeats()[seat].turnJustStarted = false; }

void Opponents::TurnComes(int seat) {
    OpponentSeat& s = OpponentSeats()[seat];
    s.turnJustStarted = true;
    s.waitCount = 0;
}

void Opponents::SeeFailedAttempt(int firstCard, int secondCard, int seatOnTurn) {
    RememberFailedAttempt(firstCard, secondCard, seatOnTurn);
}

void Opponents::SeeTakenPair(int firstCard, int secondCard) {
    ForgetTakenPair(firstCard, secondCard);
}

void Opponents::AgeMemories() { ::AgeMemories(); }
void Opponents::ClearMemories() {
    for (OpponentSeat& s : OpponentSeats()) s.partnerCard = 0;
    ::ClearMemories();
}
