// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the computer opponents remember of failed attempts, how it ages, and
// how they look in it for a pair or a partner.
#pragma once

#include "engine/GameState.h"

void RememberFailedAttempt(int firstCard, int secondCard, int seatOnTurn);
void RememberCard(int seat, int card);
int FindFreeMemorySlot(int seat);
void ForgetTakenPair(int firstCard, int secondCard);
void AgeMemories();
void ClearMemories();
struct KnownPair {
    bool found = false;
    Cell a, b;
};
KnownPair FindKnownPair(int seat);
int FindRememberedPartner(int seat, int card);
