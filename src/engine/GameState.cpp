// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameState.h"

GameState game;

bool IsPair(int rankA, int rankB) { return rankA + rankB == kJokerA + kJokerB || rankA == rankB; }

bool CardsArePair(int cardA, int cardB) {
    return IsPair(game.cards[cardA].rank, game.cards[cardB].rank);
}

void ConfigureSeat(CharacterKind kind, int seat) {
    PlayerSlot& s = game.seats[seat];
    s.active = true;
    s.kind = kind;
    s.stepCount = 0;
    s.waitCount = 0;
    s.stepLimit = 40;
    s.waitLimit = 50;
    switch (kind) {
        case CharacterKind::Swallow:
            s.memorySize = 20, s.recallOtherPct = 30, s.recallOwnPct = 90, s.forgetTakenPct = 40;
            break;
        case CharacterKind::Wolf:
            s.memorySize = 40, s.recallOtherPct = 60, s.recallOwnPct = 90, s.forgetTakenPct = 80;
            break;
        case CharacterKind::Tiger:
            s.memorySize = 60, s.recallOtherPct = 80, s.recallOwnPct = 100, s.forgetTakenPct = 90;
            break;
        case CharacterKind::Empty:
            s.active = false;
            break;
        case CharacterKind::You:
            break;
    }
    // One entry more than the loops cover, as the memory has always been laid out.
    s.memory.assign(s.memorySize + 1, OpponentMemory{});
}

Cell FindCardCell(int card) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col)
            if (game.board[col][row] == card) return {col, row};
    return {};
}

int CardAt(Cell cell) {
    if (cell.col < 0 || cell.col >= kColumns || cell.row < 0 || cell.row >= kRows) return 0;
    return game.board[cell.col][cell.row];
}

void ResetGameState() { game = GameState{}; }
