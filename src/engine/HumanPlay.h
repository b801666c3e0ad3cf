// The human's play: mouse and keyboard on the cards and on the table, and the
// one-second tick.
#pragma once

#include "engine/GameState.h"

void CardMouseDown(int card);
void CardMouseMove(int card);
void WindowMouseMove();
void SecondTick();

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
int NextCardInDirection(Cell from, int dx, int dy);
// An arrow key; with nothing focused yet, any arrow focuses the first
// face-down card in reading order.
void CardKeyMove(int dx, int dy);
// Space or Return.
void CardKeyTurn();
