// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/GameState.h"

bool IsPair(int rankA, int rankB) { return rankA + rankB == kJokerA + kJokerB || rankA == rankB; }

bool CardsArePair(const GameState& game, int cardA, int cardB) {
    return IsPair(game.cards[cardA].rank, game.cards[cardB].rank);
}

Cell FindCardCell(const GameState& game, int card) {
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kColumns; ++col)
            if (game.board[col][row] == card) return {col, row};
    return {};
}

int GameState::CardAt(Cell cell) const {
    if (cell.col < 0 || cell.col >= kColumns || cell.row < 0 || cell.row >= kRows) return 0;
    return board[cell.col][cell.row];
}
