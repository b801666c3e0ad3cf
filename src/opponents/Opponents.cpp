// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "opponents/Opponents.h"

#include "opponents/Characters.h"
#include "opponents/Memory.h"
#include "opponents/OpponentTurn.h"

void Opponents::SeatTaken(int seat, CharacterKind kind) {
    OpponentSeat& s = seats_[seat];
    s.stepCount = 0;
    s.waitCount = 0;
    s.stepLimit = 40;
    s.waitLimit = 50;
    // The human and the empty seat keep the figures the seat had.
    const Character& who = CharacterOf(kind);
    if (who.computer) {
        s.memorySize = who.memorySize;
        s.recallOtherPct = who.recallOtherPct;
        s.recallOwnPct = who.recallOwnPct;
        s.forgetTakenPct = who.forgetTakenPct;
    }
    // One entry more than the loops cover, as the memory has always been laid out.
    s.memory.assign(s.memorySize + 1, OpponentMemory{});
}

StepResult Opponents::TurnStep(int seat) { return OpponentTurnStep(game_, seats_, seat); }
StepResult Opponents::IdleStep(int seat) { return OpponentIdleStep(seats_, seat); }
int Opponents::QuietPasses(int seat, bool onTurn) const {
    return OpponentQuietPasses(seats_, seat, onTurn);
}
void Opponents::PassQuietly(int seat, bool onTurn, int passes) {
    OpponentPassQuietly(seats_, seat, onTurn, passes);
}

void Opponents::OpensGame(int seat) { seats_[seat].aiState = AiState::AiChooseFirst; }

void Opponents::TurnLeaves(int seat) { seats_[seat].turnJustStarted = false; }

void Opponents::TurnComes(int seat) {
    OpponentSeat& s = seats_[seat];
    s.turnJustStarted = true;
    s.waitCount = 0;
}

void Opponents::SeeFailedAttempt(int firstCard, int secondCard, int seatOnTurn) {
    RememberFailedAttempt(game_, seats_, firstCard, secondCard, seatOnTurn);
}

void Opponents::SeeTakenPair(int firstCard, int secondCard) {
    ForgetTakenPair(game_, seats_, firstCard, secondCard);
}

void Opponents::AgeMemories() { ::AgeMemories(seats_); }
void Opponents::ClearMemories() {
    for (OpponentSeat& s : seats_) s.partnerCard = 0;
    ::ClearMemories(seats_);
}
