// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the computer opponents remember of failed attempts, how it ages, and
// how they look in it for a pair or a partner.
#pragma once

#include "engine/GameState.h"
#include "opponents/OpponentSeat.h"

void RememberFailedAttempt(const GameState& game, OpponentSeats& seats, int firstCard,
                           int secondCard, int seatOnTurn);
void RememberCard(const GameState& game, OpponentSeats& seats, int seat, int card);
int FindFreeMemorySlot(const OpponentSeats& seats, int seat);
void ForgetTakenPair(const GameState& game, OpponentSeats& seats, int firstCard, int secondCard);
void AgeMemories(OpponentSeats& seats);
void ClearMemories(OpponentSeats& seats);
struct KnownPair {
    bool found = false;
    Cell a, b;
};
KnownPair FindKnownPair(const GameState& game, const OpponentSeats& seats, int seat);
int FindRememberedPartner(const GameState& game, const OpponentSeats& seats, int seat, int card);
