// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A computer opponent's turn, played one loop pass at a time.
#pragma once

#include "engine/GameState.h"
#include "opponents/OpponentSeat.h"

// One step of the turn of the computer seat on turn.
// Lets events run: when it turns cards (FlipCard) and resolves an attempt (ResolvePicks).
StepResult OpponentTurnStep(GameState& game, OpponentSeats& seats, int seat);
// A computer seat not on turn: its balloon ages.
StepResult OpponentIdleStep(OpponentSeats& seats, int seat);
// The coming passes in which the seat's step (OpponentTurnStep when `onTurn`,
// OpponentIdleStep otherwise) would only count (ComputerPlayers::QuietPasses).
int OpponentQuietPasses(const OpponentSeats& seats, int seat, bool onTurn);
// That many of them gone by at once (ComputerPlayers::PassQuietly).
void OpponentPassQuietly(OpponentSeats& seats, int seat, bool onTurn, int passes);
Cell PickRandomCell(const GameState& game);
Cell PickRandomCellExcept(const GameState& game, int card);
void MoveHandMarker(const GameState& game);
int HandStartRow(int seat);
int QuickStepLimit(CharacterKind kind);
