// SPDX-FileCopyrightText: 2001-2026 Tomavel Team <tomavel@example.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The human's play: mouse and keyboard on the cards and on the table, and the
// one-second tick. These run as event handlers inside the game loop's waits.
#pragma once

#include "engine/GameState.h"

// A press on a table card: turns it up as the pick of the human seat on turn.
// Lets events run: while the card turns (FlipCard).
void CardMouseDown(GameState& game, int card);
// The mouse over a table card: magnifies it while a human seat is on turn.
void CardMouseMove(GameState& game, int card);
// The mouse over the table itself: the magnified card goes back to its cell.
void WindowMouseMove(GameState& game);
// Every second of a game: the solitaire time, or the opponents' memories ageing.
void SecondTick(GameState& game);

// The keyboard. The focused card is the magnified card, whoever magnified it:
// the arrow keys move the focus over the face-down cards and Space or Return
// turns it as a click would.
//
// Where an arrow key (a step of one cell: dx, dy) takes the focus from a cell,
// over the face-down cards still on the table: left and right go through them
// in reading order, on along the row and then to the neighbouring row; up and
// down stay in the column when it holds one further on, otherwise take the
// nearest column that does (the left one when two are as near), and in it the
// nearest card. 0 when there is none.
int NextCardInDirection(const GameState& game, Cell from, int dx, int dy);
// An arrow key; with nothing focused yet, any arrow focuses the first
// face-down card in reading order.
void CardKeyMove(GameState& game, int dx, int dy);
// Space or Return: turns the focused card as a press on it would.
// Lets events run: while the card turns (FlipCard).
void CardKeyTurn(GameState& game);
