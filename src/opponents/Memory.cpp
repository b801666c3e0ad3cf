// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What the opponents remember: the cells of cards they saw in failed attempts.
// Each character's memory is imperfect in its own way (a chance to notice, a
// limited number of entries, a lifetime, a chance to forget a taken pair), and
// that is what makes the characters differ in strength (Characters.h).
#include "opponents/Memory.h"

#include <algorithm>

#include "engine/Random.h"
#include "opponents/Characters.h"
#include "opponents/OpponentSeat.h"

namespace {
// The entries the memory loops cover. The array always holds memorySize + 1
// entries; the count is bounded by it anyway so that a seat can never be read
// past its array.
int CoveredEntries(const OpponentSeat& seat) {
    return std::clamp<int>(seat.memorySize, 0, static_cast<int>(seat.memory.size()));
}

}  // namespace

void RememberFailedAttempt(const GameState& game, OpponentSeats& seats, int firstCard,
                           int secondCard, int seatOnTurn) {
    for (int i = 0; i < kSeats; ++i) {
        if (!game.seats[i].IsComputer()) continue;
        const OpponentSeat& seat = seats[i];
        // One draw per seat: it keeps both cards of the attempt or neither.
        const int pct = i == seatOnTurn ? seat.recallOwnPct : seat.recallOtherPct;
        if (Chance(pct)) {
            RememberCard(game, seats, i, firstCard);
            RememberCard(game, seats, i, secondCard);
        }
    }
}

void RememberCard(const GameState& game, OpponentSeats& seats, int seat, int card) {
    const PlayerSlot& player = game.seats[seat];
    if (!player.active) return;
    const Cell cell = FindCardCell(game, card);
    if (!player.IsComputer()) return;
    const int k = FindFreeMemorySlot(seats, seat);
    if (k < 0) return;  // a full memory takes nothing new
    OpponentMemory& m = seats[seat].memory[k];
    m.inUse = true;
    m.lifetime = CharacterOf(player.kind).lifetime;
    m.age = 0;
    m.col = cell.col;
    m.row = cell.row;
}

int FindFreeMemorySlot(const OpponentSeats& seats, int seat) {
    const OpponentSeat& s = seats[seat];
    const int n = CoveredEntries(s);
    for (int k = 0; k < n; ++k)
        if (!s.memory[k].inUse) return k;
    return -1;
}

void ForgetTakenPair(const GameState& game, OpponentSeats& seats, int firstCard, int secondCard) {
    const Cell a = FindCardCell(game, firstCard), b = FindCardCell(game, secondCard);
    for (int i = 0; i < kSeats; ++i) {
        if (!game.seats[i].IsComputer()) continue;
        OpponentSeat& seat = seats[i];
        if (!Chance(seat.forgetTakenPct)) continue;  // keeps entries that now lead nowhere
        const int n = CoveredEntries(seat);
        for (int k = 0; k < n; ++k) {
            OpponentMemory& m = seat.memory[k];
            const Cell at{m.col, m.row};
            if (at == a || at == b) m.inUse = false;
        }
    }
}

void AgeMemories(OpponentSeats& seats) {
    for (OpponentSeat& seat : seats) {
        const int n = CoveredEntries(seat);
        for (int k = 0; k < n; ++k) {
            OpponentMemory& m = seat.memory[k];
            if (!m.inUse) continue;
            ++m.age;
            if (m.lifetime < m.age) m.inUse = false;
        }
    }
}

void ClearMemories(OpponentSeats& seats) {
    for (OpponentSeat& seat : seats) {
        const int n = CoveredEntries(seat);
        for (int k = 0; k < n; ++k) seat.memory[k].inUse = false;
    }
}

KnownPair FindKnownPair(const GameState& game, const OpponentSeats& seats, int seat) {
    const OpponentSeat& s = seats[seat];
    const int n = CoveredEntries(s);
    for (int i = 0; i < n; ++i) {
        const OpponentMemory& mi = s.memory[i];
        if (!mi.inUse) continue;
        const int a = game.CardAt({mi.col, mi.row});
        if (a == 0) continue;
        for (int j = 0; j < n; ++j) {
            const OpponentMemory& mj = s.memory[j];
            if (j == i || !mj.inUse) continue;
            const int b = game.CardAt({mj.col, mj.row});
            // Equal ranks only: the two jokers never look like a pair to an opponent.
            if (b != 0 && b != a && game.cards[b].rank == game.cards[a].rank)
                return {true, FindCardCell(game, a), FindCardCell(game, b)};
        }
    }
    return {};
}

int FindRememberedPartner(const GameState& game, const OpponentSeats& seats, int seat, int card) {
    const OpponentSeat& s = seats[seat];
    const Cell own = FindCardCell(game, card);
    const int n = CoveredEntries(s);
    for (int k = 0; k < n; ++k) {
        const OpponentMemory& m = s.memory[k];
        if (!m.inUse || Cell{m.col, m.row} == own) continue;
        const int c = game.CardAt({m.col, m.row});
        if (c != 0 && game.cards[c].rank == game.cards[card].rank) return c;
    }
    return 0;
}
