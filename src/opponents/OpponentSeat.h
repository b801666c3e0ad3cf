// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a computer seat keeps of its own: what it remembers and how well, how
// far its turn has got, where its hand is going, and its balloon. The
// opponents keep it per seat, apart from the game's seat record, which only
// says who sits where and what they have taken.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/GameState.h"

// States of a computer opponent's turn; the numbers are fixed.
enum class AiState : int32_t {
    AiIdle = 0,
    AiMoveHand = 1,
    AiChooseFirst = 2,
    AiChooseSecond = 4,
    AiPause = 8,
    AiOpenCard = 64,
    AiEndTurn = 255,
};

// One remembered cell.
struct OpponentMemory {
    bool inUse = false;
    int32_t col = 0, row = 0;
    int32_t lifetime = 0;
    int32_t age = 0;
    bool operator==(const OpponentMemory&) const = default;
};

// A seat keeps all of this when the human or nobody takes it over, and it
// lasts from game to game: only seating a computer character makes it anew
// (Opponents::SeatTaken).
struct OpponentSeat {
    std::vector<OpponentMemory> memory = std::vector<OpponentMemory>(1);  // 0..memorySize
    int32_t memorySize = 0;
    int32_t balloonAge = 0;
    bool turnJustStarted = false;
    int32_t waitLimit = 0, waitCount = 0;
    int32_t stepLimit = 0, stepCount = 0;
    int32_t recallOwnPct = 0, recallOtherPct = 0, forgetTakenPct = 0;
    int32_t targetCol = 0, targetRow = 0;
    bool balloonShown = false;
    AiState aiState = AiState::AiIdle;
    AiState aiNextState = AiState::AiIdle;
    int32_t partnerCard = 0;
    bool operator==(const OpponentSeat&) const = default;
};

// The four seats' own state, seat by seat.
using OpponentSeats = std::array<OpponentSeat, kSeats>;
